// The pieces of registry-export text ("REGEDIT4") shared by the profile file and the host's
// saved registry: quoted strings with \xHH escapes, `"name"=value` lines, dword numbers.
// Each file keeps its own line handling and value types; they differ in what they accept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

std::string_view TrimBlanks(std::string_view text);

char LowerAscii(char c);
// Key and value names ignore case in the registry; this is the form they are looked up by.
std::string FoldCase(std::string_view text);
// Key names are case-insensitive in the registry, so a hand-edited prefix may differ in case.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

// Escapes `\`, `"` and control characters as \xHH and keeps every other byte raw.
std::string QuoteRegString(std::string_view text);

// The profile's store cannot hold a NUL byte; the registry model can.
enum class NulEscape { kRefuse, kAccept };

// Reads the quoted text starting at text[pos] == '"' and moves pos past its closing quote.
std::optional<std::string> UnquoteRegString(std::string_view text, std::size_t& pos, NulEscape nul,
                                            std::string& error);

// Only the digits after "dword:": the callers differ on whether the prefix ignores case.
std::optional<std::uint32_t> ParseDwordDigits(std::string_view digits);

// A whole `"name"=value` line with its line end; the empty name is the default value `@`.
std::string FormatRegValueLine(std::string_view name, std::string_view text);
std::string FormatRegValueLine(std::string_view name, std::uint32_t number);

struct RegValueLine {
    std::string name;                 // empty for `@`
    std::optional<std::string> text;  // set for a "quoted" value
    std::string_view other;           // otherwise the trimmed value text, for the caller's types
};

// A trimmed line starting with '@' or '"'; the caller names what else a line may be.
std::optional<RegValueLine> ParseRegValueLine(std::string_view line, NulEscape nul,
                                              std::string& error);

}  // namespace settings
