#include "lsp/completion.h"

#include "editor/editor_document.h"
#include "lsp/document_command.h"
#include "templates/document_variables.h"
#include "templates/parameter_requests.h"
#include "templates/template_walk.h"

namespace lsp {

namespace {

constexpr char kMarkStart = '\x01';
constexpr char kMarkEnd = '\x02';
constexpr int kSnippetKind = 15;
constexpr int kSnippetFormat = 2;

void AppendEscaped(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '$' || c == '}' || c == '\\')
            out += '\\';
        if (c != '\r')
            out += c;
    }
}

// The menu text without its '&' accelerators ("&&" is a '&').
std::string Label(const std::string& name) {
    std::string label;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '&' && i + 1 < name.size())
            ++i;
        label += name[i];
    }
    return label;
}

}  // namespace

std::string SnippetOf(const templates::Expansion& expansion) {
    // The core puts the answers in place; each answer here is a mark naming its placeholder.
    templates::MergedRequests merged = templates::MergeRequests(expansion.asks);
    std::vector<std::string> placeholders;
    for (std::size_t i = 0; i < merged.requests.size(); ++i) {
        templates::ParameterRequest& request = merged.requests[i];
        std::string placeholder = "${" + std::to_string(i + 1) + ":";
        AppendEscaped(placeholder, request.value.empty() ? request.prompt : request.value);
        placeholders.push_back(placeholder + "}");
        request.value = kMarkStart + std::to_string(i) + kMarkEnd;
    }
    const templates::FilledText filled = templates::InsertAnswers(expansion, merged);
    std::string snippet;
    const std::string& text = filled.text;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (expansion.caretRequested && i == filled.caretOffset)
            snippet += "$0";
        if (i == text.size())
            break;
        // A mark is the start byte, a placeholder's index and the end byte; the same bytes
        // written in a template are only text.
        std::size_t end = i + 1;
        std::size_t index = 0;
        while (text[i] == kMarkStart && end < text.size() && end - i < 10 &&
               std::isdigit(static_cast<unsigned char>(text[end]))) {
            index = index * 10 + static_cast<std::size_t>(text[end++] - '0');
        }
        if (text[i] == kMarkStart && end > i + 1 && end < text.size() && text[end] == kMarkEnd) {
            if (index < placeholders.size()) {
                snippet += placeholders[index];
                i = end;
                continue;
            }
        }
        AppendEscaped(snippet, std::string_view(text).substr(i, 1));
    }
    return snippet;
}

Json Completion(Workspace& workspace, const Json& params) {
    const std::optional<Selection> at = SelectionAtPosition(workspace, params);
    Json items = Json::array();
    if (!at)
        return items;
    RunCommand(
        workspace, *at,
        [&](const commands::CommandContext& context) {
            editor::EditorDocument document(*context.environment, context.platform,
                                            context.Kinds());
            if (!document.Attach() || context.templates == nullptr)
                return;
            templates::DocumentVariables variables(document, context);
            for (templates::TemplateWalk walk(context.templates->TemplateTree()); walk.Next();) {
                const templates::TemplateNode& node = walk.Node();
                if (walk.Kind() != templates::TemplateWalk::Step::kItem ||
                    templates::IsSeparator(node))
                    continue;
                const std::string snippet =
                    SnippetOf(templates::ExpandTemplate(node.text, variables));
                char order[16];
                std::snprintf(order, sizeof order, "%08d", walk.Number());
                items.push_back({{"label", Label(node.name)},
                                 {"kind", kSnippetKind},
                                 {"sortText", order},
                                 {"insertTextFormat", kSnippetFormat},
                                 {"insertText", snippet}});
            }
        },
        false);
    return items;
}

}  // namespace lsp
