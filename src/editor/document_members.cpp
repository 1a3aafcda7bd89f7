#include <algorithm>
#include <string>

#include "analysis/class_scope.h"
#include "analysis/collect_members.h"
#include "analysis/line_feeds.h"
#include "editor/editor_document.h"

namespace editor {

void EditorDocument::CollectMembers(std::string_view text, std::string_view className,
                                    std::string_view access, int line, int count, bool firstOnly,
                                    analysis::MemberList& members) const {
    analysis::CollectMembers(IsSourceFile(), text, className, access, line, count, firstOnly,
                             members);
}

bool EditorDocument::MemberAtCaret(analysis::MemberRecord& record) {
    const long line = CaretLine();
    if (line < 0)
        return false;
    const std::string text = analysis::WithLfLines(GetText());
    std::string className;
    std::string access;
    analysis::FindClassScope(text, static_cast<int>(line), className, access);
    analysis::MemberList members;
    CollectMembers(text, className, access, static_cast<int>(line), 1, true, members);
    if (members.empty()) {
        // A declaration over more lines is read when it is selected: its terminator may
        // stand on any line of the selection.
        const std::string selected = analysis::WithLfLines(GetSelectedText(false));
        const auto lines = std::count(selected.begin(), selected.end(), '\n');
        if (!selected.empty())
            CollectMembers(selected, className, access, 0,
                           static_cast<int>(std::max<long long>(1, lines)), true, members);
    }
    if (members.empty())
        return false;
    record = *members.front();
    return true;
}

}  // namespace editor
