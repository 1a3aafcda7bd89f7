// textDocument/documentSymbol: the file member scanner's items as a tree. Namespaces hold the
// items inside them; functions defined as X::f are gathered under a class X of their own,
// since a source file shows them together.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lsp/workspace.h"

namespace lsp {

// One symbol, flat, as the scanner and the text tell it.
struct ScannedSymbol {
    std::string name;       // as scanned: X::f for a member function
    int kind = 0;           // the protocol's SymbolKind
    std::size_t start = 0;  // the start of the line the name is on
    std::size_t end = 0;    // after the closing brace of its body
    std::size_t nameStart = 0;
    std::size_t nameEnd = 0;
    Range range;           // start and end as positions
    Range selectionRange;  // the name
};

// In file order; a text after a NUL is not looked at, as the editor does not show it.
std::vector<ScannedSymbol> ScanSymbols(std::string_view text);

Json DocumentSymbols(Workspace& workspace, const Json& params);

}  // namespace lsp
