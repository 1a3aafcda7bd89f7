#include "step.h"

#include <cctype>
#include <charconv>
#include <regex>

namespace app {

namespace {

bool ParseNumber(const std::string& text, long& out) {
    if (text.empty())
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size();
}

// A file name may hold ':' itself, so the position is taken from the right.
std::optional<Step> ParseOpen(const std::string& body, std::string& error) {
    static const std::regex range(R"(^(.+):(\d+):(\d+)-(\d+):(\d+)$)");
    static const std::regex lineColumn(R"(^(.+):(\d+):(\d+)$)");
    static const std::regex lineOnly(R"(^(.+):(\d+)$)");
    OpenStep step;
    std::smatch m;
    bool ok = true;
    if (std::regex_match(body, m, range)) {
        step.path = m[1];
        ok = ParseNumber(m[2], step.anchorLine) && ParseNumber(m[3], step.anchorColumn) &&
             ParseNumber(m[4], step.caretLine) && ParseNumber(m[5], step.caretColumn);
    } else if (std::regex_match(body, m, lineColumn)) {
        step.path = m[1];
        ok = ParseNumber(m[2], step.caretLine) && ParseNumber(m[3], step.caretColumn);
        step.anchorLine = step.caretLine;
        step.anchorColumn = step.caretColumn;
    } else if (std::regex_match(body, m, lineOnly)) {
        step.path = m[1];
        ok = ParseNumber(m[2], step.caretLine);
        step.anchorLine = step.caretLine;
    } else {
        step.path = body;
    }
    if (!ok || step.anchorLine < 1 || step.anchorColumn < 1 || step.caretLine < 1 ||
        step.caretColumn < 1) {
        error = "lines and columns count from 1: @" + body;
        return std::nullopt;
    }
    if (step.path.empty()) {
        error = "a file step needs a file name: @" + body;
        return std::nullopt;
    }
    return step;
}

bool IsCommandName(const std::string& text) {
    if (text.empty())
        return false;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (!std::isalnum(u) && c != '_' && c != '.')
            return false;
    }
    return true;
}

}  // namespace

std::optional<Step> ParseStep(const std::string& text, std::string& error) {
    if (text.empty()) {
        error = "empty step";
        return std::nullopt;
    }
    if (text[0] == '@')
        return ParseOpen(text.substr(1), error);
    if (text[0] == '#') {
        long number = 0;
        if (!ParseNumber(text.substr(1), number) || number < 0 || number > 0xFFFF) {
            error = "a command number is #N with N from 0 to 65535: " + text;
            return std::nullopt;
        }
        return NumberStep{static_cast<int>(number)};
    }
    if (text[0] == '^') {
        if (text.size() == 1) {
            error = "a key step names the keys, e.g. ^ctrl+1: " + text;
            return std::nullopt;
        }
        return KeyStep{text.substr(1)};
    }
    if (!IsCommandName(text)) {
        error = "not a step (@FILE[:L[:C]], NAME, #N or ^KEYS): " + text;
        return std::nullopt;
    }
    return NameStep{text};
}

}  // namespace app
