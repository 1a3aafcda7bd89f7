#include "settings/reg_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace settings {
namespace {

// Quoting every byte and back is covered by the profile's round trip.
TEST(RegTextTest, UnquotingReadsEscapesInEitherCaseAndNamesWhatIsWrong) {
    constexpr NulEscape kRefuse = NulEscape::kRefuse, kAccept = NulEscape::kAccept;
    const struct {
        const char* text;
        NulEscape nul;
        std::optional<std::string> value;
        const char* rest;  // after the value, or its error
    } cases[] = {
        {R"("\x1F\x1f\\\"" tail)", kRefuse, "\x1f\x1f\\\"", " tail"},
        {R"("a\x00b")", kAccept, std::string("a\0b", 3), ""},
        {R"("a\x00b")", kRefuse, std::nullopt, "\\x00 cannot be stored"},
        {R"("\q")", kAccept, std::nullopt, "unknown escape sequence"},
        {R"("\x0g")", kRefuse, std::nullopt, "unknown escape sequence"},
        {R"("\X41")", kAccept, std::nullopt, "unknown escape sequence"},
        {R"("\x4)", kRefuse, std::nullopt, "unknown escape sequence"},
        {R"("abc)", kAccept, std::nullopt, "unterminated string"},
        {R"("\")", kRefuse, std::nullopt, "unterminated string"},
    };
    for (const auto& c : cases) {
        std::size_t pos = 0;
        std::string error;
        const std::optional<std::string> value = UnquoteRegString(c.text, pos, c.nul, error);
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(value ? std::string(c.text).substr(pos) : error, c.rest) << c.text;
    }
}

}  // namespace
}  // namespace settings
