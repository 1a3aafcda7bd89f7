// Reversing statements on any text: never fails, keeps every line, and stays in proportion to
// the text.
#include <cstdlib>
#include <string>

#include "commands/edit/reverse_text.h"
#include "commands/edit/text_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string reversed = commands::edit::ReverseLines(text);
    if (commands::edit::CountLineEnds(reversed) != commands::edit::CountLineEnds(text) ||
        reversed.size() > 4 * size + 64)
        std::abort();
    if (!text.empty() && commands::edit::FinalLineEnd(commands::edit::ReverseText(text)).empty())
        std::abort();
    return 0;
}
