#include "commands/members/paste_members.h"

#include "analysis/line_feeds.h"
#include "analysis/text_cursor.h"
#include "commands/members/paste_layout.h"
#include "editor/command_frame.h"

namespace commands::members {

namespace {

constexpr long kFirstColumn = 0;  // of StartOfLine, rather than the first non-blank

analysis::PasteStyle StyleOf(const settings::Settings& settings) {
    analysis::PasteStyle style;
    style.defaultParameters = settings.pasteDefaultParameters != 0;
    style.prefixes = settings.pastePrefixes != 0;
    style.comment = settings.pasteComment != 0;
    style.space = settings.pasteSpace != 0;
    return style;
}

// A '{' opening the caret line already begins a body: only heads are wanted.
bool WantsBodies(std::string_view text, int line) {
    analysis::TextCursor cursor(text);
    cursor.GotoLineColumn(line, 0);
    return cursor.Current() != '{';
}

}  // namespace

void PasteMembers(const CommandContext& context) {
    editor::RunCommand(context.platform, true, [&] {
        if (context.environment == nullptr || context.members == nullptr)
            throw editor::CommandAbort::Silent();
        editor::EditorDocument document(*context.environment, context.platform, context.Kinds());
        if (!document.Attach() || !context.members->has_value())
            throw editor::CommandAbort::Silent();

        ide::TextSelection& selection = *document.Selection();
        selection.StartOfLine(kFirstColumn, !selection.IsEmpty());
        const std::string text = analysis::WithLfLines(document.GetText());
        const int line = static_cast<int>(document.CaretLine());
        const bool withBody = WantsBodies(text, line);
        const PasteLayout layout = LearnPasteLayout(text, line);
        const bool forSource = document.IsSourceFile();
        const analysis::PasteStyle style = StyleOf(context.settings);

        const analysis::MemberList& members = **context.members;
        std::string pasted;
        for (std::size_t i = 0; i < members.size(); ++i) {
            const analysis::MemberRecord& member = *members[i];
            pasted += member.Generate(layout.indent, layout.alignColumn, forSource, withBody, false,
                                      style);
            // An empty line between definitions, none after the last.
            if (member.Function && withBody && forSource && i + 1 < members.size())
                pasted += "\r\n";
        }
        document.InsertText(pasted);
    });
}

}  // namespace commands::members
