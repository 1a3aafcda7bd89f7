#include "commands/files/clean_dialog.h"

#include "commands/files/report_dialog.h"

namespace commands::files {

namespace {

constexpr const char* kValueFileTypes = "File Types";
constexpr const char* kValueDirectory = "Directory";
constexpr const char* kValueRecursive = "Recursive";
constexpr std::size_t kMaxFolderPath = 260;

constexpr DialogControl kControls[] = {
    {ControlKind::kStatic, kNoId, "&Directory:", 8, 2, 31, 12},
    {ControlKind::kEdit, CleanDlg::kIdDirectory, "", 42, 2, 121, 12},
    {ControlKind::kButton, CleanDlg::kIdBrowse, "...", 166, 2, 12, 12},
    {ControlKind::kCheckBox, CleanDlg::kIdRecursive, "&Recursive", 42, 17, 48, 10},
    {ControlKind::kGroupBox, kNoId, "&File Types To Be Deleted", 2, 32, 176, 32},
    {ControlKind::kEdit, CleanDlg::kIdFileTypes, "", 8, 45, 164, 12},
    {ControlKind::kDefaultButton, CleanDlg::kIdClean, "Clean...", 2, 69, 50, 14},
    {ControlKind::kButton, CleanDlg::kIdStore, "OK", 74, 69, 50, 14},
    {ControlKind::kButton, kIdCancel, "Cancel", 128, 69, 50, 14},
};

}  // namespace

CleanInputs LoadCleanInputs(settings::CRegistry& registry) {
    CleanInputs inputs;
    std::string text;
    if (registry.ReadString(settings::kSectionClean, kValueFileTypes, text))
        inputs.fileTypes = text;
    if (registry.ReadString(settings::kSectionClean, kValueDirectory, text))
        inputs.directory = text;
    int recursive = 0;
    if (registry.ReadInt(settings::kSectionClean, kValueRecursive, recursive))
        inputs.recursive = recursive != 0;
    return inputs;
}

void StoreCleanInputs(settings::CRegistry& registry, const CleanInputs& inputs) {
    registry.WriteString(settings::kSectionClean, kValueFileTypes, inputs.fileTypes);
    registry.WriteString(settings::kSectionClean, kValueDirectory, inputs.directory);
    registry.WriteInt(settings::kSectionClean, kValueRecursive, inputs.recursive ? 1 : 0);
}

std::span<const DialogControl> CleanDlg::Controls() {
    return kControls;
}

bool CleanDlg::Browse() {
    std::optional<std::string> folder = platform_.BrowseForFolder(kBrowseTitle);
    if (!folder || folder->empty() || folder->size() > kMaxFolderPath)
        return false;
    inputs_.directory = std::move(*folder);
    return true;
}

bool CleanDlg::Clean() {
    CleanList list;
    {
        ProgressDlg progress(platform_);
        progress.SetTitle("Searching For Files...");
        progress.SetRange(1, false);
        progress.SetPos(0);
        list = SearchForFiles(platform_, progress, inputs_.directory, inputs_.recursive,
                              inputs_.fileTypes);
    }
    ReportDlg report = [&] {
        sys::WaitCursor wait(platform_);
        return ReportDlg(ConfirmationText(list), "Delete", true, &registry_);
    }();
    if (!platform_.ShowReportDialog(report))
        return false;
    {
        ProgressDlg progress(platform_);
        lastDeletion_ = DeleteFiles(platform_, progress, list);
    }
    Store();
    return true;
}

}  // namespace commands::files
