#include "templates/time_format.h"

#include <optional>

namespace templates {

namespace {

constexpr std::string_view kC89Conversions = "aAbBcdHIjmMpSUwWxXyYZ%";

std::string Digits(long value, int width, char pad) {
    const std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out = value < 0 ? "-" : "";
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), pad);
    return out + digits;
}

long FloorDivide(long a, long b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// ISO 8601: a year has 53 weeks when it starts on a Thursday or is a leap year starting on a
// Wednesday.
int IsoWeeksIn(long year) {
    const auto startDay = [](long y) {
        return ((y + FloorDivide(y, 4) - FloorDivide(y, 100) + FloorDivide(y, 400)) % 7 + 7) % 7;
    };
    return startDay(year) == 4 || startDay(year - 1) == 3 ? 53 : 52;
}

struct IsoWeek {
    long year;
    int week;
};

IsoWeek IsoWeekOf(const std::tm& time) {
    const long year = time.tm_year + 1900L;
    const int weekday = (time.tm_wday + 6) % 7 + 1;  // Monday 1 .. Sunday 7
    const int week = (time.tm_yday - weekday + 10) / 7;
    if (week < 1)
        return {year - 1, IsoWeeksIn(year - 1)};
    if (week > IsoWeeksIn(year))
        return {year + 1, 1};
    return {year, week};
}

// A C99 conversion the C89 set lacks, as C89 conversions or literal text; none when `c` is
// none of them.
std::optional<std::string> C99Only(char c, const std::tm& time) {
    switch (c) {
        case 'D':
            return "%m/%d/%y";
        case 'F':
            return "%Y-%m-%d";
        case 'T':
            return "%H:%M:%S";
        case 'R':
            return "%H:%M";
        case 'r':
            return "%I:%M:%S %p";
        case 'h':
            return "%b";
        case 'n':
            return "\n";
        case 't':
            return "\t";
        case 'e':
            return Digits(time.tm_mday, 2, ' ');
        case 'C':
            return Digits(FloorDivide(time.tm_year + 1900L, 100), 2, '0');
        case 'u':
            return Digits((time.tm_wday + 6) % 7 + 1, 1, '0');
        case 'V':
            return Digits(IsoWeekOf(time).week, 2, '0');
        case 'G':
            return Digits(IsoWeekOf(time).year, 1, '0');
        case 'g':
            return Digits((IsoWeekOf(time).year % 100 + 100) % 100, 2, '0');
        case 'z':
            // Older libraries write the zone's name here; C99 wants the offset, which the
            // broken-down time does not carry portably. Nothing is better than a wrong value.
            return "";
        default:
            return std::nullopt;
    }
}

bool TakesModifier(char modifier, char c) {
    const std::string_view allowed = modifier == 'E' ? "cCxXyY" : "deHImMSuUVwWy";
    return allowed.find(c) != std::string_view::npos;
}

}  // namespace

std::string PortableTimeFormat(std::string_view format, const std::tm& time) {
    std::string out;
    out.reserve(format.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        std::size_t at = i + 1;
        if (at < format.size() && (format[at] == 'E' || format[at] == 'O') &&
            at + 1 < format.size() && TakesModifier(format[at], format[at + 1]))
            ++at;
        const char c = at < format.size() ? format[at] : '\0';
        if (c != '\0' && kC89Conversions.find(c) != std::string_view::npos) {
            out += '%';
            out += c;
        } else if (const std::optional<std::string> spelled = C99Only(c, time)) {
            out += *spelled;
        } else {
            // Not a conversion: the '%' itself is shown, and what follows is read as text.
            out += "%%";
            continue;
        }
        i = at;
    }
    return out;
}

std::string FormatTime(std::string_view format, const std::tm& time) {
    const std::string portable = PortableTimeFormat(format, time);
    char buffer[128];
    if (portable.empty())
        return {};
    const std::size_t length = std::strftime(buffer, sizeof buffer, portable.c_str(), &time);
    return std::string(buffer, length);
}

}  // namespace templates
