// The Browse filter kept from key to key. A filter that contains the one before it can only
// list fewer entries, so typing and pasting narrow the previous result instead of reading the
// whole list again, and going back (Backspace) finds the shorter filter's result kept; the
// entries are lowered once per list, never per key.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "commands/navigate/browse_entries.h"

namespace commands::navigate {

class BrowseFilter {
  public:
    // What FilterEntries(entries, filter) gives. `list` names the entries' contents: a new
    // value means a new list, and everything kept is dropped.
    const std::vector<std::size_t>& Apply(const BrowseEntries& entries, std::size_t list,
                                          std::string_view filter);

  private:
    struct Step {
        std::string filter;  // lowered; contains the filter of the step before
        std::vector<std::size_t> listed;
    };

    std::size_t list_ = 0;
    bool loaded_ = false;
    std::string keys_;                 // every shown text lowered, one after the other
    std::vector<std::size_t> starts_;  // where each begins in keys_, and the end
    std::vector<Step> steps_;          // the first has the empty filter: every entry
};

}  // namespace commands::navigate
