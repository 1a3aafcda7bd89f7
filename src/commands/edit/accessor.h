// Accessor calls as Reverse reads and writes them: obj.GetName() and p->SetName(value), with
// the letter case of "Get"/"Set" carried from the one read to the one written.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace commands::edit {

struct Accessor {
    std::array<bool, 3> upper{};  // per letter of "Get"/"Set": written in upper case
    std::string name;             // after those three letters
    std::string object;           // what stands before: "obj.", "p->" or nothing

    friend bool operator==(const Accessor&, const Accessor&) = default;
};

struct SetterCall {
    Accessor accessor;
    std::string argument;

    friend bool operator==(const SetterCall&, const SetterCall&) = default;
};

// A call of an identifier starting with "Get" (any case) with nothing between its
// parentheses, ending the expression; nothing otherwise.
std::optional<Accessor> ParseGetter(std::string_view expression);

// A call of an identifier starting with "Set" (any case), its argument running from the first
// "(" to the ")" that ends the expression; nothing otherwise.
std::optional<SetterCall> ParseSetter(std::string_view expression);

enum class AccessorKind { kGet, kSet };

std::string MakeAccessor(AccessorKind kind, const Accessor& accessor);

}  // namespace commands::edit
