// Trimming and word splitting shared by the declaration reader and writer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace analysis {

// White space here is space, tab, CR and LF.
std::string_view TrimLeft(std::string_view text);
std::string_view TrimRight(std::string_view text);
std::string_view Trim(std::string_view text);

// ASCII only; other bytes stay as they are.
std::string AsciiLower(std::string_view text);

// The words of a text split at white space, each without a leading "/*" and a trailing
// "*/", so that words written as comments (/*virtual*/) read as the words; empty words
// are left out.
std::vector<std::string_view> DeclarationWords(std::string_view text);

}  // namespace analysis
