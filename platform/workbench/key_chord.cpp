#include "workbench/key_chord.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <utility>
#include <vector>

namespace workbench {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::string_view Trim(std::string_view text) {
    auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// In the order a normalized chord lists them.
constexpr std::array<std::pair<std::string_view, int>, 4> kModifiers{{
    {"ctrl", 0},
    {"control", 0},
    {"alt", 1},
    {"shift", 2},
}};
constexpr std::array<std::string_view, 3> kModifierNames{"ctrl", "alt", "shift"};

constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kKeyAliases{{
    {"pagedown", "pgdn"},
    {"pageup", "pgup"},
    {"delete", "del"},
    {"insert", "ins"},
    {"escape", "esc"},
    {"return", "enter"},
    {"backspace", "bkspce"},
    {"up arrow", "up"},
    {"down arrow", "down"},
    {"left arrow", "left"},
    {"right arrow", "right"},
}};

// The named keys a binding may end with, besides one printable character and F1..F24.
constexpr std::array<std::string_view, 19> kNamedKeys{
    "pgdn",  "pgup",  "del", "ins",  "esc",  "enter", "bkspce", "home",  "end",   "tab",
    "space", "break", "up",  "down", "left", "right", "num *",  "num -", "num /",
};

bool IsKey(const std::string& key) {
    if (key.size() == 1)
        return std::isgraph(static_cast<unsigned char>(key[0])) != 0;
    if (key.size() <= 3 && key[0] == 'f' && std::all_of(key.begin() + 1, key.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        const int number = std::stoi(key.substr(1));
        return key[1] != '0' && number >= 1 && number <= 24;
    }
    return std::find(kNamedKeys.begin(), kNamedKeys.end(), key) != kNamedKeys.end();
}

std::optional<int> ModifierRank(const std::string& token) {
    for (auto [name, rank] : kModifiers) {
        if (token == name)
            return rank;
    }
    return std::nullopt;
}

std::optional<std::string> NormalizeStroke(std::string_view stroke) {
    stroke = Trim(stroke);
    std::optional<std::string_view> modifiers;
    std::string key;
    // "+" names the plus key when it stands alone or follows a separating '+'.
    if (stroke == "+") {
        key = "+";
    } else if (stroke.size() >= 2 && stroke.substr(stroke.size() - 2) == "++") {
        key = "+";
        modifiers = stroke.substr(0, stroke.size() - 2);
    } else {
        std::size_t plus = stroke.rfind('+');
        key = Lower(Trim(plus == std::string_view::npos ? stroke : stroke.substr(plus + 1)));
        if (plus != std::string_view::npos)
            modifiers = stroke.substr(0, plus);
        if (key.empty() || ModifierRank(key))
            return std::nullopt;
        for (auto [alias, name] : kKeyAliases) {
            if (key == alias)
                key = name;
        }
        if (!IsKey(key))
            return std::nullopt;
    }
    std::array<bool, kModifierNames.size()> held{};
    if (modifiers) {
        std::size_t start = 0;
        while (true) {
            std::size_t end = modifiers->find('+', start);
            std::optional<int> rank =
                ModifierRank(Lower(Trim(modifiers->substr(start, end - start))));
            if (!rank || held[static_cast<std::size_t>(*rank)])
                return std::nullopt;
            held[static_cast<std::size_t>(*rank)] = true;
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
    }
    std::string normalized;
    for (std::size_t i = 0; i < held.size(); ++i) {
        if (held[i])
            normalized.append(kModifierNames[i]).push_back('+');
    }
    return normalized + key;
}

}  // namespace

std::optional<std::string> NormalizeChord(const std::string& keys) {
    // A ',' separates strokes unless it is a stroke's key ("ctrl+,").
    std::vector<std::string_view> strokes;
    std::string_view rest = keys;
    std::size_t start = 0;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] != ',')
            continue;
        std::string_view before = Trim(rest.substr(start, i - start));
        if (before.empty() || before.back() == '+')
            continue;
        strokes.push_back(before);
        start = i + 1;
    }
    strokes.push_back(rest.substr(start));
    std::string chord;
    for (std::string_view stroke : strokes) {
        std::optional<std::string> normalized = NormalizeStroke(stroke);
        if (!normalized)
            return std::nullopt;
        if (!chord.empty())
            chord += ", ";
        chord += *normalized;
    }
    return chord;
}

bool KeyBinding::InScope(const std::string& name) const {
    return EqualsIgnoringCase(scope, name);
}

bool KeyBinding::operator==(const KeyBinding& other) const {
    return InScope(other.scope) && chord == other.chord;
}

std::optional<KeyBinding> ParseBinding(const std::string& text) {
    std::size_t separator = text.find("::");
    if (separator == std::string::npos)
        return std::nullopt;
    std::string scope(Trim(std::string_view(text).substr(0, separator)));
    std::optional<std::string> chord = NormalizeChord(text.substr(separator + 2));
    if (scope.empty() || !chord)
        return std::nullopt;
    return KeyBinding{std::move(scope), std::move(*chord)};
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && Lower(a) == Lower(b);
}

std::string FoldCase(const std::string& text) {
    return Lower(text);
}

}  // namespace workbench
