#include "workbench/regex_matcher.h"

#include "editor/ide.h"
#include "workbench/find_program.h"
#include "workbench/find_vm.h"

namespace workbench {
namespace {

class RegexMatcher : public Matcher {
  public:
    explicit RegexMatcher(const PatternNode& root)
        : forward_(CompileFindPattern(root, false)), mirrored_(CompileFindPattern(root, true)) {}

    std::optional<MatchRange> Next(std::string_view text, std::size_t from) const override {
        return RunFindForward(forward_, text, from);
    }
    std::optional<MatchRange> Previous(std::string_view text, std::size_t until) const override {
        return RunFindBackward(mirrored_, text, until);
    }

  private:
    FindProgram forward_;
    FindProgram mirrored_;
};

}  // namespace

std::unique_ptr<Matcher> MakeRegexMatcher(const std::string& pattern, long options) {
    std::optional<PatternNode> root =
        ParseFindPattern(pattern, (options & ide::kFindMatchCase) != 0);
    if (!root)
        return nullptr;
    return std::make_unique<RegexMatcher>(*root);
}

}  // namespace workbench
