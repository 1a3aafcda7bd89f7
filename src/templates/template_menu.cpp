#include "templates/template_menu.h"

#include <optional>

#include "editor/editor_document.h"
#include "templates/document_variables.h"
#include "templates/run_template.h"
#include "templates/template_expander.h"
#include "templates/template_lookup.h"
#include "templates/template_source.h"
#include "templates/template_walk.h"

namespace templates {

namespace {

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

ui::MenuItem TemplateItem(const TemplateNode& node, int number, VariableSource* preview,
                          bool enabled) {
    std::string label = node.name;
    if (node.preview && preview != nullptr) {
        std::string shown = PreviewLabel(ExpandTemplate(node.text, *preview).text);
        if (!shown.empty())
            label = std::move(shown);
    }
    if (HasKey(node))
        label += "\t" + Upper(node.key);
    ui::MenuItem item = ui::MenuItem::Command(number, std::move(label));
    item.enabled = enabled;
    return item;
}

}  // namespace

std::string PreviewLabel(std::string_view expanded) {
    expanded = expanded.substr(0, expanded.find_first_of("\r\n"));
    std::string label;
    for (char c : expanded) {
        if (c == '\t') {
            if (label.empty() || label.back() != ' ')
                label += ' ';
        } else if (c == '&') {
            label += "&&";
        } else {
            label += c;
        }
    }
    std::string_view trimmed = TrimBlanks(label);
    trimmed = TrimBlanks(trimmed.substr(0, kMaxPreviewLength));
    return std::string(trimmed);
}

std::vector<ui::MenuItem> BuildTemplateMenu(const TemplateList& list, VariableSource* preview,
                                            bool enabled) {
    // Open submenus on a stack of their own; groups past the depth bound open none.
    std::vector<std::vector<ui::MenuItem>> open(1);
    for (TemplateWalk walk(list); walk.Next();) {
        const TemplateNode& node = walk.Node();
        const bool ownMenu = walk.Depth() < kMaxMenuDepth;
        switch (walk.Kind()) {
            case TemplateWalk::Step::kEnterGroup:
                if (ownMenu)
                    open.emplace_back();
                break;
            case TemplateWalk::Step::kLeaveGroup:
                if (ownMenu) {
                    std::vector<ui::MenuItem> items = std::move(open.back());
                    open.pop_back();
                    if (!items.empty())
                        open.back().push_back(ui::MenuItem::Popup(node.name, std::move(items)));
                }
                break;
            case TemplateWalk::Step::kItem:
                if (IsSeparator(node))
                    open.back().push_back(ui::MenuItem::Separator());
                else
                    open.back().push_back(TemplateItem(node, walk.Number(), preview, enabled));
                break;
        }
    }
    return std::move(open.front());
}

ui::PopupMenu TemplateMenu(const TemplateList& list, VariableSource* preview, bool enabled) {
    ui::MenuItem heading = ui::MenuItem::Command(0, kMenuHeading);
    heading.enabled = false;
    std::vector<ui::MenuItem> items = {
        heading, ui::MenuItem::Separator(), ui::MenuItem::Command(kReloadItem, "&Reload"),
        ui::MenuItem::Command(kEditItem, "&Edit..."), ui::MenuItem::Separator()};
    const std::size_t first = items.size();
    for (ui::MenuItem& item : BuildTemplateMenu(list, preview, enabled))
        items.push_back(std::move(item));
    ui::PopupMenu menu(std::move(items));
    for (std::size_t i = first; i < menu.Items().size(); ++i) {
        const ui::MenuItem& item = menu.Items()[i];
        if (!item.separator && !item.IsPopup() && item.number == 1)
            menu.SetDefaultItem(i);
    }
    return menu;
}

void ShowTemplateMenu(const commands::CommandContext& context) {
    if (context.templates == nullptr)
        return;
    TemplateSource& source = *context.templates;
    std::optional<sys::WaitCursor> wait(std::in_place, context.platform);

    std::optional<editor::EditorDocument> document;
    std::optional<DocumentVariables> variables;
    bool enabled = false;
    if (context.environment != nullptr) {
        document.emplace(*context.environment, context.platform, context.Kinds());
        bool isText = false;
        enabled = document->Attach(std::nullopt, &isText) || isText;
        if (enabled)
            variables.emplace(*document, context);
    }
    const ui::PopupMenu menu =
        TemplateMenu(source.TemplateTree(), variables ? &*variables : nullptr, enabled);
    const int chosen = context.platform.TrackPopupMenu(menu);
    wait.reset();

    if (chosen == kReloadItem) {
        source.ReloadTemplates();
    } else if (chosen == kEditItem) {
        ide::Ref<ide::Documents> documents =
            context.environment != nullptr ? context.environment->GetDocuments() : nullptr;
        ide::Ref<ide::Document> opened =
            documents ? documents->Open(source.TemplateFile(), "Auto", false) : nullptr;
        if (opened)
            opened->SetLanguage("C/C++");
    } else if (chosen != 0 && enabled) {
        if (const TemplateNode* node = FindByIndex(source.TemplateTree(), chosen)) {
            const sys::WaitCursor running(context.platform);
            RunTemplate(*document, context, node->text, node->name);
        }
    }
}

}  // namespace templates
