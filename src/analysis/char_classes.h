// The character classes the C/C++ scanning shares; plain 8-bit text, no locale.
#pragma once

namespace analysis {

constexpr bool IsWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

constexpr bool IsLineBreak(char c) {
    return c == '\r' || c == '\n';
}

constexpr bool IsIdentifierChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '~';
}

constexpr bool IsOperatorChar(char c) {
    switch (c) {
        case '*':
        case '/':
        case '+':
        case '-':
        case '&':
        case '!':
        case '=':
        case '^':
        case '<':
        case '>':
        case '|':
            return true;
        default:
            return false;
    }
}

}  // namespace analysis
