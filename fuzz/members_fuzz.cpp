// Declarations read from any text: the reading, the text made back from it, and the class
// scope questions at every line of a short text never fail, and names come from the text.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "analysis/class_scope.h"
#include "analysis/collect_members.h"
#include "analysis/member_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    const bool sourceFile = input.ConsumeBool();
    const int line = input.ConsumeIntegralInRange(0, 200);
    const std::string text = input.ConsumeRemainingBytesAsString();

    analysis::MemberList members;
    analysis::CollectMembers(sourceFile, text, "CShape", "public:", line, 1 << 20, false, members);
    analysis::PasteStyle style;
    for (const auto& member : members) {
        const std::string& name = member->Member;
        const bool identifier = std::all_of(
            name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) || c == '_'; });
        if (name.empty() || (identifier && text.find(name) == std::string::npos))
            std::abort();
        member->Generate(1, 24, true, true, false, style);
        member->Generate(0, 0, false, false, true, style);
    }

    std::string className, access;
    analysis::FindClassScope(text, line, className, access);
    analysis::FindDefinitionClass(text, line, className);
    return 0;
}
