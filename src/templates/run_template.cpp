#include "templates/run_template.h"

#include "templates/ask_dialog.h"
#include "templates/document_variables.h"
#include "templates/template_lookup.h"
#include "templates/template_source.h"

namespace templates {

namespace {

bool AskForParameters(const commands::CommandContext& context, const std::string& name,
                      std::vector<ParameterRequest>& requests) {
    AskDialog dialog(name, requests, context.registry);
    if (context.environment != nullptr)
        context.environment->SetSuppressUI(true);
    const bool ok = context.platform.ShowAskDialog(dialog);
    if (context.environment != nullptr)
        context.environment->SetSuppressUI(false);
    return ok;
}

}  // namespace

void RunTemplate(editor::EditorDocument& document, const commands::CommandContext& context,
                 const std::string& text, const std::string& name) {
    const ide::Ref<ide::TextSelection>& selection = document.Selection();
    CaretPlace top;
    if (selection) {
        if (const std::optional<ide::Point> point = selection->TopPoint())
            top = {point->line, point->displayColumn};
    }

    DocumentVariables variables(document, context);
    const Expansion expansion = ExpandTemplate(text, variables);
    FilledText filled{expansion.text, expansion.caretOffset};
    if (!expansion.asks.empty()) {
        MergedRequests merged = MergeRequests(expansion.asks);
        if (!AskForParameters(context, name, merged.requests))
            return;
        filled = InsertAnswers(expansion, merged);
    }

    document.InsertText(filled.text);
    if (expansion.caretRequested && selection) {
        const CaretPlace caret = PlaceCaret(filled.text, filled.caretOffset, top);
        selection->MoveToDisplayColumn(caret.line, caret.column, false);
    }
}

bool RunTemplateCommand(const commands::CommandContext& context, const std::string& name) {
    if (context.templates == nullptr || context.environment == nullptr)
        return false;
    editor::EditorDocument document(*context.environment, context.platform, context.Kinds());
    bool isText = false;
    const bool attached = document.Attach(std::nullopt, &isText);
    const TemplateNode* node = FindByCommandName(context.templates->TemplateTree(), name);
    if (node == nullptr)
        return false;
    if (attached || isText) {
        const sys::WaitCursor wait(context.platform);
        RunTemplate(document, context, node->text, node->name);
    }
    return true;
}

}  // namespace templates
