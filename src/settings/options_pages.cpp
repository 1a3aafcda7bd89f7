#include "settings/options_pages.h"

#include "editor/extension_list.h"
#include "settings/list_text.h"

namespace settings {

namespace {

using enum ControlKind;

constexpr ControlDef kSetup[] = {
    {-1, GroupBox, "Zentrel Setup", 7, 7, 218, 51},
    {COptionsPageSetup::kResetButton, PushButton, "&Reset Zentrel", 15, 22, 76, 14},
    {-1, Static, "Use this button if you want to reset Zentrel commands and keyboard shortcuts.",
     96, 22, 120, 27},
};

constexpr ControlDef kFileSwitch[] = {
    {-1, GroupBox, "File Extensions", 7, 7, 218, 47},
    {-1, Label, "&Source Files:", 16, 19, 42, 12},
    {COptionsPageFileSwitch::kSourceFiles, Edit, "", 65, 19, 150, 12, "Source Files"},
    {-1, Label, "&Header Files:", 16, 35, 42, 12},
    {COptionsPageFileSwitch::kHeaderFiles, Edit, "", 65, 35, 150, 12, "Header Files"},
    {-1, GroupBox, "&Directories", 7, 56, 218, 70},
    {-1, Static,
     "Look in these additional sub-directories if the searched file cannot be found. For "
     "example: \"..\\source\\, ..\\headers\\\"       You can also use environmental variables in "
     "the format \"$$(source)\".",
     16, 70, 199, 34},
    {COptionsPageFileSwitch::kDirectories, Edit, "", 16, 107, 199, 12, "Directories"},
};

constexpr ControlDef kCodeTemplates[] = {
    {-1, GroupBox, "Variables", 7, 7, 218, 30},
    {-1, Label, "&Author:", 15, 19, 24, 12},
    {COptionsPageCodeTemplates::kAuthor, Edit, "", 48, 18, 168, 12, "Author"},
};

constexpr const char* kBookmarks = "Add &Breakpoints command also adds bookmarks";
constexpr const char* kDefaults = "Member Paste pastes &default parameters to source files";
constexpr const char* kPrefixes = "Member Paste pastes &prefixes to source files";
constexpr const char* kComment = "Member Paste adds &comment line to functions";
constexpr const char* kSpace = "Member Paste &adds spaces between parameters";
constexpr const char* kClasses = "Browse shows class names before &members";

constexpr ControlDef kOther[] = {
    {-1, GroupBox, "Miscellaneous", 7, 7, 218, 90},
    {COptionsPageOther::kAddBookmarks, CheckBox, kBookmarks, 15, 20, 200, 10, kBookmarks},
    {COptionsPageOther::kPasteDefaultParameters, CheckBox, kDefaults, 15, 33, 200, 10, kDefaults},
    {COptionsPageOther::kPastePrefixes, CheckBox, kPrefixes, 15, 46, 200, 10, kPrefixes},
    {COptionsPageOther::kPasteComment, CheckBox, kComment, 15, 59, 200, 10, kComment},
    {COptionsPageOther::kPasteSpace, CheckBox, kSpace, 15, 72, 200, 10, kSpace},
    {COptionsPageOther::kBrowseShowsClasses, CheckBox, kClasses, 15, 85, 200, 10, kClasses},
    {-1, GroupBox, "Commentize uses", 7, 100, 218, 51},
    {COptionsPageOther::kCommentizeStyle, RadioButton, "C++ &style comments //", 15, 113, 200, 10,
     "Commentize uses"},
    {204, RadioButton, "C style comments /*", 15, 126, 200, 10},
    {205, RadioButton, "Pre-processor commands #if 0", 15, 139, 200, 10},
};

constexpr PageDef kSetupPage{221, 33021, "Setup", 232, 65, kSetup};
constexpr PageDef kFileSwitchPage{213, 32781, "Friend File", 232, 134, kFileSwitch};
constexpr PageDef kCodeTemplatesPage{212, 33020, "Code Templates", 232, 44, kCodeTemplates};
constexpr PageDef kOtherPage{215, 33026, "Misc", 232, 158, kOther};

// The radio buttons of the group that starts at `first`, in order.
std::span<const ControlDef> RadioGroup(const PageDef& page, const ControlDef& first) {
    const ControlDef* begin = &first;
    const ControlDef* end = begin;
    while (end != page.controls.data() + page.controls.size() && end->kind == RadioButton &&
           (end == begin || end->name == nullptr))
        ++end;
    return {begin, end};
}

}  // namespace

std::string ShownText(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;  // "&&" shows one '&'
        shown += text[i];
    }
    return shown;
}

std::string COptionsPage::Text(int id) const {
    const auto found = texts_.find(id);
    return found == texts_.end() ? std::string() : found->second;
}

int COptionsPage::State(int id) const {
    const auto found = states_.find(id);
    return found == states_.end() ? 0 : found->second;
}

const ControlDef* COptionsPage::ValueControl(std::string_view name) const {
    for (const ControlDef& control : Def().controls) {
        if (control.name != nullptr && editor::EqualsIgnoreCase(ShownText(control.name), name))
            return &control;
    }
    return nullptr;
}

bool COptionsPage::SetValue(const ControlDef& control, std::string_view value) {
    switch (control.kind) {
        case Edit:
            SetText(control.id, std::string(value));
            return true;
        case CheckBox:
            if (value != "0" && value != "1")
                return false;
            SetState(control.id, value == "1");
            return true;
        case RadioButton: {
            const std::span<const ControlDef> group = RadioGroup(Def(), control);
            for (std::size_t i = 0; i < group.size(); ++i) {
                if (value == std::to_string(i) ||
                    editor::EqualsIgnoreCase(value, ShownText(group[i].text))) {
                    SetState(control.id, static_cast<int>(i));
                    return true;
                }
            }
            return false;
        }
        default:
            return false;
    }
}

const PageDef& COptionsPageSetup::Def() const {
    return kSetupPage;
}

const PageDef& COptionsPageFileSwitch::Def() const {
    return kFileSwitchPage;
}

void COptionsPageFileSwitch::OnInitDialog(const Settings& settings) {
    SetText(kSourceFiles, JoinList(settings.sourceExtensions, ","));
    SetText(kHeaderFiles, JoinList(settings.headerExtensions, ","));
    SetText(kDirectories, JoinList(settings.friendFileDirectories, ", "));
}

void COptionsPageFileSwitch::OnApply(Settings& settings) const {
    settings.sourceExtensions = ParseList(Text(kSourceFiles), false, style_);
    settings.headerExtensions = ParseList(Text(kHeaderFiles), false, style_);
    settings.friendFileDirectories = ParseList(Text(kDirectories), true, style_);
}

const PageDef& COptionsPageCodeTemplates::Def() const {
    return kCodeTemplatesPage;
}

void COptionsPageCodeTemplates::OnInitDialog(const Settings& settings) {
    SetText(kAuthor, settings.templateAuthor);
}

void COptionsPageCodeTemplates::OnApply(Settings& settings) const {
    settings.templateAuthor = Text(kAuthor);
}

const PageDef& COptionsPageOther::Def() const {
    return kOtherPage;
}

void COptionsPageOther::OnInitDialog(const Settings& settings) {
    SetState(kAddBookmarks, settings.addBookmarks != 0);
    SetState(kPasteDefaultParameters, settings.pasteDefaultParameters != 0);
    SetState(kPastePrefixes, settings.pastePrefixes != 0);
    SetState(kPasteComment, settings.pasteComment != 0);
    SetState(kPasteSpace, settings.pasteSpace != 0);
    SetState(kBrowseShowsClasses, settings.browseShowsClasses != 0);
    // A style the profile holds outside the three shows no button chosen.
    const int style = settings.commentizeStyle;
    SetState(kCommentizeStyle, style >= 0 && style <= 2 ? style : -1);
}

void COptionsPageOther::OnApply(Settings& settings) const {
    settings.addBookmarks = State(kAddBookmarks);
    settings.pasteDefaultParameters = State(kPasteDefaultParameters);
    settings.pastePrefixes = State(kPastePrefixes);
    settings.pasteComment = State(kPasteComment);
    settings.pasteSpace = State(kPasteSpace);
    settings.browseShowsClasses = State(kBrowseShowsClasses);
    // With no button chosen the style stays what it was, rather than becoming -1.
    if (const int style = State(kCommentizeStyle); style >= 0)
        settings.commentizeStyle = style;
}

}  // namespace settings
