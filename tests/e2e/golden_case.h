// One folder of tests/e2e/cases (see the README there), shared by the runner of each host:
// its steps, its working copy and what to compare afterwards.
#pragma once

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace golden {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

struct Case {
    fs::path dir;
    std::vector<std::string> steps;  // the `zentrel run` arguments
    std::optional<std::string> profile;
    std::optional<Json> state;
    int exit = 0;
    // Lines that must occur in standard error; an empty list: nothing may be written there.
    std::optional<std::vector<std::string>> stderrFragments;
    std::vector<std::string> hosts;
    std::vector<std::string> deleted;  // files of before/ the run removes
    // Every file of before/ and after/ is written with LF; a run gives them this line end.
    std::string lineEnd = "\n";
    // The folders whose files make the working copy, later ones over earlier ones: the
    // fixtures its `base` file names, then before/.
    std::vector<fs::path> layers;

    bool RunsOn(const std::string& host) const;
    // The working copy's files before the run, by relative path.
    std::map<std::string, fs::path> BeforeFiles() const;
    // Lays the working copy's files into `work`, which is created.
    void Prepare(const fs::path& work) const;
    // One line per difference between `work` and before/ with after/ over it; empty when none.
    // `profileIsFile` false: the profile lives elsewhere (the registry) and is not compared.
    std::string CompareFiles(const fs::path& work, bool profileIsFile) const;
    // `text`, written with LF, with this run's line end.
    std::string Converted(const std::string& text) const;
    // The profile and the files the IDE keeps beside it (NAME.ide.json, NAME.ide/...).
    bool IsIdeOwn(const std::string& relative) const;
};

// Every run of the cases, sorted: a folder's name, or `name/style` once for each line-end style
// (lf, crlf, cr) its `line-ends` file lists.
std::vector<std::string> CaseNames();
// One run as CaseNames gives it; throws on a line-end style it does not know.
Case LoadCase(const std::string& run);
// The case's name as a test's name: letters, digits and '_'.
std::string TestName(std::string name);

// Where `actual` differs from the subset `expected`, one line each: objects by the keys given,
// arrays element by element. A string "$CASE..." stands for a path in the working copy `work`.
std::string CompareJson(const Json& expected, const Json& actual, const fs::path& work,
                        const std::string& where = "");

std::string ReadFile(const fs::path& path);

}  // namespace golden
