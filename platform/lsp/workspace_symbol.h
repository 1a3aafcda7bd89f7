// workspace/symbol: the member scanner's items of every C/C++ file under the workspace
// folders, matched as the Browse filter matches (the query anywhere in the name, any letter
// case; with class names shown, X::f is matched whole). Each file's items are kept until its
// modification time or size changes; the first answer scans on two threads.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/workspace.h"

namespace lsp {

struct IndexedSymbol {
    std::string name;     // as scanned: X::f for a member function
    std::string lowered;  // the name in lower case, for matching
    int kind = 0;
    Range range;
    Range selectionRange;
};

class SymbolIndex {
  public:
    // New and changed files scanned, removed ones dropped. Directories whose name starts with
    // a dot are not entered, nor are symbolic links followed.
    void Refresh(const std::vector<std::string>& folders,
                 const std::vector<std::string>& extensions, unsigned threads);

    struct Match {
        const std::string* path;
        const IndexedSymbol* symbol;
    };
    // At most `limit`, by path and then in file order.
    std::vector<Match> Find(std::string_view query, bool withClasses, std::size_t limit) const;

  private:
    struct File {
        std::filesystem::file_time_type time;
        std::uintmax_t size = 0;
        std::vector<IndexedSymbol> symbols;
    };
    std::map<std::string, File> files_;
};

// The items of one text, for the index.
std::vector<IndexedSymbol> IndexText(std::string_view text);

Json WorkspaceSymbols(Workspace& workspace, const Json& params);

}  // namespace lsp
