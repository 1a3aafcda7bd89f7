// Browse at the file level over a solution of 100,000 files: the keys of the filter, typed and
// taken back one by one. items_per_second counts keys, so its inverse is the time of one key.
// bench/compare names its generated tree in ZENTREL_BENCH_SOLUTION; without it the solution
// is made in memory.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "commands/navigate/browse_dialog.h"
#include "posix/answer_queue.h"
#include "posix/terminal_platform.h"
#include "settings/memory_profile_store.h"
#include "workbench/workbench.h"

namespace {

struct BrowseSetup {
    posix::AnswerQueue answers{std::vector<std::string>{}};
    std::ostringstream errors;
    std::istringstream input;
    posix::TerminalPlatform platform{answers, errors, input, false};
    settings::Settings settings;
    settings::MemoryProfileStore profile;
    settings::CRegistry registry{profile};
    workbench::Workbench bench;
    commands::CommandContext context{&bench, platform, settings, nullptr, &registry};
    std::unique_ptr<commands::navigate::BrowseDialog> dialog;
    std::string error;

    BrowseSetup() {
        if (const char* tree = std::getenv("ZENTREL_BENCH_SOLUTION")) {
            if (!bench.LoadSolutionDirectory(tree, error))
                return;
        } else {
            auto project = bench.NewSolution("/bench/all.sln")->AddProject("all", "/bench/all");
            for (int n = 0; n < 100000; ++n) {
                project->Items().AddFile("/bench/d" + std::to_string(n / 500) + "/f" +
                                         std::to_string(n % 500) + "_" + std::to_string(n) +
                                         ".cpp");
            }
        }
        // No document is active, so the dialog opens on the files of the first project.
        dialog = std::make_unique<commands::navigate::BrowseDialog>(context, nullptr);
        if (!dialog->Open())
            error = "the dialog did not open";
    }
};

// A name typed key by key and taken back with Backspace.
const std::vector<std::string> kTypeAndErase = {"f",    "f1",  "f12", "f12_", "f12_3",
                                                "f12_", "f12", "f1",  "f",    ""};

void Keys(benchmark::State& state, const std::vector<std::string>& filters) {
    BrowseSetup setup;
    if (!setup.error.empty()) {
        state.SkipWithError(setup.error.c_str());
        return;
    }
    std::size_t rows = 0;
    for (auto _ : state) {
        for (const std::string& filter : filters) {
            setup.dialog->FilterEdited(filter);
            rows += setup.dialog->RowCount();
        }
    }
    benchmark::DoNotOptimize(rows);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * filters.size()));
    setup.dialog->FilterEdited("");
    state.counters["files"] = static_cast<double>(setup.dialog->RowCount());
}

void BM_BrowseTypeAndErase(benchmark::State& state) {
    Keys(state, kTypeAndErase);
}
BENCHMARK(BM_BrowseTypeAndErase)->Unit(benchmark::kMillisecond);

// The first key over the whole list, the filter then cleared.
void BM_BrowseFirstKey(benchmark::State& state) {
    Keys(state, {"2", ""});
}
BENCHMARK(BM_BrowseFirstKey)->Unit(benchmark::kMillisecond);

// Each key filtering the whole list afresh, lowering every text again: how the filter ran
// before it was kept from key to key, over the same entries.
void BM_BrowseTypeAndEraseAfresh(benchmark::State& state) {
    BrowseSetup setup;
    if (!setup.error.empty()) {
        state.SkipWithError(setup.error.c_str());
        return;
    }
    commands::navigate::BrowseEntries entries;
    for (std::size_t row = 0; row < setup.dialog->RowCount(); ++row)
        entries.Add(setup.dialog->RowText(row), {});
    const std::vector<std::string>& filters = kTypeAndErase;
    std::size_t rows = 0;
    for (auto _ : state) {
        for (const std::string& filter : filters)
            rows += commands::navigate::FilterEntries(entries, filter).size();
    }
    benchmark::DoNotOptimize(rows);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * filters.size()));
}
BENCHMARK(BM_BrowseTypeAndEraseAfresh)->Unit(benchmark::kMillisecond);

}  // namespace
