#include "commands/edit/reverse_text.h"

#include "analysis/tab_columns.h"
#include "commands/edit/accessor.h"
#include "commands/edit/text_lines.h"

namespace commands::edit {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// left = right becomes right = left with "=" kept in its column where the new left side
// fits, and the spacing after it as wide as before; a getter on the right becomes a setter.
std::string ReverseAssignment(std::string_view indent, std::string_view statement,
                              std::size_t equals, std::string_view tail) {
    const std::string_view untrimmedLeft = statement.substr(0, equals);
    const std::string_view untrimmedRight = statement.substr(equals + 1);
    const int column = analysis::ColumnWidth(std::string(indent) += untrimmedLeft, false);
    const int gap = analysis::ColumnWidth(untrimmedRight, true);
    const std::string_view left = Trimmed(untrimmedLeft);
    const std::string_view right = Trimmed(untrimmedRight);

    std::string result;
    if (std::optional<Accessor> getter = ParseGetter(right)) {
        result = indent;
        result += MakeAccessor(AccessorKind::kSet, *getter);
        result += '(';
        result += left;
        result += ')';
    } else {
        result = analysis::PadToColumn(std::string(indent) += right, column);
        result += '=';
        result += analysis::MakeIndent(gap, false);
        result += left;
    }
    result += tail;
    return result;
}

}  // namespace

std::string ReverseStatement(std::string_view line) {
    const std::size_t start = std::min(line.find_first_not_of(" \t\r\n"), line.size());
    const std::size_t semicolon = line.find(';', start);
    if (semicolon == std::string_view::npos)
        return std::string(line);
    const std::string_view indent = line.substr(0, start);
    const std::string_view statement = line.substr(start, semicolon - start);
    const std::string_view tail = line.substr(semicolon);

    if (const std::size_t equals = statement.find('='); equals != std::string_view::npos)
        return ReverseAssignment(indent, statement, equals, tail);

    std::size_t shift = statement.find("<<");
    if (shift == std::string_view::npos)
        shift = statement.find(">>");
    std::string result(indent);
    if (shift != std::string_view::npos) {
        result += statement.substr(0, shift);
        result += statement[shift] == '<' ? ">>" : "<<";
        result += statement.substr(shift + 2);
    } else if (std::optional<SetterCall> setter = ParseSetter(statement)) {
        const std::string getter = MakeAccessor(AccessorKind::kGet, setter->accessor) + "()";
        if (std::optional<Accessor> inner = ParseGetter(setter->argument)) {
            result += MakeAccessor(AccessorKind::kSet, *inner);
            result += '(';
            result += getter;
            result += ')';
        } else {
            result += setter->argument;
            result += '=';
            result += getter;
        }
    } else {
        return std::string(line);
    }
    result += tail;
    return result;
}

std::string ReverseLines(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::string_view rest = text; !rest.empty();) {
        const std::string_view line = SplitFirstLine(rest);
        const std::string_view lineEnd = FinalLineEnd(line);
        result += ReverseStatement(line.substr(0, line.size() - lineEnd.size()));
        result += lineEnd;
    }
    return result;
}

std::string ReverseText(std::string_view text) {
    std::string result = ReverseLines(text);
    if (!text.empty() && FinalLineEnd(text).empty())
        result += LineEndStyle(text, "\r\n");
    return result;
}

}  // namespace commands::edit
