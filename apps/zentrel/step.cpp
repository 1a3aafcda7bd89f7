#include "step.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <filesystem>
#include <string_view>
#include <unordered_set>

#include "editor/extension_list.h"
#include "host/command_setup.h"
#include "host/command_table.h"
#include "templates/template_walk.h"
#include "workbench/key_chord.h"

namespace app {

namespace {

constexpr const char* kPositionForms = "@FILE:L, @FILE:L:C or @FILE:L1:C1-L2:C2";

bool IsDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
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

std::optional<std::string> MalformedPosition(const OpenStep& step) {
    // No file name is longer than this, which also bounds the queries a long step costs.
    constexpr std::size_t kLongestPath = 4096;
    const std::string& path = step.path;
    std::optional<std::string> file;
    for (std::size_t colon = path.find(':'); colon != std::string::npos && colon < kLongestPath;
         colon = path.find(':', colon + 1)) {
        std::error_code error;
        const std::string prefix = path.substr(0, colon);
        if (!prefix.empty() && std::filesystem::is_regular_file(prefix, error))
            file = prefix;
    }
    if (!file)
        return std::nullopt;
    return "malformed position \"" + step.written.substr(file->size() + 1) + "\" after " + *file +
           ": a position is written " + kPositionForms + ", lines and columns from 1";
}

std::optional<std::string> FirstUnknownCommand(const std::vector<Step>& steps,
                                               const templates::TemplateList& templates) {
    // The IDE matches command names without regard to case; a template by its exact name.
    std::unordered_set<std::string> table;
    for (std::size_t row = 0; row < host::kCommandCount; ++row)
        table.insert(Lower(host::kCommandTable[row].name));
    std::unordered_set<std::string> templateNames;
    for (templates::TemplateWalk walk(templates); walk.Next();)
        templateNames.insert(templates::CommandName(walk.Node()));

    const std::string_view stem = host::kTemplateCommandStem;
    for (const Step& step : steps) {
        const auto* name = std::get_if<NameStep>(&step);
        if (name == nullptr || table.contains(Lower(name->name)))
            continue;
        if (name->name.size() > stem.size() &&
            editor::EqualsIgnoreCase(std::string_view(name->name).substr(0, stem.size()), stem) &&
            templateNames.contains(name->name.substr(stem.size())))
            continue;
        return name->name;
    }
    return std::nullopt;
}

}  // namespace app
