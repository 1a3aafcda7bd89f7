// The workbench's regular-expression find over the longest stretch of ts-c-parser.c that holds
// no line Step stops at, beside one memchr pass (a line count) over the same bytes, in both
// directions: Step Down and Step Up each search across it once.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "editor/ide.h"
#include "workbench/find_pattern.h"
#include "workbench/find_program.h"
#include "workbench/find_vm.h"
#include "workbench/regex_matcher.h"

namespace {

constexpr const char* kBodyStart = "(\\n\\{)|(\\n[a-zA-Z#])|(\\n/\\*)";

struct Gap {
    std::string text;
    std::size_t begin = 0;  // just past one match
    std::size_t end = 0;    // the start of the next one
    std::unique_ptr<workbench::Matcher> matcher;
};

const Gap& LongestGap() {
    static const Gap gap = [] {
        Gap g;
        std::ifstream in(ZENTREL_CORPUS_DIR "/ts-c-parser.c", std::ios::binary);
        g.text.assign(std::istreambuf_iterator<char>(in), {});
        g.matcher = workbench::MakeRegexMatcher(kBodyStart, ide::kFindRegExpr);
        std::size_t at = 0;
        while (auto match = g.matcher->Next(g.text, at)) {
            if (match->begin - at > g.end - g.begin) {
                g.begin = at;
                g.end = match->begin;
            }
            at = match->end;
        }
        return g;
    }();
    return gap;
}

std::size_t CountLines(const char* at, const char* end) {
    std::size_t lines = 0;
    while (const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at))) {
        at = static_cast<const char*>(found) + 1;
        ++lines;
    }
    return lines;
}

template <class Work>
void OverGap(benchmark::State& state, Work work) {
    const Gap& gap = LongestGap();
    if (gap.end == gap.begin) {
        state.SkipWithError("corpus file ts-c-parser.c missing");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(work(gap));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(gap.end - gap.begin));
    state.counters["gap_bytes"] = static_cast<double>(gap.end - gap.begin);
}

void BM_FindTextStepDown(benchmark::State& state) {
    OverGap(state, [](const Gap& gap) { return gap.matcher->Next(gap.text, gap.begin)->begin; });
}
BENCHMARK(BM_FindTextStepDown)->Unit(benchmark::kMillisecond);

void BM_FindTextStepUp(benchmark::State& state) {
    // From just in front of the next match, back to the end of the one before.
    OverGap(state,
            [](const Gap& gap) { return gap.matcher->Previous(gap.text, gap.end + 1)->end; });
}
BENCHMARK(BM_FindTextStepUp)->Unit(benchmark::kMillisecond);

// The machine started at every position, as the search ran before it learnt to skip: the
// figure the skip is measured against in docs/performance.md.
void BM_FindTextStepDownUnskipped(benchmark::State& state) {
    static const workbench::FindProgram program = [] {
        workbench::FindProgram compiled =
            workbench::CompileFindPattern(*workbench::ParseFindPattern(kBodyStart, true), false);
        compiled.first.set();
        compiled.begins.set();
        return compiled;
    }();
    OverGap(state, [](const Gap& gap) {
        return workbench::RunFindForward(program, gap.text, gap.begin)->begin;
    });
}
BENCHMARK(BM_FindTextStepDownUnskipped)->Unit(benchmark::kMillisecond);

void BM_MemchrGap(benchmark::State& state) {
    OverGap(state, [](const Gap& gap) {
        return CountLines(gap.text.data() + gap.begin, gap.text.data() + gap.end);
    });
}
BENCHMARK(BM_MemchrGap)->Unit(benchmark::kMillisecond);

}  // namespace
