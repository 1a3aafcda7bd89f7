// Cursors on annotated texts: `^` marks the position, as in the rest of the tests.
#pragma once

#include <algorithm>
#include <string>

#include "analysis/text_cursor.h"
#include "support/annotated_text.h"

namespace analysis {

inline TextCursor CursorAt(const std::string& annotated) {
    const testing_support::Annotated parsed = testing_support::ParseAnnotated(annotated);
    TextCursor cursor(parsed.text);
    cursor.SetPosition(static_cast<int>(parsed.caret.value_or(0)));
    return cursor;
}

inline std::string Where(const TextCursor& cursor) {
    const auto at = static_cast<std::size_t>(cursor.Position());
    return testing_support::Annotate(std::string(cursor.Text()), at, at);
}

inline int LfBefore(const TextCursor& cursor) {
    return static_cast<int>(
        std::count(cursor.Text().begin(), cursor.Text().begin() + cursor.Position(), '\n'));
}

}  // namespace analysis
