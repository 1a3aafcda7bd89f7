#include "lsp/framing.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using lsp::Frame;

// Each row: the bytes in and the frames read from them until the end, as "body" or
// "bad" (a frame the reader refused and read past).
struct Case {
    const char* name;
    std::string input;
    std::vector<std::string> frames;
};

const std::vector<Case> kCases = {
    {"two frames", "Content-Length: 2\r\n\r\n{}Content-Length: 4\r\n\r\nnull", {"{}", "null"}},
    {"name in any case, other headers, spaces",
     "content-LENGTH :  2 \r\nContent-Type: x\r\n\r\n[]",
     {"[]"}},
    {"LF-only header lines", "Content-Length: 2\n\n{}", {"{}"}},
    {"blank lines between frames", "\r\n\r\nContent-Length: 1\r\n\r\n1", {"1"}},
    {"missing length, then a good frame", "X: 1\r\n\r\nContent-Length: 1\r\n\r\n2", {"bad", "2"}},
    {"length not a number", "Content-Length: -1\r\n\r\nContent-Length: 1\r\n\r\n3", {"bad", "3"}},
    {"length that overflows", "Content-Length: 99999999999999999999999\r\n\r\n", {"bad"}},
    {"too long: skipped, reading goes on",
     "Content-Length: 20\r\n\r\n01234567890123456789Content-Length: 1\r\n\r\n4",
     {"bad", "4"}},
    {"body cut short ends the input", "Content-Length: 10\r\n\r\nabc", {}},
    {"headers cut short end the input", "Content-Length: 1", {}},
    {"a header line past any limit is cut, not kept",
     "X-Long: " + std::string(100000, 'x') + "\r\nContent-Length: 1\r\n\r\n5",
     {"5"}},
};

TEST(FrameReader, ReadsFramesAndRecoversFromBadOnes) {
    for (const Case& c : kCases) {
        std::istringstream in(c.input);
        lsp::FrameReader reader(in, 16);
        std::vector<std::string> frames;
        for (Frame frame = reader.Next(); frame.kind != Frame::Kind::kEnd; frame = reader.Next())
            frames.push_back(frame.kind == Frame::Kind::kBad ? "bad" : frame.body);
        EXPECT_EQ(frames, c.frames) << c.name;
    }
}

TEST(ParseBody, RefusesWhatIsNotJsonOrTooDeep) {
    const struct {
        std::string body;
        bool parsed;
    } cases[] = {
        {R"({"a":"[[[[ in a string \" ]"})", true},
        {std::string(128, '[') + std::string(128, ']'), true},
        {std::string(129, '[') + std::string(129, ']'), false},
        {"{\"a\":", false},
        {"", false},
        {"\"\xff\"", false},
    };
    for (const auto& c : cases) {
        std::string problem;
        EXPECT_EQ(lsp::ParseBody(c.body, problem).has_value(), c.parsed) << c.body.substr(0, 40);
        EXPECT_EQ(problem.empty(), c.parsed);
    }
}

}  // namespace
