// Commenting and reversing whole files' worth of lines: twice the lines should take twice
// the time, whatever the line ends.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "commands/edit/reverse_text.h"
#include "commands/edit/toggle_comment.h"

namespace {

// The first `lines` lines of the corpus source, taken again from its start when it runs out.
std::string CorpusLines(std::size_t lines) {
    std::ifstream in(ZENTREL_CORPUS_DIR "/sqlite3.c", std::ios::binary);
    const std::string corpus(std::istreambuf_iterator<char>(in), {});
    std::string text;
    if (corpus.empty())
        return text;
    for (std::size_t at = 0, count = 0; count < lines; ++count) {
        std::size_t end = corpus.find('\n', at);
        if (end == std::string::npos) {
            at = 0;
            end = corpus.find('\n');
        }
        text.append(corpus, at, end + 1 - at);
        at = end + 1;
    }
    return text;
}

template <class Work>
void OverLines(benchmark::State& state, Work work) {
    const std::string text = CorpusLines(static_cast<std::size_t>(state.range(0)));
    if (text.empty()) {
        state.SkipWithError("corpus file sqlite3.c missing");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(work(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}

void BM_ToggleComment(benchmark::State& state) {
    const auto style = commands::edit::CommentStyleFromNumber(static_cast<int>(state.range(1)));
    OverLines(state, [style](const std::string& text) {
        return commands::edit::ToggleComment(text, style).text.size();
    });
}
BENCHMARK(BM_ToggleComment)
    ->ArgNames({"lines", "style"})
    ->ArgsProduct({{50000, 100000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

void BM_ReverseText(benchmark::State& state) {
    OverLines(state,
              [](const std::string& text) { return commands::edit::ReverseText(text).size(); });
}
BENCHMARK(BM_ReverseText)->ArgName("lines")->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
