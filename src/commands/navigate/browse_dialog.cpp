#include "commands/navigate/browse_dialog.h"

#include "editor/editor_document.h"
#include "editor/split_path.h"

namespace commands::navigate {

BrowseDialog::BrowseDialog(const CommandContext& context, settings::CRegistry* registry)
    : context_(context), registry_(registry), levels_(context) {}

bool BrowseDialog::Open() {
    if (context_.environment) {
        sys::WaitCursor wait(context_.platform);
        editor::EditorDocument document(*context_.environment, context_.platform, context_.Kinds());
        if (document.Attach()) {
            levels_.level = kMembersLevel;
            levels_.currentFile = document.FullPath();
        } else {
            levels_.level = kFilesLevel;
            if (ide::Ref<ide::Document> active = context_.environment->ActiveDocument())
                levels_.currentFile = active->FullName();
        }
    }
    if (levels_.Load() == BrowseLoad::Nothing) {
        end_ = BrowseEnd::Cancel;
        return false;
    }
    Refill();
    int focus = settings::kMissingInt;
    if (registry_ == nullptr ||
        !registry_->ReadInt(settings::kSectionOptions, kValueBrowseFocus, focus))
        focus = 1;
    focus_ = focus != 0 ? BrowseFocus::List : BrowseFocus::Filter;
    return true;
}

const std::string* BrowseDialog::SelectedData() const {
    return selected_ ? &Entries().data[listed_[*selected_]] : nullptr;
}

void BrowseDialog::Refill() {
    const BrowseEntries& entries = Entries();
    listed_ = rows_.Apply(entries, levels_.Loads(), filter_);
    switch (levels_.level) {
        case kProjectsLevel:
            selected_ = CurrentRow(entries, listed_, levels_.currentProject);
            break;
        case kFilesLevel:
            selected_ = CurrentRow(entries, listed_, levels_.currentFile);
            break;
        default:
            selected_ = MemberRow(entries, listed_, levels_.currentLine);
            break;
    }
    Describe();
}

void BrowseDialog::Describe() {
    std::string name;
    switch (levels_.level) {
        case kProjectsLevel:
            staticText_ = " Solution: " + editor::SplitPath(levels_.SolutionName()).baseName;
            title_ = kBrowseCaption;
            return;
        case kFilesLevel:
            name = editor::SplitPath(levels_.currentProject).baseName;
            staticText_ = " Project: " + name;
            break;
        default:
            name = FileTitle(levels_.currentFile);
            staticText_ = " File: " + name;
            break;
    }
    title_ = std::string(kBrowseCaption) + " - " + name;
}

void BrowseDialog::FilterEdited(std::string_view text) {
    // The view echoing what the model itself put there is no edit.
    if (text == filter_)
        return;
    filter_ = text;
    const std::string* shown = selected_ ? &RowText(*selected_) : nullptr;
    const std::string remembered = shown ? *shown : std::string();
    Refill();
    selected_ = RowWithText(Entries(), listed_, remembered);
}

void BrowseDialog::Select(BrowseRow row) {
    selected_ = row && *row < listed_.size() ? row : std::nullopt;
}

void BrowseDialog::GoDown() {
    if (levels_.level != kMembersLevel && selected_) {
        const std::string data = *SelectedData();
        if (levels_.level == kProjectsLevel) {
            levels_.currentProject = data;
            levels_.level = kFilesLevel;
        } else {
            levels_.currentFile = data;
            levels_.level = kMembersLevel;
        }
        filter_.clear();
        const BrowseLoad load = levels_.Load();
        Refill();
        if (load == BrowseLoad::Loaded)
            return;
    }
    if (!selected_ || levels_.level == kProjectsLevel)
        return;
    if (!OpenChoice())
        return;
    SaveFocus();
    end_ = BrowseEnd::Ok;
}

bool BrowseDialog::OpenChoice() {
    const std::string data = *SelectedData();
    if (levels_.level == kFilesLevel)
        levels_.currentFile = data;
    ide::Ref<ide::Documents> documents =
        context_.environment ? context_.environment->GetDocuments() : nullptr;
    if (!documents)
        return false;
    documents->Open(levels_.currentFile, "Auto", false);
    if (levels_.level != kMembersLevel)
        return true;
    const std::optional<long> line = ParseLine(data);
    if (line)
        levels_.currentLine = *line;
    editor::EditorDocument document(*context_.environment, context_.platform, context_.Kinds());
    if (!document.Attach())
        return false;
    // From the end, so the line comes to stand near the top of the view.
    document.Selection()->EndOfDocument(false);
    document.Selection()->GotoLine(levels_.currentLine, false);
    return true;
}

void BrowseDialog::GoUp() {
    if (const std::string* data = SelectedData()) {
        switch (levels_.level) {
            case kProjectsLevel:
                levels_.currentProject = *data;
                break;
            case kFilesLevel:
                levels_.currentFile = *data;
                break;
            default:
                levels_.currentLine = ParseLine(*data).value_or(levels_.currentLine);
                break;
        }
    }
    if (levels_.level == kProjectsLevel)
        return;
    levels_.level = levels_.level == kFilesLevel ? kProjectsLevel : kFilesLevel;
    levels_.Load();
    Refill();
}

void BrowseDialog::SaveFocus() {
    if (registry_ != nullptr) {
        registry_->WriteInt(settings::kSectionOptions, kValueBrowseFocus,
                            focus_ == BrowseFocus::Filter ? 0 : 1);
    }
}

void BrowseDialog::RestorePlacement(settings::RectWindow& window) {
    if (registry_ != nullptr)
        registry_->RestoreWindowRect(settings::kSectionWindows, kWindowBrowse, window, true);
}

void BrowseDialog::SavePlacement(const settings::RectWindow& window) {
    if (registry_ != nullptr)
        registry_->SaveWindowRect(settings::kSectionWindows, kWindowBrowse, window);
}

}  // namespace commands::navigate
