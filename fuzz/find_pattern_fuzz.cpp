// The editor's find syntax over any pattern and text: a match found forward is not empty, lies
// in the text, never splits a CR LF, and the mirrored program run back from its end finds a
// match ending there too.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "workbench/find_pattern.h"
#include "workbench/find_program.h"
#include "workbench/find_vm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const bool matchCase = input.ConsumeBool();
    const std::string pattern = input.ConsumeRandomLengthString(64);
    const std::string text = input.ConsumeRemainingBytesAsString();
    const auto root = workbench::ParseFindPattern(pattern, matchCase);
    if (!root)
        return 0;
    const workbench::FindProgram forward = workbench::CompileFindPattern(*root, false);
    const workbench::FindProgram mirrored = workbench::CompileFindPattern(*root, true);
    const auto splitsBreak = [&](std::size_t at) {
        return at > 0 && at < text.size() && text[at - 1] == '\r' && text[at] == '\n';
    };
    const auto match = workbench::RunFindForward(forward, text, 0);
    if (!match)
        return 0;
    if (match->begin >= match->end || match->end > text.size() || splitsBreak(match->begin) ||
        splitsBreak(match->end))
        std::abort();
    const auto back = workbench::RunFindBackward(mirrored, text, match->end);
    if (!back || back->end != match->end)
        std::abort();
    return 0;
}
