// What every handler works on: the open documents, the core and the workspace folders.
#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "lsp/core_session.h"
#include "lsp/document_store.h"
#include "lsp/json_rpc.h"

namespace lsp {

class SymbolIndex;

struct Workspace {
    Workspace(CoreSession& core, std::ostream& log) : core(core), log(log) {}

    CoreSession& core;
    std::ostream& log;
    DocumentStore documents;
    std::vector<std::string> folders;
    // Notifications for the client, sent after the answer being made.
    std::vector<Json> outgoing;
    // The workspace's symbols, made on the first workspace/symbol request.
    std::shared_ptr<SymbolIndex> symbols;

    TextLookup Texts() const {
        return [this](const std::string& path) { return documents.Text(path); };
    }
    // Tells the user what the core said, as the IDE's message boxes would.
    void ShowMessages(const std::vector<std::string>& messages);
};

// Reading parameters: each throws an InvalidParams RpcError naming what is wrong.
const Json& Member(const Json& object, const char* name);
std::string StringParam(const Json& object, const char* name);
// textDocument.uri as a path; nothing for a URI that names no file.
std::optional<std::string> DocumentPath(const Json& params);
Position PositionParam(const Json& position);
Range RangeParam(const Json& range);

Json ToJson(Position position);
Json ToJson(const Range& range);
Json LocationJson(const std::string& uri, const Range& range);

}  // namespace lsp
