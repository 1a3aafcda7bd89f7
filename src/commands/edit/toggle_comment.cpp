#include "commands/edit/toggle_comment.h"

#include <algorithm>
#include <optional>

#include "analysis/char_classes.h"
#include "commands/edit/comment_balance.h"
#include "commands/edit/text_lines.h"

namespace commands::edit {

namespace {

constexpr std::string_view kIfZero = "#if 0";
constexpr std::string_view kEndif = "#endif";

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// A directive word ends where no identifier goes on: "#if 0x1" and "#endifx" are not ours.
bool StartsWithDirective(std::string_view text, std::string_view directive) {
    return text.starts_with(directive) &&
           (text.size() == directive.size() || !analysis::IsIdentifierChar(text[directive.size()]));
}

enum class Form { kNone, kLine, kBlock, kPreprocessor };

// Where the lines that are not blank begin, and which comment form the first of them shows.
struct Detected {
    std::size_t start = 0;
    Form form = Form::kNone;
    std::size_t firstLineLength = 0;
};

Detected Detect(std::string_view text) {
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t start = text.size() - rest.size();
        const std::string_view line = SplitFirstLine(rest);
        if (IsBlank(line))
            continue;
        Form form = Form::kNone;
        if (StartsWithDirective(line, kIfZero))
            form = Form::kPreprocessor;
        else if (line.starts_with("/*"))
            form = Form::kBlock;
        else if (line.starts_with("//"))
            form = Form::kLine;
        return {start, form, line.size()};
    }
    return {};
}

std::string WithoutLineComments(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::string_view rest = text; !rest.empty();) {
        const std::string_view line = SplitFirstLine(rest);
        result += line.starts_with("//") ? line.substr(2) : line;
    }
    return result;
}

// The text with the "/*" at `start` and the last "*/" taken out; nothing when that "*/" is
// missing, part of the opening "/*", or followed by more than white space, or when they are
// not one comment around the text (/* a */ x; /* b */): taking them out would break code.
std::optional<std::string> WithoutBlockComment(std::string_view text, std::size_t start) {
    const std::size_t close = text.rfind("*/");
    if (close == std::string_view::npos || close < start + 2 || !IsBlank(text.substr(close + 2)) ||
        !EnclosedAsOneComment(text.substr(start + 2, close - start - 2)))
        return std::nullopt;
    std::string result(text.substr(0, start));
    result += text.substr(start + 2, close - start - 2);
    result += text.substr(close + 2);
    return result;
}

// The text without its "#if 0" line and its last "#endif" line (one that begins a line);
// nothing when there is no such "#endif" after the "#if 0" line or more than white space
// follows its line. The white space after it stays.
std::optional<std::string> WithoutPreprocessorBlock(std::string_view text, const Detected& found) {
    const std::size_t bodyStart = found.start + found.firstLineLength;
    std::size_t endif = std::string_view::npos;
    // The "#if 0" line is not empty, so every place searched has a character before it.
    for (std::size_t from = std::string_view::npos;; from = endif - 1) {
        endif = text.rfind(kEndif, from);
        if (endif == std::string_view::npos || endif < bodyStart)
            return std::nullopt;
        if (analysis::IsLineBreak(text[endif - 1]) &&
            StartsWithDirective(text.substr(endif), kEndif))
            break;
    }
    std::string_view after = text.substr(endif);
    const std::string_view endifLine = SplitFirstLine(after);
    if (!IsBlank(after))
        return std::nullopt;
    // An "#endif" that ends the text without a line end was put on a line of its own below
    // the text's open last line: that line end goes too.
    std::size_t bodyEnd = endif;
    if (FinalLineEnd(endifLine).empty())
        bodyEnd = std::max(bodyStart, endif - FinalLineEnd(text.substr(0, endif)).size());
    std::string result(text.substr(0, found.start));
    result += text.substr(bodyStart, bodyEnd - bodyStart);
    result += after;
    return result;
}

ToggledText CommentOut(std::string_view text, CommentStyle style, std::string_view lineEnd) {
    const std::string_view finalEnd = FinalLineEnd(text);
    switch (style) {
        case CommentStyle::kBlock:
            if (!finalEnd.empty()) {
                std::string result = "/*";
                result += text.substr(0, text.size() - finalEnd.size());
                result += "*/";
                result += finalEnd;
                return {result, 0};
            }
            return {"/*" + std::string(text) + "*/", 1};
        case CommentStyle::kPreprocessor: {
            const std::string_view newLine = LineEndStyle(text, lineEnd);
            std::string result(kIfZero);
            result += newLine;
            result += text;
            if (text.empty() || !finalEnd.empty()) {
                result += kEndif;
                result += newLine;
                return {result, 2};
            }
            result += newLine;
            result += kEndif;
            return {result, 3};
        }
        case CommentStyle::kLine:
            break;
    }
    std::string result;
    result.reserve(text.size() + text.size() / 8 + 2);
    for (std::string_view rest = text; !rest.empty();) {
        result += "//";
        result += SplitFirstLine(rest);
    }
    return {result, 0};
}

}  // namespace

CommentStyle CommentStyleFromNumber(int number) {
    return number == 1   ? CommentStyle::kBlock
           : number == 2 ? CommentStyle::kPreprocessor
                         : CommentStyle::kLine;
}

ToggledText ToggleComment(std::string_view text, CommentStyle style, std::string_view lineEnd) {
    const Detected found = Detect(text);
    std::optional<std::string> uncommented;
    switch (found.form) {
        case Form::kLine:
            return {WithoutLineComments(text), 0};
        case Form::kBlock:
            uncommented = WithoutBlockComment(text, found.start);
            if (uncommented)
                return {std::move(*uncommented), 0};
            break;
        case Form::kPreprocessor:
            uncommented = WithoutPreprocessorBlock(text, found);
            if (uncommented)
                return {std::move(*uncommented), -2};
            break;
        case Form::kNone:
            break;
    }
    return CommentOut(text, style, lineEnd);
}

std::string ToggleInlineComment(std::string_view text) {
    const std::string_view inner = text.size() >= 4 ? text.substr(2, text.size() - 4) : "";
    if (text.size() >= 4 && text.starts_with("/*") && text.ends_with("*/") &&
        EnclosedAsOneComment(inner))
        return std::string(inner);
    return "/*" + std::string(text) + "*/";
}

}  // namespace commands::edit
