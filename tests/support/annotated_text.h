// Texts for tests written with their caret and selection inline: `^` marks the caret,
// `[[` and `]]` a selection (anchor at `[[`, caret at `]]` unless a `^` says otherwise).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace testing_support {

struct Annotated {
    std::string text;
    std::optional<std::size_t> caret;
    std::optional<std::size_t> anchor;
};

Annotated ParseAnnotated(const std::string& annotated);

// The inverse: marks the caret (and the anchor, when it differs) in the text.
std::string Annotate(const std::string& text, std::size_t anchor, std::size_t caret);

}  // namespace testing_support
