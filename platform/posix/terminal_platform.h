// The operating-system services on a POSIX terminal: messages go to standard error, menus
// and questions are answered from the answer queue (or the terminal), and everything shown
// is recorded so a run can report it.
#pragma once

#include <functional>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "posix/answer_queue.h"
#include "sys/platform.h"
#include "sys/popup_menu.h"

namespace posix {

struct Recording {
    std::vector<std::string> messages;
    int beeps = 0;
    std::vector<ui::PopupMenu> menus;
    // One object per dialog shown (its caption and what it showed or was answered), in order.
    nlohmann::ordered_json dialogs = nlohmann::ordered_json::array();
    // What the last clipboard command put there; null until one does.
    nlohmann::ordered_json clipboard;
};

class TerminalPlatform : public sys::Platform {
  public:
    // interactive: whether questions left unanswered may be put to the user on `input`.
    TerminalPlatform(AnswerQueue& answers, std::ostream& errors, std::istream& input,
                     bool interactive);

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void Beep() override;
    int TrackPopupMenu(const ui::PopupMenu& menu) override;
    void BeginWaitCursor() override { ++waitDepth_; }
    void EndWaitCursor() override { --waitDepth_; }
    std::optional<std::string> GetEnvironmentVariable(const std::string& name) override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    std::optional<sys::FileInfo> FindFirstFile(const std::string& path) override;
    std::vector<std::string> NamesIgnoringCase(const std::string& directory,
                                               const std::string& name) override;
    std::optional<std::string> ModuleFileName() override;
    std::optional<std::string> ApplicationDataFolder() override;
    bool CopyFileNoOverwrite(const std::string& from, const std::string& to) override;
    bool CreateDirectories(const std::string& path) override;

    // File commands and the clean-up (terminal_file_services.cpp, terminal_clean_dialogs.cpp).
    std::optional<std::uint32_t> FileAttributes(const std::string& path) override;
    bool SetFileAttributes(const std::string& path, std::uint32_t attributes) override;
    bool SetClipboard(const std::vector<sys::ClipboardBlock>& blocks) override;
    std::u16string AnsiToUnicode(const std::string& text) override;
    bool ShellExecuteVerb(const std::string& verb, const std::string& path,
                          bool contextMenuVerb) override;
    std::optional<std::string> BrowseForFolder(const std::string& title) override;
    std::optional<sys::DirectoryListing> ListDirectory(std::span<const sys::PathStep> steps,
                                                       const sys::SizeWanted& sized) override;
    sys::DeleteOutcome DeleteListedFile(std::span<const sys::PathStep> steps,
                                        const std::string& name) override;
    void ShowCleanDialog(commands::files::CleanDlg& dialog) override;
    bool ShowReportDialog(commands::files::ReportDlg& dialog) override;
    void ShowProgressDialog(commands::files::ProgressDlg& dialog) override;
    void HideProgressDialog(commands::files::ProgressDlg& dialog) override;
    void ProgressChanged(commands::files::ProgressDlg& dialog) override;
    // The progress dialog as one line redrawn in place; for terminals.
    void SetProgressLine(bool show) { progressLine_ = show; }
    // Options, About and Help (terminal_settings_dialogs.cpp). The sheet takes `Name=Value`,
    // `reset`, `ok` and `cancel` answers; without answers it is cancelled. The opener is the
    // desktop's, when there is one; otherwise the target is named on the report stream.
    sys::ModuleVersion ModuleVersionResource() override { return moduleVersion_; }
    int ShellOpen(const std::string& target) override;
    bool ShowOptionsSheet(settings::COptionsSheet& sheet) override;
    void ShowAboutBox(const std::string& text) override;
    void SetModuleVersion(sys::ModuleVersion version) { moduleVersion_ = version; }
    // Where ShellOpen names what it would open; the error stream unless given.
    void SetReportStream(std::ostream& report) { report_ = &report; }

    // Browse: answers drive it and each step is recorded; with none left, a terminal shows
    // it full screen (browse_show.cpp).
    bool ShowBrowseDialog(commands::navigate::BrowseDialog& dialog) override;

    // Code templates: the parameter dialog takes "Prompt=Value" answers (one or more, each
    // its own answer or one a line), "ok" or "cancel"; else the terminal asks each prompt.
    bool ShowAskDialog(templates::AskDialog& dialog) override;

    const Recording& Recorded() const { return recording_; }
    // For the dialogs and clipboard commands that record what they show.
    Recording& Recorded() { return recording_; }
    int WaitDepth() const { return waitDepth_; }
    // A terminal bell on beeps; off for pipes and tests.
    void SetRingBell(bool ring) { ringBell_ = ring; }
    // Fixed answers in place of the process's own, for tests.
    void SetModuleFileName(std::string path) { moduleFileName_ = std::move(path); }
    // The folder the host keeps the user's data in; none unless given.
    void SetApplicationDataFolder(std::string path) { applicationData_ = std::move(path); }
    // Copies and new directories are only pretended: they report success and write nothing.
    void SetDryRun(bool dryRun) { dryRun_ = dryRun; }

  private:
    std::optional<std::string> Ask(const std::string& prompt);

    AnswerQueue& answers_;
    std::ostream& errors_;
    std::istream& input_;
    bool interactive_;
    bool ringBell_ = false;
    bool dryRun_ = false;
    bool progressLine_ = false;
    int waitDepth_ = 0;
    std::optional<std::string> moduleFileName_;
    std::optional<std::string> applicationData_;
    sys::ModuleVersion moduleVersion_;
    std::ostream* report_ = nullptr;
    Recording recording_;
};

// The menu as lines of text, with item numbers, for a terminal.
std::string FormatMenu(const ui::PopupMenu& menu);

}  // namespace posix
