// The text cursor against plain recounts: FindAny's match and line, and MatchBracket on texts
// without comment markers, where brackets of one kind simply nest.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "analysis/text_cursor.h"

namespace {

int LinesBefore(const std::string& text, int position) {
    return static_cast<int>(std::count(text.begin(), text.begin() + position, '\n'));
}

// Where the partner of the bracket at `at` stands when nothing is a comment, or -1.
int PlainPartner(const std::string& text, int at) {
    static const std::string opening = "(<[{", closing = ")>]}";
    const char c = text[at];
    const auto open = opening.find(c), close = closing.find(c);
    const char partner = open != std::string::npos ? closing[open] : opening[close];
    const int step = open != std::string::npos ? 1 : -1;
    int depth = 0;
    for (int i = at; i >= 0 && i < static_cast<int>(text.size()); i += step) {
        if (text[i] == c)
            ++depth;
        else if (text[i] == partner && --depth == 0)
            return i;
    }
    return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string needle = input.ConsumeRandomLengthString(8);
    const int start = input.ConsumeIntegral<uint16_t>();
    const int step = input.ConsumeIntegralInRange(-2, 2);
    const bool skipComments = input.ConsumeBool();
    std::string text = input.ConsumeRemainingBytesAsString();
    text.resize(std::min(text.size(), text.find('\0')));  // where the cursor's text ends
    const int length = static_cast<int>(text.size());

    analysis::TextCursor cursor(text);
    if (cursor.SetPosition(start % (length + 1))) {
        const int from = cursor.Position();
        if (cursor.FindAny(step, skipComments, {needle}) == 0) {
            const int at = cursor.Position();
            if (text.compare(at, needle.size(), needle) != 0 || needle.empty())
                std::abort();
            if (step == 0 ? at != from : (at - from) % step != 0 || (at - from) * step < 0)
                std::abort();
        } else if (cursor.Position() != from) {
            std::abort();
        }
        if (cursor.Line() != LinesBefore(text, cursor.Position()))
            std::abort();
    }

    // Each match may cross the whole text: a few on long texts keep the run linear.
    const bool plain = text.find_first_of("/*") == std::string::npos;
    const int tries = length > 65536 ? 2 : 64;
    for (int at = 0; plain && at < length && at < tries; ++at) {
        if (std::string("()<>[]{}").find(text[at]) == std::string::npos)
            continue;
        cursor.SetPosition(at);
        const int expected = PlainPartner(text, at);
        const bool matched = cursor.MatchBracket();
        if (matched != (expected >= 0) || cursor.Position() != (matched ? expected : at))
            std::abort();
        if (cursor.Line() != LinesBefore(text, cursor.Position()))
            std::abort();
    }
    return 0;
}
