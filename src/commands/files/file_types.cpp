#include "commands/files/file_types.h"

namespace commands::files {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char Folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Greedy match that backtracks only to the last '*': at worst the product of the two
// lengths, and both are as short as a file name.
bool Glob(std::string_view pattern, std::string_view name) {
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t star = std::string_view::npos;
    std::size_t resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || Folded(pattern[p]) == Folded(name[n]))) {
            ++p;
            ++n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace

std::vector<std::string> SplitFileTypes(std::string_view types) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (start <= types.size()) {
        std::size_t end = types.find(';', start);
        if (end == std::string_view::npos)
            end = types.size();
        std::size_t first = start;
        std::size_t last = end;
        while (first < last && IsBlank(types[first]))
            ++first;
        while (last > first && IsBlank(types[last - 1]))
            --last;
        if (last > first)
            fields.emplace_back(types.substr(first, last - first));
        start = end + 1;
    }
    return fields;
}

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
    if (Glob(pattern, name))
        return true;
    // "*.*" and "x.*" take names without an extension too.
    if (pattern.ends_with(".*") && name.find('.') == std::string_view::npos)
        return Glob(pattern.substr(0, pattern.size() - 2), name);
    return false;
}

}  // namespace commands::files
