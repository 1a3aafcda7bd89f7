// FindAny walking every match from start to end: the time per byte should not grow with
// the size of the text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "analysis/text_cursor.h"

namespace {

// Plausible C++ with a class or struct every 200 bytes or so, commented-out ones included.
std::string GeneratedSource(std::size_t size) {
    static const char* const kLines[] = {
        "class Widget%d : public Base {\n",
        "    int value = Compute(first, second);  // keep in step with the header\n",
        "    if (value > limit) {\n",
        "        return Adjust(value - limit, options.scale);\n",
        "    }\n",
        "    for (int i = 0; i < count; ++i) total += items[i].weight;\n",
        "// struct Retired%d { int unused; };\n",
        "    const char* name = Lookup(table, \"widget\");\n",
        "    while (!queue.empty()) Process(queue.front(), flags);\n",
        "    }\n",
        "struct Record%d { char name[32]; long size; };\n",
        "    return Finish(total, name);\n",
    };
    std::string text;
    text.reserve(size + 128);
    for (int n = 0; text.size() < size; ++n) {
        const std::string line = kLines[n % std::size(kLines)];
        const std::size_t mark = line.find("%d");
        text += mark == std::string::npos
                    ? line
                    : line.substr(0, mark) + std::to_string(n) + line.substr(mark + 2);
    }
    text.resize(size);
    return text;
}

std::string ReadCorpus(const char* name) {
    std::ifstream in(std::string(ZENTREL_CORPUS_DIR "/") + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WalkMatches(benchmark::State& state, const std::string& text, bool skipCommentLines) {
    analysis::TextCursor cursor(text);
    int matches = 0;
    for (auto _ : state) {
        cursor.GotoStart();
        matches = 0;
        while (cursor.FindAny(1, skipCommentLines, {"class", "struct"}) >= 0) {
            ++matches;
            if (!cursor.Move(1)) {
                break;
            }
        }
        benchmark::DoNotOptimize(cursor.Line());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.counters["matches"] = matches;
    state.counters["lines"] = cursor.Line();
}

void BM_FindAnyForward(benchmark::State& state) {
    const std::string text = GeneratedSource(static_cast<std::size_t>(state.range(0)) << 20);
    WalkMatches(state, text, state.range(1) != 0);
}
BENCHMARK(BM_FindAnyForward)
    ->ArgNames({"MB", "skipComments"})
    ->ArgsProduct({{1, 8}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

void BM_FindAnyForwardSqlite(benchmark::State& state) {
    const std::string text = ReadCorpus("sqlite3.c");
    if (text.empty()) {
        state.SkipWithError("corpus file sqlite3.c missing");
        return;
    }
    WalkMatches(state, text, state.range(0) != 0);
}
BENCHMARK(BM_FindAnyForwardSqlite)
    ->ArgNames({"skipComments"})
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

// One bracket pair around the whole text: the match walks every byte, comments included.
// The generated text is cut at a size, which may leave a class and an if open (it does at
// 8 MB); it ends here after its last whole group of lines, where every brace is closed.
void BM_MatchBracket(benchmark::State& state) {
    std::string inner = GeneratedSource(static_cast<std::size_t>(state.range(0)) << 20);
    inner.resize(inner.rfind("    return Finish(total, name);\n"));
    const std::string text = "{" + inner + "\n}";
    analysis::TextCursor cursor(text);
    for (auto _ : state) {
        cursor.GotoStart();
        if (!cursor.MatchBracket() || cursor.Position() != cursor.Length() - 1)
            state.SkipWithError("the partner is not the last brace");
        benchmark::DoNotOptimize(cursor.Position());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_MatchBracket)->ArgName("MB")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);

// From the start to the last line: every line break in between is counted.
void BM_GotoLineColumn(benchmark::State& state) {
    const std::string text = GeneratedSource(static_cast<std::size_t>(state.range(0)) << 20);
    const int last = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    analysis::TextCursor cursor(text);
    for (auto _ : state) {
        cursor.GotoStart();
        benchmark::DoNotOptimize(cursor.GotoLineColumn(last, 0));
        benchmark::DoNotOptimize(cursor.Line());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_GotoLineColumn)->ArgName("MB")->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond);
