#include "lsp/workspace_symbol.h"

#include <fstream>
#include <iterator>
#include <set>
#include <thread>

#include "commands/navigate/browse_entries.h"
#include "editor/extension_list.h"
#include "editor/split_path.h"
#include "lsp/document_symbol.h"

namespace lsp {

namespace {

namespace fs = std::filesystem;

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
    const std::vector<ScannedSymbol> scanned = ScanSymbols(text);
    const LineIndex lines(text);
    std::vector<IndexedSymbol> symbols;
    symbols.reserve(scanned.size());
    for (const ScannedSymbol& symbol : scanned) {
        symbols.push_back({symbol.name,
                           commands::navigate::LowerCase(symbol.name),
                           symbol.kind,
                           {lines.At(symbol.start), lines.At(symbol.end)},
                           {lines.At(symbol.nameStart), lines.At(symbol.nameEnd)}});
    }
    return symbols;
}

void SymbolIndex::Refresh(const std::vector<std::string>& folders,
                          const std::vector<std::string>& extensions, unsigned threads) {
    std::set<std::string> present;
    std::vector<std::pair<std::string, File>> stale;
    for (const std::string& folder : folders) {
        std::error_code error;
        fs::recursive_directory_iterator walk(folder, fs::directory_options::skip_permission_denied,
                                              error);
        for (; !error && walk != fs::recursive_directory_iterator(); walk.increment(error)) {
            const fs::directory_entry& entry = *walk;
            const std::string name = entry.path().filename().string();
            std::error_code ignored;
            if (entry.is_directory(ignored)) {
                if (name.starts_with('.'))
                    walk.disable_recursion_pending();
                continue;
            }
            if (!entry.is_regular_file(ignored) || entry.is_symlink(ignored))
                continue;
            const std::string path = entry.path().lexically_normal().string();
            if (!editor::MatchesExtensionList(editor::SplitPath(path).extension, extensions) ||
                !present.insert(path).second)
                continue;
            File file{entry.last_write_time(ignored), entry.file_size(ignored), {}};
            const auto known = files_.find(path);
            if (known == files_.end() || known->second.time != file.time ||
                known->second.size != file.size)
                stale.emplace_back(path, std::move(file));
        }
    }
    std::erase_if(files_, [&](const auto& file) { return !present.contains(file.first); });

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
}

std::vector<SymbolIndex::Match> SymbolIndex::Find(std::string_view query, bool withClasses,
                                                  std::size_t limit) const {
    const std::string wanted = commands::navigate::LowerCase(query);
    std::vector<Match> matches;
    for (const auto& [path, file] : files_) {
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
    workspace.symbols->Refresh(workspace.folders, extensions, 2);
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
