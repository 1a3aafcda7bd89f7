// Key chords as the IDE's bindings write them ("Text Editor::ctrl+shift+PgDn"), brought to one
// spelling so that two ways of writing the same keys compare equal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace workbench {

// Modifiers lowercase in the order ctrl, alt, shift, then the key lowercase, with the usual
// long key names shortened ("PageDown" -> "pgdn"); strokes of a sequence ("ctrl+k, ctrl+c")
// joined by ", ". A key is one printable character, F1..F24 or a named key (PgDn, Del, Home,
// Tab, Space, Up, ...). Empty when the text is not a chord.
std::optional<std::string> NormalizeChord(const std::string& keys);

struct KeyBinding {
    std::string scope;  // as written
    std::string chord;  // normalized

    // Scope names compare without regard to case, as the IDE's do.
    bool InScope(const std::string& name) const;
    bool operator==(const KeyBinding& other) const;
};

// "Scope::keys"; empty when the scope is empty or the keys are not a chord.
std::optional<KeyBinding> ParseBinding(const std::string& text);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// The one spelling of the names EqualsIgnoringCase takes as equal.
std::string FoldCase(std::string_view text);

// A hash of names that ignore case: names EqualsIgnoringCase takes as equal hash alike.
struct FoldedHash {
    std::size_t operator()(std::string_view text) const;
};

}  // namespace workbench
