#include "settings/profile_document.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace settings {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Key names are case-insensitive in the registry, so a hand-edited prefix may differ in case.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (LowerAscii(text[i]) != LowerAscii(prefix[i])) {
            return false;
        }
    }
    return true;
}

std::string Quote(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            quoted += "\\x";
            quoted += kHexDigits[byte >> 4];
            quoted += kHexDigits[byte & 0xf];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

// Reads the quoted text starting at text[pos] == '"' and moves pos past its closing quote.
std::optional<std::string> Unquote(std::string_view text, std::size_t& pos, std::string& error) {
    std::string unquoted;
    for (++pos; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c == '"') {
            ++pos;
            return unquoted;
        }
        if (c != '\\') {
            unquoted += c;
            continue;
        }
        if (++pos == text.size()) {
            break;
        }
        char escaped = text[pos];
        if (escaped == '\\' || escaped == '"') {
            unquoted += escaped;
            continue;
        }
        int high = pos + 2 < text.size() ? HexValue(text[pos + 1]) : -1;
        int low = high >= 0 ? HexValue(text[pos + 2]) : -1;
        if (escaped != 'x' || low < 0) {
            error = "unknown escape sequence";
            return std::nullopt;
        }
        if (high == 0 && low == 0) {
            error = "\\x00 cannot be stored";
            return std::nullopt;
        }
        unquoted += static_cast<char>(high * 16 + low);
        pos += 2;
    }
    error = "unterminated string";
    return std::nullopt;
}

std::optional<std::int32_t> ParseDword(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : digits) {
        int digit = HexValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::string FormatDword(std::int32_t value) {
    auto bits = static_cast<std::uint32_t>(value);
    std::string text = "dword:";
    for (int shift = 28; shift >= 0; shift -= 4) {
        text += kHexDigits[(bits >> shift) & 0xf];
    }
    return text;
}

std::string KeyOf(std::string_view section) {
    std::string key = kProfileKey;
    if (!section.empty()) {
        key += '\\';
        key += section;
    }
    return key;
}

std::optional<std::string_view> SectionOf(std::string_view key) {
    std::string_view root = kProfileKey;
    if (!StartsWithIgnoringCase(key, root)) {
        return std::nullopt;
    }
    key.remove_prefix(root.size());
    if (key.empty()) {
        return key;
    }
    if (key.front() != '\\') {
        return std::nullopt;
    }
    return key.substr(1);
}

struct ValueLine {
    std::string name;
    ProfileValue value;
};

// One `"name"=value` or `@=value` line, already trimmed.
std::optional<ValueLine> ParseValueLine(std::string_view line, std::string& error) {
    ValueLine parsed;
    std::size_t pos = 0;
    if (line.front() == '@') {
        pos = 1;
    } else if (line.front() == '"') {
        auto name = Unquote(line, pos, error);
        if (!name) {
            return std::nullopt;
        }
        parsed.name = std::move(*name);
    } else {
        error = "expected a key in [brackets] or a \"quoted\" value name";
        return std::nullopt;
    }
    std::string_view rest = Trim(line.substr(pos));
    if (rest.empty() || rest.front() != '=') {
        error = "expected '=' after the value name";
        return std::nullopt;
    }
    rest = Trim(rest.substr(1));
    if (!rest.empty() && rest.front() == '"') {
        pos = 0;
        auto text = Unquote(rest, pos, error);
        if (!text) {
            return std::nullopt;
        }
        if (pos != rest.size()) {
            error = "unexpected text after the closing quote";
            return std::nullopt;
        }
        parsed.value = std::move(*text);
        return parsed;
    }
    std::string_view dword = "dword:";
    if (StartsWithIgnoringCase(rest, dword)) {
        auto number = ParseDword(rest.substr(dword.size()));
        if (!number) {
            error = "a dword needs one to eight hexadecimal digits";
            return std::nullopt;
        }
        parsed.value = *number;
        return parsed;
    }
    error = "unsupported value type (only \"strings\" and dword: numbers are kept here)";
    return std::nullopt;
}

bool Storable(std::string_view text) {
    return text.find('\0') == std::string_view::npos;
}

}  // namespace

std::variant<ProfileDocument, ProfileDocument::ParseError> ProfileDocument::Parse(
    std::string_view text) {
    ProfileDocument document;
    Section* section = nullptr;  // only a key line adds sections, and it resets this
    bool sawSignature = false;
    std::size_t lineNumber = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!Storable(line)) {
            return ParseError{lineNumber, "NUL byte"};
        }
        line = Trim(line);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (!sawSignature) {
            if (line != "REGEDIT4") {
                return ParseError{lineNumber, "expected REGEDIT4"};
            }
            sawSignature = true;
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']') {
                return ParseError{lineNumber, "key without closing ']'"};
            }
            auto name = SectionOf(line.substr(1, line.size() - 2));
            if (!name) {
                return ParseError{lineNumber, std::string("key outside ") + kProfileKey};
            }
            section = &document.SectionNamed(*name);
            continue;
        }
        if (section == nullptr) {
            return ParseError{lineNumber, "value before the first key"};
        }
        std::string error;
        auto value = ParseValueLine(line, error);
        if (!value) {
            return ParseError{lineNumber, error};
        }
        document.Put(*section, value->name, std::move(value->value));
    }
    return document;
}

std::string ProfileDocument::Serialize() const {
    std::string text = "REGEDIT4\n";
    for (const Section& section : sections_) {
        text += "\n[" + KeyOf(section.name) + "]\n";
        for (const Entry& entry : section.entries) {
            text += entry.name.empty() ? "@" : Quote(entry.name);
            text += '=';
            if (const auto* number = std::get_if<std::int32_t>(&entry.value)) {
                text += FormatDword(*number);
            } else {
                text += Quote(std::get<std::string>(entry.value));
            }
            text += '\n';
        }
    }
    return text;
}

const ProfileValue* ProfileDocument::Find(std::string_view section, std::string_view name) const {
    for (const Section& candidate : sections_) {
        if (candidate.name != section) {
            continue;
        }
        for (const Entry& entry : candidate.entries) {
            if (entry.name == name) {
                return &entry.value;
            }
        }
    }
    return nullptr;
}

bool ProfileDocument::Set(std::string_view section, std::string_view name, ProfileValue value) {
    if (section.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos ||
        !Storable(name)) {
        return false;
    }
    if (const auto* text = std::get_if<std::string>(&value); text && !Storable(*text)) {
        return false;
    }
    Put(SectionNamed(section), name, std::move(value));
    return true;
}

bool ProfileDocument::RemoveSection(std::string_view section) {
    return std::erase_if(sections_, [&](const Section& s) { return s.name == section; }) > 0;
}

ProfileDocument::Section& ProfileDocument::SectionNamed(std::string_view name) {
    for (Section& section : sections_) {
        if (section.name == name) {
            return section;
        }
    }
    return sections_.emplace_back(Section{std::string(name), {}});
}

void ProfileDocument::Put(Section& section, std::string_view name, ProfileValue value) {
    for (Entry& entry : section.entries) {
        if (entry.name == name) {
            entry.value = std::move(value);
            return;
        }
    }
    section.entries.push_back({std::string(name), std::move(value)});
}

}  // namespace settings
