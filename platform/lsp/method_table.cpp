#include "lsp/code_actions.h"
#include "lsp/completion.h"
#include "lsp/definition.h"
#include "lsp/document_symbol.h"
#include "lsp/document_sync.h"
#include "lsp/server.h"
#include "lsp/step_commands.h"
#include "lsp/switch_source_header.h"
#include "lsp/workspace_symbol.h"

namespace lsp {

namespace {

constexpr MethodRow kMethods[] = {
    {"textDocument/didOpen", nullptr, DidOpen},
    {"textDocument/didChange", nullptr, DidChange},
    {"textDocument/didClose", nullptr, DidClose},
    {"textDocument/didSave", nullptr, DidSave},
    {"workspace/didChangeWatchedFiles", nullptr, DidSave},
    {"textDocument/switchSourceHeader", SwitchSourceHeader, nullptr},
    {"textDocument/definition", Definition, nullptr},
    {"textDocument/declaration", Definition, nullptr},
    {"textDocument/documentSymbol", DocumentSymbols, nullptr},
    {"textDocument/codeAction", CodeActions, nullptr},
    {"textDocument/completion", Completion, nullptr},
    {"workspace/executeCommand", ExecuteCommand, nullptr},
    {"workspace/symbol", WorkspaceSymbols, nullptr},
};

}  // namespace

std::span<const MethodRow> MethodTable() {
    return kMethods;
}

Json ServerCapabilities() {
    return {
        {"textDocumentSync",
         {{"openClose", true}, {"change", 2}, {"save", {{"includeText", false}}}}},
        {"definitionProvider", true},
        {"declarationProvider", true},
        {"documentSymbolProvider", true},
        {"workspaceSymbolProvider", true},
        {"codeActionProvider", {{"codeActionKinds", {"refactor", "refactor.rewrite"}}}},
        {"completionProvider", {{"resolveProvider", false}}},
        {"executeCommandProvider", {{"commands", {kStepUp, kStepDown}}}},
    };
}

}  // namespace lsp
