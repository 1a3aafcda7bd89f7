// The language server's heaviest answers: symbols of a large file, a one-character change in
// it, and the symbols of a large tree, first and again.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "lsp/core_session.h"
#include "lsp/document_symbol.h"
#include "lsp/document_sync.h"
#include "lsp/uri.h"
#include "lsp/workspace.h"
#include "lsp/workspace_symbol.h"

namespace {

namespace fs = std::filesystem;
using lsp::Json;

const std::string kFile = ZENTREL_CORPUS_DIR "/sqlite3.c";

struct Fixture {
    std::ostringstream log;
    lsp::CoreSession core{std::make_unique<posix::FileProfileStore>(
                              fs::temp_directory_path() / "zentrel-lsp-bench.reg", log),
                          std::nullopt, log};
    lsp::Workspace workspace{core, log};

    Fixture() {
        std::ifstream in(kFile, std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(in), {}};
        lsp::DidOpen(
            workspace,
            {{"textDocument", {{"uri", lsp::PathToUri(kFile)}, {"version", 1}, {"text", text}}}});
    }
};

void BM_DocumentSymbol(benchmark::State& state) {
    Fixture fixture;
    const Json params = {{"textDocument", {{"uri", lsp::PathToUri(kFile)}}}};
    for (auto _ : state)
        benchmark::DoNotOptimize(lsp::DocumentSymbols(fixture.workspace, params));
}
BENCHMARK(BM_DocumentSymbol)->Unit(benchmark::kMillisecond);

void BM_DidChangeOneCharacter(benchmark::State& state) {
    Fixture fixture;
    int version = 1;
    for (auto _ : state) {
        const Json at = {{"line", 120000}, {"character", 0}};
        lsp::DidChange(
            fixture.workspace,
            {{"textDocument", {{"uri", lsp::PathToUri(kFile)}, {"version", ++version}}},
             {"contentChanges", {{{"range", {{"start", at}, {"end", at}}}, {"text", " "}}}}});
    }
}
BENCHMARK(BM_DidChangeOneCharacter)->Unit(benchmark::kMillisecond);

// A tree of small source files, made once.
fs::path GeneratedTree(int files) {
    const fs::path root =
        fs::temp_directory_path() / ("zentrel-lsp-bench-" + std::to_string(files));
    if (fs::exists(root / "done"))
        return root;
    for (int i = 0; i < files; ++i) {
        const fs::path dir = root / ("d" + std::to_string(i / 100));
        fs::create_directories(dir);
        std::ofstream out(dir / ("f" + std::to_string(i) + ".cpp"));
        out << "namespace n" << i << " {\nclass C" << i << " {\n};\nint F" << i
            << "(int a) {\n    return a;\n}\n}\nvoid C" << i << "::M() {\n}\n";
    }
    std::ofstream(root / "done") << "";
    return root;
}

void BM_WorkspaceSymbolFirst(benchmark::State& state) {
    const fs::path root = GeneratedTree(static_cast<int>(state.range(0)));
    const Json params = {{"query", "f1234"}};
    for (auto _ : state) {
        Fixture fixture;
        fixture.workspace.folders = {root.string()};
        benchmark::DoNotOptimize(lsp::WorkspaceSymbols(fixture.workspace, params));
    }
}
BENCHMARK(BM_WorkspaceSymbolFirst)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_WorkspaceSymbolAgain(benchmark::State& state) {
    const fs::path root = GeneratedTree(static_cast<int>(state.range(0)));
    const Json params = {{"query", "f1234"}};
    Fixture fixture;
    fixture.workspace.folders = {root.string()};
    lsp::WorkspaceSymbols(fixture.workspace, params);
    for (auto _ : state)
        benchmark::DoNotOptimize(lsp::WorkspaceSymbols(fixture.workspace, params));
}
BENCHMARK(BM_WorkspaceSymbolAgain)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
