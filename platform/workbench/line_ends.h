// Line breaks as the editor sees them: CR LF, a lone LF and a lone CR each end one line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace workbench {

enum class LineEndStyle { kLf, kCrLf, kCr };

// True when the offset stands between the CR and LF of a pair.
bool SplitsLineBreak(std::string_view text, std::size_t offset);

// Every line break of the text written in the given style, as the editor does on paste.
std::string ConvertLineEnds(std::string_view text, LineEndStyle style);

}  // namespace workbench
