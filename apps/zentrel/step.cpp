#include "step.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <string_view>

#include "workbench/key_chord.h"

namespace app {

namespace {

bool IsDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// The position's numbers as written, anchor first; a range has four, L:C two, L one.
struct Position {
    std::string path;
    std::vector<std::string_view> numbers;
};

// A file name may hold ':' itself, so the position is taken from the right, and only when
// a non-empty path is left before it.
std::optional<Position> SplitPosition(std::string_view body) {
    std::vector<std::string_view> fields;
    std::string_view rest = body;
    for (int i = 0; i < 3; ++i) {
        const std::size_t colon = rest.rfind(':');
        if (colon == std::string_view::npos)
            break;
        fields.insert(fields.begin(), rest.substr(colon + 1));
        rest = rest.substr(0, colon);
    }
    const std::size_t n = fields.size();
    const auto pathBefore = [&](std::size_t taken) {
        std::size_t length = body.size();
        for (std::size_t i = n - taken; i < n; ++i)
            length -= fields[i].size() + 1;
        return std::string(body.substr(0, length));
    };
    if (n == 3 && IsDigits(fields[0]) && IsDigits(fields[2])) {
        const std::size_t dash = fields[1].find('-');
        if (dash != std::string_view::npos && IsDigits(fields[1].substr(0, dash)) &&
            IsDigits(fields[1].substr(dash + 1)) && !pathBefore(3).empty()) {
            return Position{
                pathBefore(3),
                {fields[0], fields[1].substr(0, dash), fields[1].substr(dash + 1), fields[2]}};
        }
    }
    if (n >= 2 && IsDigits(fields[n - 2]) && IsDigits(fields[n - 1]) && !pathBefore(2).empty())
        return Position{pathBefore(2), {fields[n - 2], fields[n - 1]}};
    if (n >= 1 && IsDigits(fields[n - 1]) && !pathBefore(1).empty())
        return Position{pathBefore(1), {fields[n - 1]}};
    return std::nullopt;
}

std::optional<Step> ParseOpen(const std::string& body, std::string& error) {
    OpenStep step;
    step.path = body;
    step.written = body;
    if (std::optional<Position> position = SplitPosition(body)) {
        step.path = position->path;
        std::vector<long> values;
        for (std::size_t i = 0; i < position->numbers.size(); ++i) {
            const std::string_view text = position->numbers[i];
            long value = 0;
            const auto [end, failure] =
                std::from_chars(text.data(), text.data() + text.size(), value);
            // Digits only, so the one way to fail is a number no file has as many lines of.
            if (failure != std::errc()) {
                value = LONG_MAX;
                if (step.beyond.empty()) {
                    const bool column = i % 2 == 1;
                    step.beyond = column ? "line " + std::string(position->numbers[i - 1]) +
                                               ", column " + std::string(text)
                                         : "line " + std::string(text);
                }
            }
            values.push_back(value);
        }
        if (std::find(values.begin(), values.end(), 0L) != values.end()) {
            error = "lines and columns count from 1: @" + body;
            return std::nullopt;
        }
        switch (values.size()) {
            case 4:
                step.anchorLine = values[0];
                step.anchorColumn = values[1];
                step.caretLine = values[2];
                step.caretColumn = values[3];
                break;
            case 2:
                step.anchorLine = step.caretLine = values[0];
                step.anchorColumn = step.caretColumn = values[1];
                break;
            default:
                step.anchorLine = step.caretLine = values[0];
                break;
        }
    }
    if (step.path.empty()) {
        error = "a file step needs a file name: @" + body;
        return std::nullopt;
    }
    return step;
}

bool IsCommandName(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.';
    });
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
        const auto [end, failure] =
            std::from_chars(text.data() + 1, text.data() + text.size(), number);
        if (text.size() == 1 || failure != std::errc() || end != text.data() + text.size() ||
            number < 0 || number > 0xFFFF) {
            error = "a command number is #N with N from 0 to 65535: " + text;
            return std::nullopt;
        }
        return NumberStep{static_cast<int>(number)};
    }
    if (text[0] == '^') {
        if (!workbench::NormalizeChord(text.substr(1))) {
            error =
                "not a key chord (modifiers ctrl, alt, shift and one key, e.g. ^ctrl+1, "
                "^ctrl+shift+PgDn): " +
                text;
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
