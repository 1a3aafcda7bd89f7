// Typed values in named sections of the add-in's profile. Every read tells a missing value
// from a present one by a sentinel, which is therefore never a usable value itself.
#pragma once

#include <string>

#include "settings/profile_store.h"
#include "settings/settings.h"
#include "settings/window_rect.h"

namespace settings {

inline constexpr int kMissingInt = 2147483647;
inline constexpr char kMissingString[] = "CRegistry::Error";

inline constexpr char kSectionOptions[] = "Options";
inline constexpr char kSectionWindows[] = "Windows";
inline constexpr char kSectionClean[] = "Clean";
inline constexpr char kSectionSetup[] = "Setup";

// Separates list items and rectangle coordinates inside one stored string.
inline constexpr char kListSeparator = '\x01';

class CRegistry {
  public:
    explicit CRegistry(ProfileStore& store) : store_(store) {}
    virtual ~CRegistry() = default;

    // Stores what was read into `value`, kMissingInt when absent; true unless it is the
    // sentinel, so a stored 2147483647 reads as missing.
    bool ReadInt(const std::string& section, const std::string& name, int& value);
    // The value is taken by value: the pointer of the original interface only ever pointed
    // at a local, and a value leaves no null case to define.
    bool WriteInt(const std::string& section, const std::string& name, int value);

    // Same contract as ReadInt, with kMissingString as the sentinel.
    bool ReadString(const std::string& section, const std::string& name, std::string& value);
    bool WriteString(const std::string& section, const std::string& name, const std::string& value);

    // Empties `list` first; false only when the value is missing. Empty pieces are skipped,
    // so a stored empty string gives an empty list and still counts as present.
    bool ReadStringList(const std::string& section, const std::string& name, StringList& list);
    // Each item followed by the separator; an empty list is the empty string.
    bool WriteStringList(const std::string& section, const std::string& name,
                         const StringList& list);

    // Stored as "left\1top\1right\1bottom"; a child window with a parent in its parent's
    // client coordinates.
    bool SaveWindowRect(const std::string& section, const std::string& name,
                        const RectWindow& window);
    // Never saved: centres the window on its owner, false. Fewer than four coordinates:
    // false, window untouched. Otherwise moves (keeping the current size unless
    // `restoreSize`) and repaints, true.
    bool RestoreWindowRect(const std::string& section, const std::string& name, RectWindow& window,
                           bool restoreSize);

  private:
    ProfileStore& store_;
};

}  // namespace settings
