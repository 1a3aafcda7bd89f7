#include "commands/navigate/browse_filter.h"

#include <numeric>

namespace commands::navigate {

const std::vector<std::size_t>& BrowseFilter::Apply(const BrowseEntries& entries, std::size_t list,
                                                    std::string_view filter) {
    if (!loaded_ || list != list_ || starts_.size() != entries.Size() + 1) {
        loaded_ = true;
        list_ = list;
        keys_.clear();
        starts_.assign(1, 0);
        for (const std::string& text : entries.shown) {
            keys_ += LowerCase(text);
            starts_.push_back(keys_.size());
        }
        steps_.assign(1, Step{{}, std::vector<std::size_t>(entries.Size())});
        std::iota(steps_[0].listed.begin(), steps_[0].listed.end(), std::size_t{0});
    }
    const std::string wanted = LowerCase(filter);
    // Back to the last step whose filter the new one contains; the first always qualifies.
    while (steps_.size() > 1 && wanted.find(steps_.back().filter) == std::string::npos)
        steps_.pop_back();
    if (steps_.back().filter == wanted)
        return steps_.back().listed;
    std::vector<std::size_t> listed;
    const std::string_view keys(keys_);
    for (std::size_t i : steps_.back().listed) {
        if (keys.substr(starts_[i], starts_[i + 1] - starts_[i]).find(wanted) != keys.npos)
            listed.push_back(i);
    }
    steps_.push_back({wanted, std::move(listed)});
    return steps_.back().listed;
}

}  // namespace commands::navigate
