#pragma once

#include <string>
#include <vector>

#include "editor/ide.h"

namespace editor {

// Nesting deeper than this is taken as a cycle or garbage and not walked.
inline constexpr std::size_t kMaxProjectDepth = 256;

// Appends the full path of every file below the items, depth-first in collection order;
// duplicates stay.
void CollectProjectFiles(const ide::Ref<ide::ProjectItems>& items, std::vector<std::string>& out);

}  // namespace editor
