// Template expansion of any text with every variable answered by a stand-in: never fails, the
// places it reports lie inside the result, and the result stays in proportion to the template
// times the copied members.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <map>
#include <string>

#include "analysis/member_record.h"
#include "templates/template_expander.h"
#include "templates/variable_source.h"

namespace {

struct FixedVariables : templates::VariableSource {
    std::string selection, text;
    analysis::MemberList members;
    std::string SelectedText() override { return selection; }
    std::string DocumentText() override { return text; }
    long CaretLine() override { return 0; }
    long SelectionTopLine() override { return 1; }
    std::string DocumentPath() override { return "/src/shape.cpp"; }
    editor::PathStyle PathStyle() override { return editor::PathStyle::Posix; }
    std::string SolutionPath() override { return "/src/all.sln"; }
    std::string FirstProjectName() override { return "shape"; }
    std::string Author() override { return "A. Author"; }
    const analysis::MemberList* Members() override { return &members; }
    analysis::PasteStyle PasteStyle() override { return {}; }
    std::optional<std::string> EnvironmentVariable(const std::string& name) override {
        if (name.size() > 3)
            return std::nullopt;
        return "env-" + name;
    }
    std::string FormatTime(const std::string& format) override { return format.substr(0, 127); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    FixedVariables source;
    source.selection = input.ConsumeRandomLengthString(64);
    source.text = input.ConsumeRandomLengthString(256);
    const int memberCount = input.ConsumeIntegralInRange(0, 3);
    for (int i = 0; i < memberCount; ++i) {
        auto record = std::make_unique<analysis::MemberRecord>();
        if (analysis::ParseDeclaration(false, *record, input.ConsumeRandomLengthString(64),
                                       "CShape", "private:"))
            source.members.push_back(std::move(record));
    }
    const std::string text = input.ConsumeRemainingBytesAsString();

    const templates::Expansion expansion = templates::ExpandTemplate(text, source);
    const std::size_t length = expansion.text.size();
    if (expansion.caretOffset > length || expansion.asksBeforeCaret > expansion.asks.size())
        std::abort();
    std::size_t previous = 0;
    for (const templates::AskRecord& ask : expansion.asks) {
        if (ask.position > length || ask.position < previous)
            std::abort();
        previous = ask.position;
    }
    // Every byte of the template gives at most the longest value any variable reads.
    const std::size_t longest = 512 + source.text.size() + source.selection.size();
    if (length > (text.size() + 1) * longest * (source.members.size() + 1))
        std::abort();
    return 0;
}
