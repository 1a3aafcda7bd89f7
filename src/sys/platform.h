// Operating-system services the core needs. Each host implements them; every call can fail
// and reports it as a value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ui {
class PopupMenu;
}

namespace sys {

// Message box styles, as the Windows constants.
enum MessageStyle : unsigned {
    kOk = 0x0,
    kOkCancel = 0x1,
    kYesNo = 0x4,
    kIconExclamation = 0x30,
    kIconInformation = 0x40,
};

// Message box answers, as the Windows constants.
enum MessageAnswer : int {
    kAnswerOk = 1,
    kAnswerCancel = 2,
    kAnswerYes = 6,
    kAnswerNo = 7,
};

// What a find-first query tells of one file system object.
struct FileInfo {
    std::string name;  // without its directory
    bool directory = false;
    bool readOnly = false;
    std::uint64_t size = 0;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // A modal message box without owner; returns the button pressed.
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned style) = 0;
    // The default beep.
    virtual void Beep() = 0;
    // Shows the menu at the pointer and waits; the chosen item's number, or 0.
    virtual int TrackPopupMenu(const ui::PopupMenu& menu) = 0;

    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    virtual std::optional<std::string> GetEnvironmentVariable(const std::string& name) = 0;
    // The whole file as raw bytes; nothing when it cannot be opened.
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    // The object at exactly this path, as a find-first query sees it; nothing when absent.
    virtual std::optional<FileInfo> FindFirstFile(const std::string& path) = 0;
    // The names in `directory` (which ends with its separator) that equal `name` but for
    // letter case, in name order. Only a file system that tells case apart needs it: where
    // case is ignored, the find-first query already finds those, and this answers nothing.
    virtual std::vector<std::string> NamesIgnoringCase(const std::string& /*directory*/,
                                                       const std::string& /*name*/) {
        return {};
    }
    // The full path of the add-in's own module (the library, or the program on POSIX).
    virtual std::optional<std::string> ModuleFileName() = 0;

    // Services only some commands need; a host without them answers failure.
    // The user's roaming application-data folder.
    virtual std::optional<std::string> ApplicationDataFolder() { return std::nullopt; }
    // Copies a file; never replaces an existing target.
    virtual bool CopyFileNoOverwrite(const std::string& /*from*/, const std::string& /*to*/) {
        return false;
    }
    // Creates the directory and its missing parents; true when it exists afterwards.
    virtual bool CreateDirectories(const std::string& /*path*/) { return false; }
};

// Shows the wait cursor for its lifetime, so every path out of a command restores it.
class WaitCursor {
  public:
    explicit WaitCursor(Platform& platform) : platform_(platform) { platform_.BeginWaitCursor(); }
    ~WaitCursor() { platform_.EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    Platform& platform_;
};

}  // namespace sys
