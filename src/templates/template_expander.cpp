#include "templates/template_expander.h"

#include <optional>

#include "analysis/class_scope.h"
#include "analysis/line_feeds.h"
#include "analysis/text_cursor.h"
#include "editor/split_path.h"
#include "templates/bracket_table.h"
#include "templates/member_variables.h"

namespace templates {

namespace {

// A longer environment value is read as empty, as a fixed buffer of this size would leave it.
constexpr std::size_t kEnvironmentBuffer = 1024;

enum class Kind { kUnknown, kValue, kAlways, kCursor, kAsk };

struct Value {
    Kind kind = Kind::kUnknown;
    std::string text;  // for kAsk the prompt
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string ChangeCase(std::string text, bool upper) {
    for (char& c : text) {
        if (upper && c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (!upper && c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// The text between `head` (which ends with '(') and the first ')' after it.
std::optional<std::string_view> Argument(std::string_view name, std::string_view head) {
    const std::size_t close = name.find(')', head.size());
    if (close == std::string_view::npos)
        return std::nullopt;
    return name.substr(head.size(), close - head.size());
}

class Expander {
  public:
    Expander(VariableSource& source, Expansion& out, int nesting)
        : source_(source), out_(out), nesting_(nesting) {}

    // Expands `text` onto `written`, pass after pass while a member asks for another.
    void Run(std::string_view text, ExpandedText& written) {
        const BracketTable brackets(text);
        for (int pass = 0;; ++pass) {
            repeat_ = false;
            std::size_t mark = 0;
            std::size_t from = 0;
            while ((from = text.find('$', from)) != std::string_view::npos) {
                const bool env = text.substr(from).starts_with("$$(");
                if (!env && !text.substr(from).starts_with("$(")) {
                    ++from;
                    continue;
                }
                written.Append(text.substr(mark, from - mark));
                const std::size_t open = from + (env ? 2 : 1);
                const long close = brackets.Partner(open);
                if (close < 0) {
                    written.Append(text.substr(from, open + 1 - from));
                    mark = from = open + 1;
                    continue;
                }
                const std::size_t after = static_cast<std::size_t>(close) + 1;
                Variable(text.substr(from, after - from), text.substr(open + 1, close - open - 1),
                         env, pass, written);
                mark = from = after;
            }
            written.Append(text.substr(mark));
            if (!repeat_)
                return;
        }
    }

  private:
    void Variable(std::string_view whole, std::string_view inner, bool env, int pass,
                  ExpandedText& written) {
        std::string_view name = inner;
        std::string_view fallback;
        const std::size_t slash = inner.rfind('/');
        const std::size_t paren = inner.rfind(')');
        if (slash != std::string_view::npos && (paren == std::string_view::npos || slash > paren)) {
            name = inner.substr(0, slash);
            fallback = inner.substr(slash + 1);
        }

        Value value;
        if (env) {
            value.kind = Kind::kValue;
            const std::optional<std::string> found = source_.EnvironmentVariable(std::string(name));
            if (found && found->size() < kEnvironmentBuffer)
                value.text = *found;
        } else {
            value = Evaluate(name, pass, written);
        }

        switch (value.kind) {
            case Kind::kUnknown:
                written.Append(whole);
                return;
            case Kind::kCursor:
                out_.caretRequested = true;
                out_.caretLine = source_.SelectionTopLine() + written.End().lineBreaks;
                out_.caretColumn = 1 + written.End().width;
                out_.caretOffset = written.Offset();
                out_.asksBeforeCaret = out_.asks.size();
                break;
            case Kind::kAsk:
                out_.asks.push_back(
                    {std::move(value.text), std::string(fallback), written.Offset()});
                return;
            case Kind::kValue:
            case Kind::kAlways:
                break;
        }
        written.Append(value.text.empty() ? fallback : value.text);
    }

    Value Evaluate(std::string_view name, int pass, const ExpandedText& written) {
        std::size_t begin = 0;
        while (begin < name.size() && IsBlank(name[begin]))
            ++begin;
        std::size_t end = name.size();
        while (end > begin && IsBlank(name[end - 1]))
            --end;
        const std::string_view prefix = name.substr(0, begin);
        const std::string_view core = name.substr(begin, end - begin);
        const std::string_view suffix = name.substr(end);
        const auto framed = [&](std::string text, Kind kind = Kind::kValue) {
            if (text.empty() && kind == Kind::kValue)
                return Value{kind, {}};
            return Value{kind, std::string(prefix) + text + std::string(suffix)};
        };

        if (core == "cursor")
            return {Kind::kCursor, {}};
        if (core.starts_with("toupper(") || core.starts_with("tolower(")) {
            std::optional<std::string> cased = CaseChange(core, prefix, written);
            if (!cased)
                return {};
            return framed(std::move(*cased), Kind::kAlways);
        }
        if (core == "selection")
            return framed(source_.SelectedText(), Kind::kAlways);
        if (core == "class" || core == "access") {
            std::string className;
            std::string access;
            const std::string text = analysis::WithLfLines(source_.DocumentText());
            const int line = static_cast<int>(source_.CaretLine());
            const bool inBody = analysis::FindClassScope(text, line, className, access);
            if (core == "access")
                return framed(inBody ? access : std::string());
            if (!inBody)
                analysis::FindDefinitionClass(text, line, className);
            return framed(className);
        }
        if (core == "solution") {
            const std::string path = source_.SolutionPath();
            return framed(path.empty() ? std::string()
                                       : editor::SplitPath(path, source_.PathStyle()).baseName);
        }
        if (core == "project")
            return framed(source_.FirstProjectName());
        if (core == "author")
            return framed(source_.Author());
        if (core.starts_with("ask(")) {
            const std::optional<std::string_view> prompt = Argument(core, "ask(");
            if (!prompt)
                return {};
            return {Kind::kAsk, std::string(*prompt)};
        }
        if (core.starts_with("time(")) {
            const std::optional<std::string_view> format = Argument(core, "time(");
            if (!format)
                return {};
            return framed(source_.FormatTime(std::string(*format)));
        }
        if (core.starts_with("file.")) {
            std::optional<std::string> file = FileVariable(core.substr(5));
            if (!file)
                return {};
            return framed(std::move(*file));
        }
        if (core.starts_with("member.")) {
            const analysis::MemberList* members = source_.Members();
            const std::size_t count = members != nullptr ? members->size() : 0;
            const std::size_t index = static_cast<std::size_t>(pass);
            if (index + 1 < count)
                repeat_ = true;
            const analysis::PasteStyle style = source_.PasteStyle();
            static const analysis::MemberRecord kNoMember;
            const analysis::MemberRecord& member = index < count ? *(*members)[index] : kNoMember;
            std::optional<std::string> rendered = MemberVariable(member, core.substr(7), style);
            if (!rendered)
                return {};
            return framed(index < count ? std::move(*rendered) : std::string());
        }
        return {};
    }

    // toupper( X ) and tolower( X ): X and one blank expanded as a template of its own, which
    // repeats per member by itself, then the blank dropped and the case changed.
    std::optional<std::string> CaseChange(std::string_view core, std::string_view prefix,
                                          const ExpandedText& written) {
        if (nesting_ >= kMaxCaseNesting)
            return std::nullopt;
        constexpr int kOpen = 7;  // the '(' of "toupper(" and "tolower("
        analysis::TextCursor cursor(core);
        cursor.SetPosition(kOpen);
        if (!cursor.MatchBracket())
            return std::nullopt;
        std::string inner(
            core.substr(kOpen + 1, static_cast<std::size_t>(cursor.Position()) - kOpen - 1));
        inner += ' ';
        // The nested text continues where the value will stand, so the caret and the answers
        // it records are placed in the whole result.
        TextEnd start = written.End();
        start.Advance(prefix);
        ExpandedText nested(start);
        Expander(source_, out_, nesting_ + 1).Run(inner, nested);
        std::string value = std::move(nested.Text());
        value.pop_back();
        return ChangeCase(std::move(value), core.starts_with("toupper("));
    }

    std::optional<std::string> FileVariable(std::string_view sub) {
        const std::string path = source_.DocumentPath();
        if (sub == "full")
            return path;
        const editor::PathParts parts = editor::SplitPath(path, source_.PathStyle());
        if (sub == "path")
            return parts.directory;
        if (sub == "short")
            return parts.baseName;
        if (sub == "ext")
            return parts.extension;
        if (sub == "name")
            return parts.baseName + "." + parts.extension;
        return std::nullopt;
    }

    VariableSource& source_;
    Expansion& out_;
    int nesting_;
    bool repeat_ = false;
};

}  // namespace

Expansion ExpandTemplate(std::string_view text, VariableSource& source) {
    Expansion out;
    ExpandedText written;
    Expander(source, out, 0).Run(text, written);
    out.text = std::move(written.Text());
    return out;
}

}  // namespace templates
