#include "lsp/document_sync.h"

#include <ostream>

#include "lsp/workspace_symbol.h"

namespace lsp {

namespace {

std::int64_t Version(const Json& document) {
    const auto version = document.find("version");
    return version != document.end() && version->is_number_integer() ? version->get<std::int64_t>()
                                                                     : 0;
}

}  // namespace

void DidOpen(Workspace& workspace, const Json& params) {
    std::optional<std::string> path = DocumentPath(params);
    if (!path)
        return;
    // The server hands over a message it owns and no longer reads.
    Json& document = const_cast<Json&>(Member(params, "textDocument"));
    Json& text = const_cast<Json&>(Member(document, "text"));
    if (!text.is_string())
        throw RpcError{error_code::kInvalidParams, "text must be a string"};
    // The text can be megabytes: moved, not copied.
    workspace.documents.Open(*path, {StringParam(document, "uri"),
                                     std::move(text.get_ref<std::string&>()), Version(document)});
}

void DidChange(Workspace& workspace, const Json& params) {
    std::optional<std::string> path = DocumentPath(params);
    if (!path)
        return;
    const Json& changes = Member(params, "contentChanges");
    if (!changes.is_array())
        throw RpcError{error_code::kInvalidParams, "contentChanges must be an array"};
    // Every change is read before any applies, so a bad one leaves the text as it was.
    std::vector<TextChange> read;
    for (const Json& change : changes) {
        TextChange next;
        next.text = StringParam(change, "text");
        if (change.contains("range"))
            next.range = RangeParam(change["range"]);
        read.push_back(std::move(next));
    }
    if (!workspace.documents.Change(*path, Version(Member(params, "textDocument")),
                                    std::move(read))) {
        workspace.log << "zentrel lsp: a change to " << *path << ", which is not open\n";
    }
}

void DidClose(Workspace& workspace, const Json& params) {
    if (std::optional<std::string> path = DocumentPath(params))
        workspace.documents.Close(*path);
}

void DidSave(Workspace& workspace, const Json&) {
    if (workspace.symbols)
        workspace.symbols->MarkStale();
}

}  // namespace lsp
