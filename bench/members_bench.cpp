// Reading members: the time per byte should not grow with the size of the text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <climits>
#include <fstream>
#include <iterator>
#include <string>

#include "analysis/class_scope.h"
#include "analysis/collect_members.h"

namespace {

// One class holding declarations, inline bodies and comments, `megabytes` long.
std::string GeneratedClass(long megabytes) {
    static const char* const kLines[] = {
        "    virtual HRESULT STDMETHODCALLTYPE Method%d(int a, long b = 0) = 0;\n",
        "    // int Retired%d(int unused);\n",
        "    void Inline%d() { if (x) { y(); } }\n",
        "    static const char* s_name%d[4];\n",
        "protected:\n",
        "    std::map<int, std::string> m_table%d;\n",
    };
    std::string text = "class CBig : public Base<CBig> {\npublic:\n";
    for (int n = 0; text.size() < static_cast<std::size_t>(megabytes) << 20; ++n) {
        std::string line = kLines[n % std::size(kLines)];
        if (const std::size_t mark = line.find("%d"); mark != std::string::npos)
            line.replace(mark, 2, std::to_string(n));
        text += line;
    }
    return text + "    int m_last;\n};\n";
}

void BM_CollectMembers(benchmark::State& state) {
    const std::string text = GeneratedClass(state.range(0));
    std::size_t count = 0;
    for (auto _ : state) {
        analysis::MemberList members;
        analysis::CollectMembers(false, text, "CBig", "public", 2, INT_MAX, false, members);
        count = members.size();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.counters["members"] = static_cast<double>(count);
}
BENCHMARK(BM_CollectMembers)->ArgName("MB")->Arg(1)->Arg(2)->Arg(8)->Unit(benchmark::kMillisecond);

// The scope of the last member: the walk back passes every line of the class.
void BM_FindClassScope(benchmark::State& state) {
    const std::string text = GeneratedClass(state.range(0));
    const int line = static_cast<int>(std::count(text.begin(), text.end(), '\n')) - 2;
    for (auto _ : state) {
        std::string className;
        std::string access;
        benchmark::DoNotOptimize(analysis::FindClassScope(text, line, className, access));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_FindClassScope)->ArgName("MB")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

// A real header, and the same header twice over: the scope of every 100th line, as the
// member commands ask it line by line, should cost twice as much for twice the text.
void BM_FindClassScopeEvery100(benchmark::State& state) {
    std::ifstream in(ZENTREL_CORPUS_DIR "/mingw-mshtmlc.h", std::ios::binary);
    const std::string header(std::istreambuf_iterator<char>(in), {});
    if (header.empty()) {
        state.SkipWithError("corpus file mingw-mshtmlc.h missing");
        return;
    }
    std::string text;
    for (long copy = 0; copy < state.range(0); ++copy)
        text += header;
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    int found = 0;
    for (auto _ : state) {
        found = 0;
        for (int line = 0; line < lines; line += 100) {
            std::string className;
            std::string access;
            found += analysis::FindClassScope(text, line, className, access) ? 1 : 0;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.counters["in_class"] = found;
}
BENCHMARK(BM_FindClassScopeEvery100)
    ->ArgName("copies")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);

}  // namespace
