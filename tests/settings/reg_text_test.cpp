#include "settings/reg_text.h"

#include <gtest/gtest.h>

#include <string>

namespace settings {
namespace {

std::string EveryByteButNul() {
    std::string bytes;
    for (int c = 1; c < 256; ++c) {
        bytes += static_cast<char>(c);
    }
    return bytes;
}

TEST(RegTextTest, QuotingRoundTripsEveryByte) {
    const std::string bytes = EveryByteButNul();
    const std::string quoted = QuoteRegString(bytes);
    EXPECT_EQ(quoted.find_first_of("\r\n"), std::string::npos) << "one line per value";
    for (NulEscape nul : {NulEscape::kRefuse, NulEscape::kAccept}) {
        std::size_t pos = 0;
        std::string error;
        EXPECT_EQ(UnquoteRegString(quoted, pos, nul, error), bytes) << error;
        EXPECT_EQ(pos, quoted.size());
    }
}

TEST(RegTextTest, EscapesReadInEitherCaseAndNulFollowsTheCallersRule) {
    std::size_t pos = 0;
    std::string error;
    EXPECT_EQ(UnquoteRegString(R"("\x1F\x1f\\\"" tail)", pos, NulEscape::kRefuse, error),
              "\x1f\x1f\\\"");
    EXPECT_EQ(pos, 14u);
    pos = 0;
    EXPECT_EQ(UnquoteRegString(R"("a\x00b")", pos, NulEscape::kAccept, error),
              std::string("a\0b", 3));
    pos = 0;
    EXPECT_EQ(UnquoteRegString(R"("a\x00b")", pos, NulEscape::kRefuse, error), std::nullopt);
    EXPECT_EQ(error, "\\x00 cannot be stored");
}

TEST(RegTextTest, MalformedEscapesAreErrors) {
    struct Case {
        const char* text;
        const char* error;
    } cases[] = {
        {R"("\q")", "unknown escape sequence"},   {R"("\x0g")", "unknown escape sequence"},
        {R"("\X41")", "unknown escape sequence"}, {R"("\x4)", "unknown escape sequence"},
        {R"("abc)", "unterminated string"},       {R"("\")", "unterminated string"},
    };
    for (const Case& c : cases) {
        for (NulEscape nul : {NulEscape::kRefuse, NulEscape::kAccept}) {
            std::size_t pos = 0;
            std::string error;
            EXPECT_EQ(UnquoteRegString(c.text, pos, nul, error), std::nullopt) << c.text;
            EXPECT_EQ(error, c.error) << c.text;
        }
    }
}

TEST(RegTextTest, DwordLinesAndDigits) {
    EXPECT_EQ(FormatRegValueLine("", std::uint32_t{0x8000002a}), "@=dword:8000002a\n");
    EXPECT_EQ(ParseDwordDigits("FfFfFfFf"), 0xffffffffu);
    EXPECT_EQ(ParseDwordDigits("123456789"), std::nullopt);
}

}  // namespace
}  // namespace settings
