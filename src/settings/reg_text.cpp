#include "settings/reg_text.h"

#include <cassert>
#include <utility>

namespace settings {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

std::string NamePart(std::string_view name) {
    return (name.empty() ? std::string("@") : QuoteRegString(name)) + '=';
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        c = LowerAscii(c);
    }
    return folded;
}

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

std::string QuoteRegString(std::string_view text) {
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

std::optional<std::string> UnquoteRegString(std::string_view text, std::size_t& pos, NulEscape nul,
                                            std::string& error) {
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
        if (high == 0 && low == 0 && nul == NulEscape::kRefuse) {
            error = "\\x00 cannot be stored";
            return std::nullopt;
        }
        unquoted += static_cast<char>(high * 16 + low);
        pos += 2;
    }
    error = "unterminated string";
    return std::nullopt;
}

std::optional<std::uint32_t> ParseDwordDigits(std::string_view digits) {
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
    return value;
}

std::string FormatRegValueLine(std::string_view name, std::string_view text) {
    return NamePart(name) + QuoteRegString(text) + '\n';
}

std::string FormatRegValueLine(std::string_view name, std::uint32_t number) {
    std::string line = NamePart(name) + "dword:";
    for (int shift = 28; shift >= 0; shift -= 4) {
        line += kHexDigits[(number >> shift) & 0xf];
    }
    return line + '\n';
}

std::optional<RegValueLine> ParseRegValueLine(std::string_view line, NulEscape nul,
                                              std::string& error) {
    assert(!line.empty() && (line.front() == '@' || line.front() == '"'));
    RegValueLine parsed;
    std::size_t pos = 0;
    if (line.front() == '@') {
        pos = 1;
    } else {
        auto name = UnquoteRegString(line, pos, nul, error);
        if (!name) {
            return std::nullopt;
        }
        parsed.name = std::move(*name);
    }
    std::string_view rest = TrimBlanks(line.substr(pos));
    if (rest.empty() || rest.front() != '=') {
        error = "expected '=' after the value name";
        return std::nullopt;
    }
    rest = TrimBlanks(rest.substr(1));
    if (rest.empty() || rest.front() != '"') {
        parsed.other = rest;
        return parsed;
    }
    pos = 0;
    parsed.text = UnquoteRegString(rest, pos, nul, error);
    if (!parsed.text) {
        return std::nullopt;
    }
    if (pos != rest.size()) {
        error = "unexpected text after the closing quote";
        return std::nullopt;
    }
    return parsed;
}

}  // namespace settings
