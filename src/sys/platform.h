// Operating-system services the core needs. Each host implements them; every call can fail
// and reports it as a value.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ui {
class PopupMenu;
}
namespace settings {
class COptionsSheet;
}
namespace commands::navigate {
class BrowseDialog;
}
namespace templates {
class AskDialog;
}

namespace commands::files {
class CleanDlg;
class ProgressDlg;
class ReportDlg;
}  // namespace commands::files

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

// File attribute bits, as the Windows constants; a POSIX host maps read-only to the write bits.
enum FileAttribute : std::uint32_t {
    kAttributeReadOnly = 0x1,
    kAttributeDirectory = 0x10,
};

// Clipboard formats, as the Windows constants.
enum class ClipboardFormat : unsigned {
    kText = 1,
    kOemText = 7,
    kUnicodeText = 13,
    kFileDrop = 15,
};

// One block of clipboard data: its format and its exact bytes.
struct ClipboardBlock {
    ClipboardFormat format;
    std::string bytes;
};

// Identifies a directory while it exists (device and inode, or volume and file index);
// all zero: not known.
struct FileId {
    std::uint64_t volume = 0;
    std::uint64_t index = 0;
    bool Known() const { return volume != 0 || index != 0; }
    bool operator==(const FileId&) const = default;
};

// One directory on the way down from a walk's root: the first step names the root as the user
// gave it, every later step one name inside the one before.
struct PathStep {
    std::string name;
    FileId id;  // as the directory was when listed; unknown for one not listed yet
};

enum class EntryKind { kFile, kDirectory, kLink, kOther };

// One entry of a listed directory; a link of any kind (symbolic link, junction, reparse
// point) is a kLink, whatever it points at.
struct DirectoryEntry {
    std::string name;
    EntryKind kind = EntryKind::kOther;
    std::uint64_t size = 0;  // of a regular file
};

// Picks the listed files whose size is needed, by name.
using SizeWanted = std::function<bool(std::string_view name)>;

struct DirectoryListing {
    FileId id;  // of the listed directory itself
    std::vector<DirectoryEntry> entries;
};

enum class DeleteOutcome {
    kDeleted,
    kGone,     // nothing there any more
    kChanged,  // no longer a regular file reached through the same directories
    kFailed,   // there as listed, but the system refused
};

// What the module's version resource holds: nothing, a block that cannot be read, or its file
// version's major and minor numbers.
struct ModuleVersion {
    bool hasResource = false;
    bool readable = false;
    unsigned major = 0;
    unsigned minor = 0;
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

    // File commands and the clean-up.
    // The file's attribute bits (FileAttribute); nothing when they cannot be read.
    virtual std::optional<std::uint32_t> FileAttributes(const std::string& /*path*/) {
        return std::nullopt;
    }
    virtual bool SetFileAttributes(const std::string& /*path*/, std::uint32_t /*attributes*/) {
        return false;
    }
    // Opens the clipboard without an owner, empties it, puts the blocks there in order and
    // closes it; false when it could not be opened (then nothing changed).
    virtual bool SetClipboard(const std::vector<ClipboardBlock>& /*blocks*/) { return false; }
    // 8-bit text in the OEM code page, from the ANSI one.
    virtual std::string AnsiToOem(const std::string& text) { return text; }
    // UTF-16 from the ANSI code page.
    virtual std::u16string AnsiToUnicode(const std::string& text) {
        return std::u16string(text.begin(), text.end());
    }
    // Whether the clipboard takes the Unicode text form (not on the oldest Windows family).
    virtual bool OffersUnicodeClipboard() { return true; }
    // Executes a shell verb ("open", "properties") on a file or folder, owned by the window
    // around the focus; contextMenuVerb asks for the item's context-menu entry.
    virtual bool ShellExecuteVerb(const std::string& /*verb*/, const std::string& /*path*/,
                                  bool /*contextMenuVerb*/) {
        return false;
    }
    // The shell's folder chooser; nothing when cancelled or the folder has no path.
    virtual std::optional<std::string> BrowseForFolder(const std::string& /*title*/) {
        return std::nullopt;
    }
    // Lists the directory the steps lead to, hidden and system entries included, without
    // "." and "..". Every step after the root is entered without following a link, and a
    // step whose id is known must still have it; otherwise nothing. `sized` picks the regular
    // files whose size the caller needs (all when empty); the others may come with size 0, so a
    // host that must ask for each size asks only for these.
    virtual std::optional<DirectoryListing> ListDirectory(std::span<const PathStep> /*steps*/,
                                                          const SizeWanted& /*sized*/) {
        return std::nullopt;
    }
    // Deletes `name` in the directory the steps lead to, under the same rules as listing, and
    // only when it is a regular file (never a link, never a directory).
    virtual DeleteOutcome DeleteListedFile(std::span<const PathStep> /*steps*/,
                                           const std::string& /*name*/) {
        return DeleteOutcome::kFailed;
    }
    // Shows the dialogs of the clean-up modally; Clean ends when the dialog closes, the report
    // is true when confirmed. A host that cannot show them answers cancel.
    virtual void ShowCleanDialog(commands::files::CleanDlg& /*dialog*/) {}
    virtual bool ShowReportDialog(commands::files::ReportDlg& /*dialog*/) { return false; }
    // Shows the modeless progress dialog until HideProgressDialog; the model tells its view of
    // every change through ProgressChanged.
    virtual void ShowProgressDialog(commands::files::ProgressDlg& /*dialog*/) {}
    virtual void HideProgressDialog(commands::files::ProgressDlg& /*dialog*/) {}
    virtual void ProgressChanged(commands::files::ProgressDlg& /*dialog*/) {}
    // The version resource of the add-in's module.
    virtual ModuleVersion ModuleVersionResource() { return {}; }
    // Opens a file or address with its default program; the shell's result, above 32 on
    // success (2: file not found, 3: path not found, 0: out of resources).
    virtual int ShellOpen(const std::string& /*target*/) { return 31; }
    // Runs the options sheet modally; true when it ended with OK.
    virtual bool ShowOptionsSheet(settings::COptionsSheet& /*sheet*/) { return false; }
    // Shows the About box with this text until it is closed.
    virtual void ShowAboutBox(const std::string& /*text*/) {}

    // The Browse dialog: shows the opened model and runs it until it ends; false when the
    // host has no way to show it.
    virtual bool ShowBrowseDialog(commands::navigate::BrowseDialog& /*dialog*/) { return false; }

    // Code templates.
    // Shows the parameter dialog modally; true when it was closed with OK.
    virtual bool ShowAskDialog(templates::AskDialog& /*dialog*/) { return false; }
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
