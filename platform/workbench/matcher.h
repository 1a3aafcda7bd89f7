// What FindText searches with. The plain matcher is built in; a regular-expression matcher is
// plugged in through a MatcherFactory, and without one a regular-expression find fails.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace workbench {

struct MatchRange {
    std::size_t begin = 0;
    std::size_t end = 0;
};

// A matcher sees the whole text, so a pattern may look at what stands before `from`. It never
// returns a match that begins or ends between the CR and LF of a line break.
class Matcher {
  public:
    virtual ~Matcher() = default;
    // The match that begins nearest at or after `from`.
    virtual std::optional<MatchRange> Next(std::string_view text, std::size_t from) const = 0;
    // The match that ends nearest at or before `until`.
    virtual std::optional<MatchRange> Previous(std::string_view text, std::size_t until) const = 0;
};

// Builds a matcher for a pattern and FindText's option bits; empty for a pattern it rejects.
using MatcherFactory =
    std::function<std::unique_ptr<Matcher>(const std::string& pattern, long options)>;

// Literal bytes; without match case, ASCII letters compare case-insensitively. Linear in the
// text scanned (Knuth-Morris-Pratt).
std::unique_ptr<Matcher> MakePlainMatcher(const std::string& pattern, bool matchCase);

}  // namespace workbench
