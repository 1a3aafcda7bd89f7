// A member template expanded once per copied member: a hundred times the members should take
// a hundred times as long.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "templates/template_expander.h"
#include "templates/variable_source.h"

namespace {

// Copied members and nothing else.
class CopiedMembers : public templates::VariableSource {
  public:
    explicit CopiedMembers(std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            auto record = std::make_unique<analysis::MemberRecord>();
            const std::string declaration = "const CString& m_strField" + std::to_string(i) +
                                            "(int nIndex, BOOL bCopy = FALSE) const;";
            analysis::ParseDeclaration(false, *record, declaration, "CShape", "public:");
            members_.push_back(std::move(record));
        }
    }
    std::string SelectedText() override { return {}; }
    std::string DocumentText() override { return {}; }
    long CaretLine() override { return 0; }
    long SelectionTopLine() override { return 1; }
    std::string DocumentPath() override { return "/src/shape.h"; }
    editor::PathStyle PathStyle() override { return editor::PathStyle::Posix; }
    std::string SolutionPath() override { return {}; }
    std::string FirstProjectName() override { return {}; }
    std::string Author() override { return {}; }
    const analysis::MemberList* Members() override { return &members_; }
    analysis::PasteStyle PasteStyle() override { return {}; }
    std::optional<std::string> EnvironmentVariable(const std::string&) override {
        return std::nullopt;
    }
    std::string FormatTime(const std::string&) override { return {}; }

  private:
    analysis::MemberList members_;
};

// The member renderings, an ask and the caret in each copy. Not a member variable inside
// toupper( or tolower(: that expands for every member within every copy, n * n by design.
constexpr const char* kAccessor =
    "\t// $(member.access) $(member.header)\r\n"
    "\t$(member.typeshort) Get$(member.uname)($(member.params)) const"
    " { return $(member.name); }$(cursor)\r\n"
    "\t$(member.source);\r\n"
    "\t$(toupper($(file.short))) $(ask(Suffix))\r\n";

void BM_ExpandMemberTemplate(benchmark::State& state) {
    CopiedMembers source(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const templates::Expansion expansion = templates::ExpandTemplate(kAccessor, source);
        bytes = expansion.text.size();
        benchmark::DoNotOptimize(expansion.text.data());
    }
    state.counters["bytes_out"] = static_cast<double>(bytes);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ExpandMemberTemplate)
    ->ArgName("members")
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
