// Loading grows linearly with what is loaded: the settings profile, the IDE's saved state and
// the template file with the per-template command setup. Each runs at 10,000 and 80,000 items;
// the time ratio between the two should stay near 8 (at most 9).
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "host/command_setup.h"
#include "host/template_commands.h"
#include "settings/profile_document.h"
#include "templates/template_parser.h"
#include "workbench/ide_state_file.h"
#include "workbench/workbench.h"

namespace {

// A chord of its own for each number: ctrl+k, then four strokes spelling it in base 36.
std::string Chord(int number) {
    std::string chord = "ctrl+k";
    for (int stroke = 0; stroke < 4; ++stroke, number /= 36)
        chord += std::string(", ctrl+") + "0123456789abcdefghijklmnopqrstuvwxyz"[number % 36];
    return chord;
}

std::string Profile(int values) {
    std::string text = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\n";
    for (int i = 0; i < values; ++i)
        text += "\"Value " + std::to_string(i) + "\"=dword:0000002a\n";
    return text;
}

// Every template has a key, so each one makes an IDE command with a binding.
std::string Templates(int count) {
    std::string text = "##+\n";
    for (int i = 0; i < count; ++i) {
        const std::string n = std::to_string(i);
        text += "##+ Template " + n + "\\t" + Chord(i) + "\nbody " + n + "\n##-\n";
    }
    return text;
}

void LoadProfile(benchmark::State& state) {
    const std::string text = Profile(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(settings::ProfileDocument::Parse(text));
    state.SetComplexityN(state.range(0));
}

void LoadIdeState(benchmark::State& state) {
    workbench::IdeState saved = workbench::FreshIdeState();
    for (int i = 0; i < state.range(0); ++i) {
        const std::string n = std::to_string(i);
        saved.commands.push_back(
            {"Ext.Command" + n, "C" + n, "T" + n, {"Text Editor::" + Chord(i)}});
    }
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("zentrel-bench-" + std::to_string(getpid()) + ".json");
    std::string error;
    if (!workbench::WriteIdeStateFile(path, saved, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    for (auto _ : state) {
        workbench::Workbench bench;
        if (!bench.LoadIdeState(path, error))
            state.SkipWithError(error.c_str());
    }
    std::filesystem::remove(path);
    state.SetComplexityN(state.range(0));
}

// A run after the first: the IDE comes back with the previous run's template commands, and
// the setup walk deletes them and adds them anew from the parsed file.
void LoadTemplatesAndSetUp(benchmark::State& state) {
    const std::string text = Templates(static_cast<int>(state.range(0)));
    workbench::IdeState previous;
    {
        workbench::Workbench first;
        first.SetKeyboardScheme("keys.vsk");
        host::AddTemplateCommands(first.AddInInstance().get(), *first.GetCommands(),
                                  templates::ParseTemplateText(text));
        previous = first.CurrentIdeState();
    }
    for (auto _ : state) {
        const templates::TemplateList list = templates::ParseTemplateText(text);
        workbench::Workbench bench;
        std::string error;
        if (!bench.RestoreIdeState(previous, error))
            state.SkipWithError(error.c_str());
        ide::Ref<ide::Commands> commands = bench.GetCommands();
        host::RemoveCommandsNamed(*commands, host::kTemplateCommandStem);
        host::AddTemplateCommands(bench.AddInInstance().get(), *commands, list);
        if (commands->Count() != static_cast<long>(previous.commands.size()))
            state.SkipWithError("the setup walk lost commands");
    }
    state.SetComplexityN(state.range(0));
}

// A template file as a user keeps it, read from disk and parsed: bench/compare writes one of
// 5,000 templates and names it in ZENTREL_BENCH_TEMPLATE_FILE.
void LoadTemplateFile(benchmark::State& state) {
    const char* path = std::getenv("ZENTREL_BENCH_TEMPLATE_FILE");
    if (path == nullptr) {
        state.SkipWithError("ZENTREL_BENCH_TEMPLATE_FILE is not set (bench/compare sets it)");
        return;
    }
    std::size_t count = 0;
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        const std::string text(std::istreambuf_iterator<char>(in), {});
        count = templates::ParseTemplateText(text).Size();
    }
    state.counters["top_level"] = static_cast<double>(count);
}
BENCHMARK(LoadTemplateFile)->Unit(benchmark::kMillisecond);

BENCHMARK(LoadProfile)->Arg(10000)->Arg(80000)->Complexity(benchmark::oN);
BENCHMARK(LoadIdeState)->Arg(10000)->Arg(80000)->Complexity(benchmark::oN);
BENCHMARK(LoadTemplatesAndSetUp)->Arg(10000)->Arg(80000)->Complexity(benchmark::oN);

}  // namespace
