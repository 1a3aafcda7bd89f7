#include "commands/files/clean_pattern.h"

#include "commands/files/file_types.h"

namespace commands::files {

namespace {

// Letter case ignored as the wildcard match ignores it: A to Z only.
bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] - 'A' + 'a') : a[i];
        const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] - 'A' + 'a') : b[i];
        if (x != y)
            return false;
    }
    return true;
}

}  // namespace

CleanPattern::CleanPattern(std::string field) : field_(std::move(field)) {
    const std::string_view all(field_);
    const std::size_t wild = all.find_first_of("*?");
    if (wild == std::string_view::npos) {
        kind_ = Kind::kExact;
    } else if (wild == 0 && all.size() > 1 && all[0] == '*' &&
               all.find_first_of("*?", 1) == std::string_view::npos) {
        // One leading star and nothing else wild: the name ends with the rest. Never ends in
        // ".*", so the rule for names without a dot does not come in.
        kind_ = Kind::kSuffix;
        literalStart_ = 1;
    }
}

bool CleanPattern::Matches(std::string_view name) const {
    const std::string_view literal = std::string_view(field_).substr(literalStart_);
    switch (kind_) {
        case Kind::kExact:
            return EqualIgnoringCase(name, literal);
        case Kind::kSuffix:
            return name.size() >= literal.size() &&
                   EqualIgnoringCase(name.substr(name.size() - literal.size()), literal);
        case Kind::kWildcard:
            break;
    }
    return MatchesWildcard(field_, name);
}

}  // namespace commands::files
