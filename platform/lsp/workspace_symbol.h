// workspace/symbol: the member scanner's items of every C/C++ file under the workspace
// folders, matched as the Browse filter matches (the query anywhere in the name, any letter
// case; with class names shown, X::f is matched whole). Each file's items are kept until its
// modification time or size changes; the first answer scans on two threads. At most 2,000
// symbols are given.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
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
    // Refresh, unless the last one ended less than a second ago: an editor asks again on every
    // key typed into the query, and looking at every file's status costs more than the answer.
    void RefreshIfOld(const std::vector<std::string>& folders,
                      const std::vector<std::string>& extensions, unsigned threads);
    // A file was saved or changed on disk: the next request looks at the tree, however soon.
    void MarkStale() { refreshed_.reset(); }

    struct Match {
        const std::string* path;
        const IndexedSymbol* symbol;
    };
    // At most `limit`, by path and in file order within each file.
    std::vector<Match> Find(std::string_view query, bool withClasses, std::size_t limit) const;

  private:
    struct File {
        std::int64_t modified = 0;
        std::uint64_t size = 0;
        std::vector<IndexedSymbol> symbols;
        unsigned seen = 0;  // the last refresh that found the file
    };
    std::unordered_map<std::string, File> files_;
    // The files by path, so answers come in the same order every time; made again when the
    // set of files changes.
    std::vector<const std::pair<const std::string, File>*> order_;
    unsigned refreshes_ = 0;
    std::optional<std::chrono::steady_clock::time_point> refreshed_;
};

// The items of one text, for the index.
std::vector<IndexedSymbol> IndexText(std::string_view text);

Json WorkspaceSymbols(Workspace& workspace, const Json& params);

}  // namespace lsp
