// Texts written with LF, run again under every line end the editing commands take.
#pragma once

#include <string>
#include <string_view>

namespace commands::edit::testing {

inline constexpr std::string_view kLineEnds[] = {"\n", "\r\n", "\r"};

inline std::string WithLineEnd(std::string_view text, std::string_view lineEnd) {
    std::string result;
    for (char c : text)
        c == '\n' ? result += lineEnd : result += c;
    return result;
}

}  // namespace commands::edit::testing
