#include "settings/registry.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstddef>
#include <optional>
#include <string_view>

namespace settings {
namespace {

// The piece `index` of `text` split at the separator, present when the text holds at least
// `index` separators: "1\x01" has an empty second piece, "1" has none.
std::optional<std::string_view> Piece(std::string_view text, std::size_t index) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        std::size_t separator = text.find(kListSeparator, start);
        if (separator == std::string_view::npos) {
            return std::nullopt;
        }
        start = separator + 1;
    }
    return text.substr(start, text.find(kListSeparator, start) - start);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int Saturate(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// The C library's decimal conversion, saturating instead of overflowing: the text is user
// editable, so no value of it may be undefined behaviour.
int ToInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i++] == '-';
    }
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > static_cast<long long>(INT_MAX) + 1) {
            break;
        }
    }
    return Saturate(negative ? -magnitude : magnitude);
}

}  // namespace

bool CRegistry::ReadInt(const std::string& section, const std::string& name, int& value) {
    value = store_.ReadInt(section, name).value_or(kMissingInt);
    return value != kMissingInt;
}

bool CRegistry::WriteInt(const std::string& section, const std::string& name, int value) {
    return store_.WriteInt(section, name, value);
}

bool CRegistry::ReadString(const std::string& section, const std::string& name,
                           std::string& value) {
    value = store_.ReadString(section, name).value_or(kMissingString);
    return value != kMissingString;
}

bool CRegistry::WriteString(const std::string& section, const std::string& name,
                            const std::string& value) {
    return store_.WriteString(section, name, value);
}

bool CRegistry::ReadStringList(const std::string& section, const std::string& name,
                               StringList& list) {
    list.clear();
    std::string text;
    if (!ReadString(section, name, text)) {
        return false;
    }
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(kListSeparator, start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (end > start) {
            list.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return true;
}

bool CRegistry::WriteStringList(const std::string& section, const std::string& name,
                                const StringList& list) {
    std::string text;
    for (const std::string& item : list) {
        text += item;
        text += kListSeparator;
    }
    return WriteString(section, name, text);
}

bool CRegistry::SaveWindowRect(const std::string& section, const std::string& name,
                               const RectWindow& window) {
    Rect rect = window.ScreenRect();
    if (window.IsChild() && window.HasParent()) {
        rect = window.ScreenToParentClient(rect);
    }
    std::string text;
    for (int coordinate : {rect.left, rect.top, rect.right, rect.bottom}) {
        if (!text.empty()) {
            text += kListSeparator;
        }
        text += std::to_string(coordinate);
    }
    return WriteString(section, name, text);
}

bool CRegistry::RestoreWindowRect(const std::string& section, const std::string& name,
                                  RectWindow& window, bool restoreSize) {
    std::string text;
    if (!ReadString(section, name, text)) {
        window.CenterOnOwner();
        return false;
    }
    std::array<int, 4> coordinates{};
    for (std::size_t i = 0; i < coordinates.size(); ++i) {
        std::optional<std::string_view> piece = Piece(text, i);
        if (!piece) {
            return false;
        }
        coordinates[i] = ToInt(*piece);
    }
    Rect rect{coordinates[0], coordinates[1], coordinates[2], coordinates[3]};
    if (!restoreSize) {
        Rect current = window.ScreenRect();
        rect.right = Saturate(static_cast<long long>(rect.left) + current.Width());
        rect.bottom = Saturate(static_cast<long long>(rect.top) + current.Height());
    }
    window.MoveTo(rect);
    return true;
}

}  // namespace settings
