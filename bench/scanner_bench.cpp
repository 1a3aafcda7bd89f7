// The member scanner beside one memchr pass over the same text (a line count, as a reader of
// lines makes it), in the same run; counter x_memchr is the ratio. Generated texts that
// defeat a naive reading back show that the time per byte stays flat as the size grows.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "analysis/file_member_scanner.h"

namespace {

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

std::size_t CountLines(const std::string& text) {
    std::size_t lines = 0;
    const char* at = text.data();
    const char* const end = at + text.size();
    while (const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
        at = static_cast<const char*>(found) + 1;
        ++lines;
    }
    return lines;
}

// The fastest of a few passes: the baseline the scanner is measured against.
double MemchrSeconds(const std::string& text) {
    double best = 1e9;
    for (int i = 0; i < 20; ++i) {
        const double start = CpuSeconds();
        benchmark::DoNotOptimize(CountLines(text));
        best = std::min(best, CpuSeconds() - start);
    }
    return best;
}

void Measure(benchmark::State& state, const std::string& text) {
    if (text.empty()) {
        state.SkipWithError("no text");
        return;
    }
    const double memchr = MemchrSeconds(text);
    double best = 1e9;
    std::size_t entries = 0;
    for (auto _ : state) {
        std::vector<std::string> names;
        std::vector<std::uint32_t> lines;
        const double start = CpuSeconds();
        analysis::ScanFileMembers(text, false, names, lines);
        best = std::min(best, CpuSeconds() - start);
        entries = names.size();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.counters["entries"] = static_cast<double>(entries);
    state.counters["x_memchr"] = best / memchr;
}

std::string Corpus(const char* name) {
    std::ifstream in(std::string(ZENTREL_CORPUS_DIR) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void BM_ScanCorpus(benchmark::State& state, const char* name) {
    static std::string text;
    static std::string loaded;
    if (loaded != name) {
        text = Corpus(name);
        loaded = name;
    }
    Measure(state, text);
}
BENCHMARK_CAPTURE(BM_ScanCorpus, sqlite3_c, "sqlite3.c")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScanCorpus, vulkan_structs_hpp, "vulkan_structs.hpp")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScanCorpus, mingw_mshtmlc_h, "mingw-mshtmlc.h")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScanCorpus, ts_c_parser_c, "ts-c-parser.c")->Unit(benchmark::kMillisecond);

// The baseline on its own, for medians taken the same way as the scanner's.
void BM_MemchrCorpus(benchmark::State& state, const char* name) {
    const std::string text = Corpus(name);
    if (text.empty()) {
        state.SkipWithError("corpus file missing");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(CountLines(text));
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK_CAPTURE(BM_MemchrCorpus, sqlite3_c, "sqlite3.c")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MemchrCorpus, vulkan_structs_hpp, "vulkan_structs.hpp")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MemchrCorpus, mingw_mshtmlc_h, "mingw-mshtmlc.h")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_MemchrCorpus, ts_c_parser_c, "ts-c-parser.c")->Unit(benchmark::kMillisecond);

// Lines repeated to `megabytes`: each shape makes every brace read back over everything
// before it, or match to the end of the text, unless the scanner bounds both.
std::string Repeated(const char* line, long megabytes) {
    std::string text;
    const std::size_t size = static_cast<std::size_t>(megabytes) << 20;
    while (text.size() < size)
        text += line;
    return text;
}

void BM_ScanShape(benchmark::State& state, const char* line) {
    Measure(state, Repeated(line, state.range(0)));
}
BENCHMARK_CAPTURE(BM_ScanShape, unclosed_braces, "x\n{\n")
    ->Arg(1)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScanShape, unnamed_blocks, "x {\n")
    ->Arg(1)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScanShape, lone_greater, "a > b {\n")
    ->Arg(1)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScanShape, closing_parens, ") : x) {\n")
    ->Arg(1)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScanShape, same_line, "int f() {\r}\r")
    ->Arg(1)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ScanShape, comments, "/* { */ // {\nf(\"{\");\n")
    ->Arg(1)
    ->Arg(8)
    ->Unit(benchmark::kMillisecond);

}  // namespace
