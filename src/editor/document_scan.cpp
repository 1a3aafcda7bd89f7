#include "analysis/file_member_scanner.h"
#include "analysis/line_feeds.h"
#include "editor/editor_document.h"

namespace editor {

void EditorDocument::ScanFileMembers(std::vector<std::string>& names,
                                     std::vector<std::uint32_t>& lines, bool showClasses) {
    analysis::ScanFileMembers(analysis::WithLfLines(GetText()), showClasses, names, lines);
}

}  // namespace editor
