#include "workbench/matcher.h"

#include <algorithm>
#include <vector>

#include "workbench/line_ends.h"

namespace workbench {
namespace {

char Fold(char c, bool matchCase) {
    return !matchCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Knuth-Morris-Pratt over a pattern already folded; scans one way only, so a backward search
// runs it over the reversed pattern.
class Automaton {
  public:
    Automaton(std::string pattern, bool matchCase)
        : pattern_(std::move(pattern)), matchCase_(matchCase), border_(pattern_.size(), 0) {
        for (char& c : pattern_)
            c = Fold(c, matchCase_);
        std::size_t k = 0;
        for (std::size_t i = 1; i < pattern_.size(); ++i) {
            while (k > 0 && pattern_[i] != pattern_[k])
                k = border_[k - 1];
            if (pattern_[i] == pattern_[k])
                ++k;
            border_[i] = k;
        }
    }

    std::size_t Size() const { return pattern_.size(); }

    // Feeds one character; true when the whole pattern has just been matched.
    bool Step(std::size_t& state, char c) const {
        c = Fold(c, matchCase_);
        if (state == pattern_.size())
            state = border_[state - 1];
        while (state > 0 && pattern_[state] != c)
            state = border_[state - 1];
        if (pattern_[state] == c)
            ++state;
        return state == pattern_.size();
    }

  private:
    std::string pattern_;
    bool matchCase_;
    std::vector<std::size_t> border_;
};

bool Acceptable(std::string_view text, MatchRange match) {
    return !SplitsLineBreak(text, match.begin) && !SplitsLineBreak(text, match.end);
}

class PlainMatcher : public Matcher {
  public:
    PlainMatcher(const std::string& pattern, bool matchCase)
        : forward_(pattern, matchCase), backward_({pattern.rbegin(), pattern.rend()}, matchCase) {}

    std::optional<MatchRange> Next(std::string_view text, std::size_t from) const override {
        std::size_t state = 0;
        for (std::size_t i = from; i < text.size(); ++i) {
            if (!forward_.Step(state, text[i]))
                continue;
            MatchRange match{i + 1 - forward_.Size(), i + 1};
            if (Acceptable(text, match))
                return match;
        }
        return std::nullopt;
    }

    std::optional<MatchRange> Previous(std::string_view text, std::size_t until) const override {
        std::size_t state = 0;
        for (std::size_t i = std::min(until, text.size()); i > 0; --i) {
            if (!backward_.Step(state, text[i - 1]))
                continue;
            MatchRange match{i - 1, i - 1 + backward_.Size()};
            if (Acceptable(text, match))
                return match;
        }
        return std::nullopt;
    }

  private:
    Automaton forward_;
    Automaton backward_;
};

}  // namespace

std::unique_ptr<Matcher> MakePlainMatcher(const std::string& pattern, bool matchCase) {
    if (pattern.empty())
        return nullptr;
    return std::make_unique<PlainMatcher>(pattern, matchCase);
}

}  // namespace workbench
