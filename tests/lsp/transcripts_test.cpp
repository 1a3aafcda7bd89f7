// Every folder of tests/lsp/transcripts run through `zentrel lsp`: the messages of in.jsonl
// framed and sent, what comes back compared in order with expected.jsonl.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "apps/zentrel_process.h"
#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

const fs::path kTranscripts = fs::path(ZENTREL_SOURCE_DIR) / "tests/lsp/transcripts";

std::vector<std::string> TranscriptNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kTranscripts)) {
        if (entry.is_directory())
            names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Substituted(std::string text, const std::string& root) {
    for (std::size_t at = text.find("${root}"); at != std::string::npos;
         at = text.find("${root}", at + root.size())) {
        text.replace(at, 7, root);
    }
    return text;
}

// One message a line; blank lines and // comments skipped. A line "RAW <JSON string>" is sent
// as the string's bytes, unframed, for the framing's own faults.
std::string FramedInput(const fs::path& file, const std::string& root) {
    std::ifstream in(file);
    std::string framed;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line.starts_with("//"))
            continue;
        line = Substituted(line, root);
        if (line.starts_with("RAW "))
            framed += Json::parse(line.substr(4)).get<std::string>();
        else
            framed += "Content-Length: " + std::to_string(line.size()) + "\r\n\r\n" + line;
    }
    return framed;
}

std::vector<Json> ExpectedMessages(const fs::path& file, const std::string& root) {
    std::ifstream in(file);
    std::vector<Json> messages;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && !line.starts_with("//"))
            messages.push_back(Json::parse(Substituted(line, root)));
    }
    return messages;
}

// The frames the server wrote; a frame it got wrong ends the list with a string saying so.
std::vector<Json> Frames(const std::string& out) {
    std::vector<Json> frames;
    std::size_t at = 0;
    while (at < out.size()) {
        const std::size_t blank = out.find("\r\n\r\n", at);
        constexpr std::string_view kHeader = "Content-Length: ";
        if (blank == std::string::npos || out.compare(at, kHeader.size(), kHeader) != 0) {
            frames.push_back("bad frame at byte " + std::to_string(at));
            break;
        }
        const std::size_t length = std::stoul(out.substr(at + kHeader.size()));
        frames.push_back(Json::parse(out.substr(blank + 4, length), nullptr, false));
        at = blank + 4 + length;
    }
    return frames;
}

// "<any>" matches any value; everything else must be equal.
bool Matches(const Json& expected, const Json& actual) {
    for (const Json& change : Json::diff(expected, actual)) {
        const Json::json_pointer at(change["path"].get<std::string>());
        if (change["op"] != "replace" || expected.at(at) != "<any>")
            return false;
    }
    return true;
}

class Transcript : public testing::TestWithParam<std::string> {};

TEST_P(Transcript, AnswersAsExpected) {
    const fs::path folder = kTranscripts / GetParam();
    testing_support::TempDir scratch;
    const fs::path work = fs::canonical(scratch.Path()) / "work";
    fs::create_directories(work);
    if (fs::exists(folder / "files"))
        fs::copy(folder / "files", work, fs::copy_options::recursive);
    const std::string root = work.string();
    {
        std::ofstream input(scratch.Path() / "in.bin", std::ios::binary);
        input << FramedInput(folder / "in.jsonl", root);
    }
    std::vector<std::string> args = {"lsp", "--profile", (scratch.Path() / "p.reg").string()};
    if (fs::exists(folder / "args")) {
        std::ifstream extra(folder / "args");
        for (std::string arg; std::getline(extra, arg);)
            args.push_back(Substituted(arg, root));
    }
    const apps_testing::Result result =
        apps_testing::RunZentrel(work, scratch.Path(), args,
                                 "<" + apps_testing::Quote((scratch.Path() / "in.bin").string()));

    int expectedStatus = 0;
    if (std::ifstream status(folder / "exit_status"); status)
        status >> expectedStatus;
    EXPECT_EQ(result.status, expectedStatus) << result.err;
    const std::vector<Json> expected = ExpectedMessages(folder / "expected.jsonl", root);
    const std::vector<Json> actual = Frames(result.out);
    for (std::size_t i = 0; i < std::max(expected.size(), actual.size()); ++i) {
        const Json want = i < expected.size() ? expected[i] : Json("<nothing>");
        const Json got = i < actual.size() ? actual[i] : Json("<nothing>");
        EXPECT_TRUE(Matches(want, got))
            << "message " << i + 1 << "\nexpected: " << want.dump() << "\nactual:   " << got.dump()
            << "\nstderr: " << result.err;
    }
}

INSTANTIATE_TEST_SUITE_P(Lsp, Transcript, testing::ValuesIn(TranscriptNames()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

}  // namespace
