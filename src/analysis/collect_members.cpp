#include "analysis/collect_members.h"

#include <memory>
#include <string>

#include "analysis/text_cursor.h"

namespace analysis {

void CollectMembers(bool sourceFile, std::string_view text, std::string_view className,
                    std::string_view access, int line, int count, bool firstOnly,
                    MemberList& members) {
    // The cursor ends its text at a NUL; the appended brace must come before any.
    std::string copy(text.substr(0, text.find('\0')));
    copy += " { ";
    TextCursor cursor(copy);
    cursor.GotoLineColumn(line, 0);
    const long long lastLine = static_cast<long long>(line) + count;
    CursorMark start = cursor.GetMark();
    for (;;) {
        const int terminator = cursor.FindAny(1, true, {";", "{"});
        if (terminator < 0 || cursor.Line() > lastLine)
            return;
        const std::string declaration = cursor.Slice(start, cursor.MarkAt(1));
        bool last = false;
        if (terminator == 1)
            last = !cursor.MatchBracket();
        else
            cursor.Move(1);
        auto record = std::make_unique<MemberRecord>();
        if (ParseDeclaration(sourceFile, *record, declaration, className, access))
            members.push_back(std::move(record));
        if (firstOnly || last)
            return;
        start = cursor.GetMark();
    }
}

}  // namespace analysis
