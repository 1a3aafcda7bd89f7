// textDocument/completion: every code template as a snippet, expanded by the server as the
// IDE would expand it at the position. What a template asks for becomes a placeholder, one per
// prompt (asks with the same prompt share it, as the parameter dialog merges them), holding
// the default or else the prompt; the caret place becomes $0.
#pragma once

#include "lsp/workspace.h"
#include "templates/template_expander.h"

namespace lsp {

// The expansion as snippet text: placeholders where answers go, `$`, `}` and `\` escaped,
// lines ended by LF.
std::string SnippetOf(const templates::Expansion& expansion);

Json Completion(Workspace& workspace, const Json& params);

}  // namespace lsp
