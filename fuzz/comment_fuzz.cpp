// Commenting out and back in, in each style: whole lines (as the command takes them) that one
// toggle commented out come back as they were from the next. The one-line form gives back a
// line without "*/" when toggled twice.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "commands/edit/toggle_comment.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using commands::edit::ToggleComment;
    FuzzedDataProvider input(data, size);
    const auto style = commands::edit::CommentStyleFromNumber(input.ConsumeIntegral<int8_t>());
    const std::string lineEnd = input.ConsumeBool() ? "\r\n" : "\n";
    std::string text = input.ConsumeRemainingBytesAsString();
    if (!text.empty() && text.back() != '\n' && text.back() != '\r')
        text += lineEnd;

    // Commenting out only adds, commenting in only takes away. A "*/" in the lines ends a
    // block comment put around them early: they cannot be commented out that way.
    const std::string once = ToggleComment(text, style, lineEnd).text;
    const bool blockable =
        style != commands::edit::CommentStyle::kBlock || text.find("*/") == std::string::npos;
    if (blockable && once.size() > text.size() && ToggleComment(once, style, lineEnd).text != text)
        std::abort();

    const std::string line = text.substr(0, text.find_first_of("\r\n"));
    const std::string inline_ = commands::edit::ToggleInlineComment(line);
    if (line.find("*/") == std::string::npos &&
        commands::edit::ToggleInlineComment(inline_) != line)
        std::abort();
    return 0;
}
