#include "commands/edit/accessor.h"

#include "analysis/char_classes.h"

namespace commands::edit {

namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The accessor whose identifier ends right before `open`, when the identifier starts with
// `prefix` (lower case, compared without case).
std::optional<Accessor> AccessorBefore(std::string_view expression, std::size_t open,
                                       std::string_view prefix) {
    std::size_t start = open;
    while (start > 0 && analysis::IsIdentifierChar(expression[start - 1]))
        --start;
    const std::string_view identifier = expression.substr(start, open - start);
    if (identifier.size() < prefix.size())
        return std::nullopt;
    Accessor accessor;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(identifier[i]) != prefix[i])
            return std::nullopt;
        accessor.upper[i] = identifier[i] != prefix[i];
    }
    accessor.name = identifier.substr(prefix.size());
    accessor.object = expression.substr(0, start);
    return accessor;
}

}  // namespace

std::optional<Accessor> ParseGetter(std::string_view expression) {
    const std::size_t call = expression.find("()");
    // A getter with more after it (obj.GetY() + 1) cannot be turned into a setter whole.
    if (call == std::string_view::npos || call + 2 != expression.size())
        return std::nullopt;
    return AccessorBefore(expression, call, "get");
}

std::optional<SetterCall> ParseSetter(std::string_view expression) {
    if (!expression.ends_with(')'))
        return std::nullopt;
    const std::size_t open = expression.find('(');
    if (open == std::string_view::npos)
        return std::nullopt;
    std::optional<Accessor> accessor = AccessorBefore(expression, open, "set");
    if (!accessor)
        return std::nullopt;
    return SetterCall{std::move(*accessor),
                      std::string(expression.substr(open + 1, expression.size() - open - 2))};
}

std::string MakeAccessor(AccessorKind kind, const Accessor& accessor) {
    const char* letters = kind == AccessorKind::kSet ? "set" : "get";
    std::string result = accessor.object;
    for (std::size_t i = 0; i < 3; ++i)
        result += accessor.upper[i] ? static_cast<char>(letters[i] - 'a' + 'A') : letters[i];
    return result + accessor.name;
}

}  // namespace commands::edit
