#include "commands/navigate/environment_reference.h"

#include <climits>

#include "analysis/text_cursor.h"

namespace commands::navigate {

namespace {

constexpr std::string_view kReferenceStart = "$$(";

// The ')' that closes the '(' at `open`, as the text cursor matches brackets; npos if none.
std::size_t ClosingBracket(const std::string& entry, std::size_t open) {
    // The cursor holds no text this long; such an entry simply has no reference.
    if (entry.size() >= static_cast<std::size_t>(INT_MAX))
        return std::string::npos;
    analysis::TextCursor cursor(entry);
    if (!cursor.SetPosition(static_cast<int>(open)) || cursor.Current() != '(' ||
        !cursor.MatchBracket())
        return std::string::npos;
    const auto close = static_cast<std::size_t>(cursor.Position());
    return close > open && close < entry.size() && entry[close] == ')' ? close : std::string::npos;
}

std::string VariableValue(const std::string& name, sys::Platform& platform) {
    std::string value = platform.GetEnvironmentVariable(name).value_or(std::string());
    // The value is read as a C string: it ends at a NUL.
    const std::size_t nul = value.find('\0');
    if (nul != std::string::npos)
        value.resize(nul);
    if (value.size() > kMaxEnvironmentValue)
        value.clear();
    return value;
}

}  // namespace

std::string ExpandEnvironmentReference(const std::string& entry, sys::Platform& platform) {
    const std::size_t start = entry.find(kReferenceStart);
    if (start == std::string::npos)
        return entry;
    const std::size_t open = start + kReferenceStart.size() - 1;
    const std::size_t close = ClosingBracket(entry, open);
    if (close == std::string::npos)
        return entry;
    const std::string name = entry.substr(open + 1, close - open - 1);
    return entry.substr(0, start) + VariableValue(name, platform) + entry.substr(close + 1);
}

}  // namespace commands::navigate
