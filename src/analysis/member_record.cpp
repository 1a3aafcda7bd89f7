// The record's setters and the queries that read it; the reader and the writer are in
// member_parser.cpp and member_generator.cpp.
#include <array>

#include "analysis/declaration_words.h"
#include "analysis/member_record.h"

namespace analysis {

namespace {

// A trimmed text without one leading `open` and one trailing `close`, trimmed again.
std::string_view StripMarkers(std::string_view text, std::string_view open,
                              std::string_view close) {
    text = Trim(text);
    if (!open.empty() && text.starts_with(open)) {
        text.remove_prefix(open.size());
    }
    if (!close.empty() && text.ends_with(close)) {
        text.remove_suffix(close.size());
    }
    return Trim(text);
}

constexpr std::size_t kLongestImplementationMacro = 14;  // STDMETHODIMPV_

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

}  // namespace

void MemberRecord::SetType(std::string_view text) {
    Type = std::string(Trim(text));
    if (Type == "STDMETHODIMP" || Type == "STDMETHODIMP_" || Type == "STDMETHODIMPV" ||
        Type == "STDMETHODIMPV_") {
        Macro = "STDMETHOD" + Type.substr(12);
        Type.clear();
    }
}

void MemberRecord::SetAccess(std::string_view text) {
    const std::string access = AsciiLower(Trim(text));
    Access = access.starts_with("public") ? 0 : access.starts_with("protected") ? 1 : 2;
}

void MemberRecord::SetValue(std::string_view text) {
    if (text.starts_with('=')) {
        text.remove_prefix(1);
    }
    Value = std::string(Trim(text));
}

void MemberRecord::AddParam(std::string_view text) {
    const std::size_t equals = text.rfind('=');
    if (equals == std::string_view::npos) {
        Param.emplace_back(Trim(text));
        ParamDefault.emplace_back();
        return;
    }
    // Trimmed before the markers go, so "int n /* = 0 */" reads like "int n /*= 0*/".
    Param.emplace_back(StripMarkers(text.substr(0, equals), "", "/*"));
    ParamDefault.emplace_back(StripMarkers(text.substr(equals + 1), "", "*/"));
}

void MemberRecord::SetSpecifiers(std::string_view text) {
    Glued = text.empty() || (text.back() != ' ' && text.back() != '\t');
    Specifiers.clear();
    static constexpr std::array<std::string_view, 2> kKeptSpecifiers = {"volatile", "afx_msg"};
    bool typeTrimmed = false;
    for (std::string_view word : DeclarationWords(text)) {
        const std::string lower = AsciiLower(word);
        if (lower == "static") {
            Static = true;
        } else if (lower == "mutable") {
            Mutable = true;
        } else if (lower == "virtual") {
            Virtual = true;
        } else if (lower == "inline") {
            Inline = true;
        } else if (lower == "extern") {
            Extern = true;
        } else if (lower == kKeptSpecifiers[0] || lower == kKeptSpecifiers[1]) {
            Specifiers += ' ';
            Specifiers += word;
        } else {
            // SetType of the old type, a space and the word, without copying the type
            // once per word.
            if (!typeTrimmed) {
                Type = std::string(Trim(Type));
                typeTrimmed = true;
            }
            if (!Type.empty()) {
                Type += ' ';
            }
            Type += word;
            if (Type.size() <= kLongestImplementationMacro) {
                SetType(Type);
            }
        }
    }
    Specifiers = std::string(TrimLeft(Specifiers));
}

void MemberRecord::SetPostfix(std::string_view text) {
    Postfix.clear();
    for (std::string_view word : DeclarationWords(text)) {
        if (AsciiLower(word) == "const") {
            Const = true;
        } else {
            Postfix += ' ';
            Postfix += word;
        }
    }
    Postfix = std::string(TrimLeft(Postfix));
}

bool MemberRecord::IsConstructor() const {
    return !Member.empty() && Member == Class;
}

bool MemberRecord::IsDestructor() const {
    return Member.starts_with('~');
}

std::string MemberRecord::AccessText() const {
    switch (Access) {
        case 0:
            return "public";
        case 1:
            return "protected";
        case 2:
            return "private";
        default:
            return {};
    }
}

std::string MemberRecord::NameWithoutScopePrefix() const {
    return Member.size() >= 2 && Member[1] == '_' ? Member.substr(2) : Member;
}

std::string MemberRecord::PropertyName() const {
    std::string name = NameWithoutScopePrefix();
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (IsUpper(name[i])) {
            return name.substr(i);
        }
    }
    return name;
}

std::string MemberRecord::CapitalizedName() const {
    std::string name = NameWithoutScopePrefix();
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') {
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    }
    return name;
}

std::string MemberRecord::BaseType() const {
    std::string_view type = Type;
    if (type.ends_with('*') || type.ends_with('&')) {
        type.remove_suffix(1);
    }
    return std::string(TrimRight(type));
}

}  // namespace analysis
