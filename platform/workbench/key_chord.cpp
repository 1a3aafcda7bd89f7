#include "workbench/key_chord.h"

#include <array>
#include <string_view>
#include <utility>

namespace workbench {
namespace {

// The classic locale's rules, which the program runs under: bytes above ASCII are left alone.
char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Blank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && Blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// `lower` is lowercase already.
bool EqualsFolded(std::string_view text, std::string_view lower) {
    if (text.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (LowerAscii(text[i]) != lower[i])
            return false;
    }
    return true;
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

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// `key` is lowercase.
bool IsKey(std::string_view key) {
    if (key.size() == 1)
        return key[0] > ' ' && key[0] < '\x7f';
    if (key.size() <= 3 && key[0] == 'f' && IsDigit(key[1]) &&
        (key.size() == 2 || IsDigit(key[2]))) {
        const int number = key.size() == 2 ? key[1] - '0' : (key[1] - '0') * 10 + (key[2] - '0');
        return key[1] != '0' && number >= 1 && number <= 24;
    }
    for (std::string_view name : kNamedKeys) {
        if (key == name)
            return true;
    }
    return false;
}

int ModifierRank(std::string_view token) {
    for (auto [name, rank] : kModifiers) {
        if (EqualsFolded(token, name))
            return rank;
    }
    return -1;
}

// Appends the stroke's one spelling; false when it is not a stroke.
bool AppendStroke(std::string_view stroke, std::string& out) {
    stroke = Trim(stroke);
    std::string_view modifiers;
    bool hasModifiers = false;
    std::string key;
    // "+" names the plus key when it stands alone or follows a separating '+'.
    if (stroke == "+") {
        key = "+";
    } else if (stroke.size() >= 2 && stroke.ends_with("++")) {
        key = "+";
        modifiers = stroke.substr(0, stroke.size() - 2);
        hasModifiers = true;
    } else {
        const std::size_t plus = stroke.rfind('+');
        key = Trim(plus == std::string_view::npos ? stroke : stroke.substr(plus + 1));
        for (char& c : key)
            c = LowerAscii(c);
        if (plus != std::string_view::npos) {
            modifiers = stroke.substr(0, plus);
            hasModifiers = true;
        }
        if (key.empty() || ModifierRank(key) >= 0)
            return false;
        for (auto [alias, name] : kKeyAliases) {
            if (key == alias)
                key = name;
        }
        if (!IsKey(key))
            return false;
    }
    std::array<bool, kModifierNames.size()> held{};
    for (std::size_t start = 0; hasModifiers;) {
        const std::size_t end = modifiers.find('+', start);
        const int rank = ModifierRank(Trim(modifiers.substr(start, end - start)));
        if (rank < 0 || held[static_cast<std::size_t>(rank)])
            return false;
        held[static_cast<std::size_t>(rank)] = true;
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    for (std::size_t i = 0; i < held.size(); ++i) {
        if (held[i])
            out.append(kModifierNames[i]).push_back('+');
    }
    out += key;
    return true;
}

bool AppendChord(std::string_view keys, std::string& out) {
    // A ',' separates strokes unless it is a stroke's key ("ctrl+,").
    const std::size_t first = out.size();
    std::size_t start = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] != ',')
            continue;
        const std::string_view before = Trim(keys.substr(start, i - start));
        if (before.empty() || before.back() == '+')
            continue;
        if (out.size() > first)
            out += ", ";
        if (!AppendStroke(before, out))
            return false;
        start = i + 1;
    }
    if (out.size() > first)
        out += ", ";
    return AppendStroke(keys.substr(start), out);
}

}  // namespace

std::optional<std::string> NormalizeChord(const std::string& keys) {
    std::string chord;
    if (!AppendChord(keys, chord))
        return std::nullopt;
    return chord;
}

bool KeyBinding::InScope(const std::string& name) const {
    return EqualsIgnoringCase(scope, name);
}

bool KeyBinding::operator==(const KeyBinding& other) const {
    return InScope(other.scope) && chord == other.chord;
}

std::optional<KeyBinding> ParseBinding(const std::string& text) {
    const std::size_t separator = text.find("::");
    if (separator == std::string::npos)
        return std::nullopt;
    const std::string_view scope = Trim(std::string_view(text).substr(0, separator));
    KeyBinding binding;
    if (scope.empty() || !AppendChord(std::string_view(text).substr(separator + 2), binding.chord))
        return std::nullopt;
    binding.scope = scope;
    return binding;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        c = LowerAscii(c);
    return folded;
}

std::size_t FoldedHash::operator()(std::string_view text) const {
    // FNV-1a over the folded bytes.
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(LowerAscii(c));
        hash *= 1099511628211ull;
    }
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

}  // namespace workbench
