#pragma once

#include <string>

#include "editor/ide.h"

namespace editor {

struct TabRules {
    long tabSize = 4;
    bool insertTabs = true;
};

// The C/C++ editor's tab rules, when both properties can be read.
std::optional<TabRules> ReadTabRules(ide::Environment& environment);

// Spaces for tabs, at the given size; a size of 0 drops tabs. Columns restart after LF only.
std::string ExpandTabsTo(const std::string& text, long tabSize);

// The text as the editor would have typed it: tabs expanded only when the editor both says
// how wide a tab is and that it does not keep tabs.
std::string ExpandTabs(ide::Environment& environment, const std::string& text);

}  // namespace editor
