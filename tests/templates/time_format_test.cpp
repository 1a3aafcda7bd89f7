#include "templates/time_format.h"

#include <gtest/gtest.h>

namespace templates {
namespace {

std::tm Day(int year, int month, int day, int weekday, int yearDay) {
    std::tm time{};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_wday = weekday;
    time.tm_yday = yearDay;
    time.tm_hour = 9;
    time.tm_min = 5;
    time.tm_sec = 7;
    return time;
}

// A Friday in the last ISO week of the year before, and a Monday in the first of the next.
const std::tm kNewYear2027 = Day(2027, 1, 1, 5, 0);
const std::tm kLateDecember2024 = Day(2024, 12, 30, 1, 364);

TEST(TimeFormatTest, OnlyConversionsEveryLibraryKnowsReachStrftime) {
    struct Case {
        const char* format;
        const std::tm& time;
        const char* portable;
    } cases[] = {
        {"%d/%m/%Y %a %%", kNewYear2027, "%d/%m/%Y %a %%"},
        {"%F %T|%D %R|%r %h", kNewYear2027, "%Y-%m-%d %H:%M:%S|%m/%d/%y %H:%M|%I:%M:%S %p %b"},
        {"%e|%C|%u|%n%t", kNewYear2027, " 1|20|5|\n\t"},
        {"%G-W%V %g", kNewYear2027, "2026-W53 26"},
        {"%G-W%V %g %u", kLateDecember2024, "2025-W01 25 1"},
        {"%Ey %EC %Od %OH", kNewYear2027, "%y 20 %d %H"},
        {"[%z]", kNewYear2027, "[]"},
        // Not conversions: shown as written, never handed on.
        {"%Q %#d %Eq %Ed %K", kNewYear2027, "%%Q %%#d %%Eq %%Ed %%K"},
        {"50%", kNewYear2027, "50%%"},
        {"%E", kNewYear2027, "%%E"},
        {"", kNewYear2027, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PortableTimeFormat(c.format, c.time), c.portable) << c.format;
}

TEST(TimeFormatTest, FormatsWithinTheBuffer) {
    const struct {
        std::string format;
        std::string expected;
    } cases[] = {
        {"%d.%m.%Y %H:%M", "01.01.2027 09:05"},
        {"%F|%e|%Q|%", "2027-01-01| 1|%Q|%"},
        {std::string(127, 'x'), std::string(127, 'x')},
        {std::string(128, 'x'), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatTime(c.format, kNewYear2027), c.expected) << c.format;
}

}  // namespace
}  // namespace templates
