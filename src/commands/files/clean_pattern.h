// One field of the clean-up's file types, read once so that matching the many names of a
// large tree costs a comparison of the name's end for the usual "*.ext" and plain names.
#pragma once

#include <string>
#include <string_view>

namespace commands::files {

class CleanPattern {
  public:
    explicit CleanPattern(std::string field);

    const std::string& Field() const { return field_; }
    // The same answer as MatchesWildcard(Field(), name).
    bool Matches(std::string_view name) const;

  private:
    enum class Kind { kExact, kSuffix, kWildcard };

    std::string field_;
    Kind kind_ = Kind::kWildcard;
    // Where the literal part begins in the field: 0, or 1 after a leading '*'.
    std::size_t literalStart_ = 0;
};

}  // namespace commands::files
