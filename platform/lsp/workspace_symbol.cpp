#include "lsp/workspace_symbol.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <thread>

#include "commands/navigate/browse_entries.h"
#include "editor/extension_list.h"
#include "lsp/document_symbol.h"
#include "lsp/source_files.h"

namespace lsp {

namespace {

// A client asking with an empty query gets a list it can show.
constexpr std::size_t kMaxResults = 2000;

std::vector<IndexedSymbol> IndexFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    return IndexText(text);
}

// The part after the last "::".
std::string_view Tail(std::string_view name) {
    const std::size_t last = name.rfind("::");
    return last == std::string_view::npos ? name : name.substr(last + 2);
}

}  // namespace

std::vector<IndexedSymbol> IndexText(std::string_view text) {
    std::vector<ScannedSymbol> scanned = ScanSymbols(text);
    std::vector<IndexedSymbol> symbols;
    symbols.reserve(scanned.size());
    for (ScannedSymbol& symbol : scanned) {
        std::string lowered = commands::navigate::LowerCase(symbol.name);
        symbols.push_back({std::move(symbol.name), std::move(lowered), symbol.kind, symbol.range,
                           symbol.selectionRange});
    }
    return symbols;
}

void SymbolIndex::Refresh(const std::vector<std::string>& folders,
                          const std::vector<std::string>& extensions, unsigned threads) {
    const unsigned refresh = ++refreshes_;
    std::vector<std::pair<std::string, File>> stale;
    for (SourceFile& found : ListSourceFiles(folders, extensions)) {
        const auto known = files_.find(found.path);
        if (known != files_.end() && known->second.modified == found.modified &&
            known->second.size == found.size) {
            known->second.seen = refresh;
        } else {
            stale.emplace_back(std::move(found.path),
                               File{found.modified, found.size, {}, refresh});
        }
    }
    const std::size_t gone =
        std::erase_if(files_, [&](const auto& file) { return file.second.seen != refresh; });

    // Each thread takes every n-th file and fills only its own slots.
    const auto scan = [&](unsigned first, unsigned step) {
        for (std::size_t i = first; i < stale.size(); i += step) {
            try {
                stale[i].second.symbols = IndexFile(stale[i].first);
            } catch (const std::bad_alloc&) {
                stale[i].second.symbols.clear();
            }
        }
    };
    threads = std::max(1u, std::min<unsigned>(threads, static_cast<unsigned>(stale.size())));
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < threads; ++t)
        helpers.emplace_back(scan, t, threads);
    scan(0, threads);
    for (std::thread& helper : helpers)
        helper.join();
    for (auto& [path, file] : stale)
        files_[path] = std::move(file);
    if (gone > 0 || !stale.empty()) {
        order_.clear();
        for (const auto& file : files_)
            order_.push_back(&file);
        std::sort(order_.begin(), order_.end(),
                  [](const auto* a, const auto* b) { return a->first < b->first; });
    }
}

void SymbolIndex::RefreshIfOld(const std::vector<std::string>& folders,
                               const std::vector<std::string>& extensions, unsigned threads) {
    constexpr std::chrono::seconds kFresh{1};
    if (refreshed_ && std::chrono::steady_clock::now() - *refreshed_ < kFresh)
        return;
    Refresh(folders, extensions, threads);
    refreshed_ = std::chrono::steady_clock::now();
}

std::vector<SymbolIndex::Match> SymbolIndex::Find(std::string_view query, bool withClasses,
                                                  std::size_t limit) const {
    const std::string wanted = commands::navigate::LowerCase(query);
    std::vector<Match> matches;
    for (const auto* entry : order_) {
        const auto& [path, file] = *entry;
        for (const IndexedSymbol& symbol : file.symbols) {
            const std::string_view name =
                withClasses ? std::string_view(symbol.lowered) : Tail(symbol.lowered);
            if (name.find(wanted) == std::string_view::npos)
                continue;
            if (matches.size() == limit)
                return matches;
            matches.push_back({&path, &symbol});
        }
    }
    return matches;
}

Json WorkspaceSymbols(Workspace& workspace, const Json& params) {
    const std::string query = StringParam(params, "query");
    if (!workspace.symbols)
        workspace.symbols = std::make_shared<SymbolIndex>();
    const settings::Settings& settings = workspace.core.Settings();
    std::vector<std::string> extensions = settings.sourceExtensions;
    extensions.insert(extensions.end(), settings.headerExtensions.begin(),
                      settings.headerExtensions.end());
    workspace.symbols->RefreshIfOld(workspace.folders, extensions, 2);
    Json result = Json::array();
    const bool withClasses = settings.browseShowsClasses != 0;
    for (const SymbolIndex::Match& match :
         workspace.symbols->Find(query, withClasses, kMaxResults)) {
        const std::string& name = match.symbol->name;
        const std::size_t last = name.rfind("::");
        Json symbol = {
            {"name", withClasses ? name : std::string(Tail(name))},
            {"kind", match.symbol->kind},
            {"location", LocationJson(workspace.documents.Uri(*match.path), match.symbol->range)}};
        if (last != std::string::npos && last > 0)
            symbol["containerName"] = name.substr(0, last);
        result.push_back(std::move(symbol));
    }
    return result;
}

}  // namespace lsp
