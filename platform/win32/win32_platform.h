// The operating-system services over Win32, for the add-in living inside the IDE.
#pragma once

#include <functional>

#include "sys/platform.h"

namespace win32 {

class Win32Platform : public sys::Platform {
  public:
    // Told true before a message box and false after it, so the IDE keeps its own UI quiet.
    using SuppressUI = std::function<void(bool)>;
    void SetSuppressUI(SuppressUI suppress) { suppress_ = std::move(suppress); }

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override;
    void Beep() override;
    int TrackPopupMenu(const ui::PopupMenu& menu) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    std::optional<std::string> GetEnvironmentVariable(const std::string& name) override;
    std::optional<std::string> ReadFile(const std::string& path) override;
    std::optional<sys::FileInfo> FindFirstFile(const std::string& path) override;
    std::optional<std::string> ModuleFileName() override;
    std::optional<std::string> ApplicationDataFolder() override;
    bool CopyFileNoOverwrite(const std::string& from, const std::string& to) override;
    bool CreateDirectories(const std::string& path) override;

    // File commands and the clean-up (clipboard_win32.cpp, clean_*.cpp).
    std::optional<std::uint32_t> FileAttributes(const std::string& path) override;
    bool SetFileAttributes(const std::string& path, std::uint32_t attributes) override;
    bool SetClipboard(const std::vector<sys::ClipboardBlock>& blocks) override;
    std::string AnsiToOem(const std::string& text) override;
    std::u16string AnsiToUnicode(const std::string& text) override;
    bool OffersUnicodeClipboard() override;
    bool ShellExecuteVerb(const std::string& verb, const std::string& path,
                          bool contextMenuVerb) override;
    std::optional<std::string> BrowseForFolder(const std::string& title) override;
    // Sizes come with the names here, so `sized` is not needed.
    std::optional<sys::DirectoryListing> ListDirectory(std::span<const sys::PathStep> steps,
                                                       const sys::SizeWanted& sized) override;
    sys::DeleteOutcome DeleteListedFile(std::span<const sys::PathStep> steps,
                                        const std::string& name) override;
    void ShowCleanDialog(commands::files::CleanDlg& dialog) override;
    bool ShowReportDialog(commands::files::ReportDlg& dialog) override;
    void ShowProgressDialog(commands::files::ProgressDlg& dialog) override;
    void HideProgressDialog(commands::files::ProgressDlg& dialog) override;
    void ProgressChanged(commands::files::ProgressDlg& dialog) override;

    // Browse: the dialog over the IDE's active window (browse_dialog_view.cpp).
    bool ShowBrowseDialog(commands::navigate::BrowseDialog& dialog) override;

    // Options, About and Help: the sheet and the box over the IDE's active window
    // (options_sheet_view.cpp, about_box_view.cpp).
    sys::ModuleVersion ModuleVersionResource() override;
    int ShellOpen(const std::string& target) override;
    bool ShowOptionsSheet(settings::COptionsSheet& sheet) override;
    void ShowAboutBox(const std::string& text) override;

    // Code templates: the parameter dialog (ask_dialog_view.cpp), answered from the script of
    // scripted_answers.h instead when there is one.
    bool ShowAskDialog(templates::AskDialog& dialog) override;

  private:
    SuppressUI suppress_;
    // The cursor a wait cursor replaced, restored when the outermost one ends.
    void* savedCursor_ = nullptr;
    int waitDepth_ = 0;
};

}  // namespace win32
