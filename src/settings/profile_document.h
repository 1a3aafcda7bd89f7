// The profile as registry-export text, for hosts that keep it in a file:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Tarn\Zentrel2\Options]
//   "Paste Space"=dword:00000000
//   "Extensions Source"="cpp\x01c\x01cc\x01"
//
// A section is the key path below the profile key. Strings and names escape `\`, `"` and
// control characters as \xHH and keep every other byte raw, so any text without NUL survives
// exactly. Section and value names ignore ASCII case, as the registry's do, and keep their first
// spelling. Sections and values keep their first order, new ones go last, so a rewrite only
// changes the lines whose values changed. Comments are not kept.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "settings/folded_name_index.h"
#include "settings/profile_store.h"

namespace settings {

inline constexpr char kProfileKey[] = "HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2";

class ProfileDocument {
  public:
    struct ParseError {
        std::size_t line = 0;  // counted from 1
        std::string reason;
    };

    // Accepts LF or CR LF line ends, blank lines and `;` comments. A later duplicate of a
    // value replaces the earlier one, as an import would.
    static std::variant<ProfileDocument, ParseError> Parse(std::string_view text);
    std::string Serialize() const;

    const ProfileValue* Find(std::string_view section, std::string_view name) const;
    // False, with nothing changed, for what the text cannot hold: a NUL byte anywhere, a line
    // break in a section.
    bool Set(std::string_view section, std::string_view name, ProfileValue value);
    // True when the section was there, even empty.
    bool RemoveSection(std::string_view section);
    // Every value in its order, as visit(section, name, value).
    template <class Visit>
    void ForEachValue(Visit visit) const {
        for (const Section& section : sections_) {
            for (const Entry& entry : section.entries)
                visit(section.name, entry.name, entry.value);
        }
    }

    bool operator==(const ProfileDocument& other) const { return sections_ == other.sections_; }

  private:
    struct Entry {
        std::string name;
        ProfileValue value;
        bool operator==(const Entry&) const = default;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
        FoldedNameIndex byName;  // of entries, so that a load is linear in the file
        bool operator==(const Section& other) const {
            return name == other.name && entries == other.entries;
        }
        // Grows by half at least, so that a section named again and again stays linear.
        void Reserve(std::size_t count) {
            if (count > entries.capacity())
                entries.reserve(std::max(count, entries.capacity() + entries.capacity() / 2));
        }
        void IndexEntries();
    };

    Section& SectionNamed(std::string_view name);
    void Put(Section& section, std::string_view name, ProfileValue value);

    std::vector<Section> sections_;
    FoldedNameIndex byName_;
};

}  // namespace settings
