#pragma once

#include <string_view>

namespace commands::members {

// Where pasted declarations go in a header: the indentation of the declaration above and
// the column its name starts at, both as display columns (tab width 4).
struct PasteLayout {
    int indent = 0;
    int alignColumn = 0;

    friend bool operator==(const PasteLayout&, const PasteLayout&) = default;
};

// Learned from the nearest ';' above column 0 of the 0-based line; zeros without one.
PasteLayout LearnPasteLayout(std::string_view text, int line);

}  // namespace commands::members
