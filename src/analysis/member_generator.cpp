// The text made from a MemberRecord: a declaration for a class body in a header, or the
// empty definition for a source file. Lines end with CR LF.
#include "analysis/declaration_words.h"
#include "analysis/member_record.h"
#include "analysis/tab_columns.h"

namespace analysis {

namespace {

// The inverse of the mapping SetType makes from an implementation macro.
std::string ImplementationMacro(const std::string& macro) {
    if (macro == "STDMETHODIMP") {
        return macro;
    }
    if (macro == "STDMETHOD_") {
        return "STDMETHODIMP_";
    }
    if (macro == "STDMETHODV") {
        return "STDMETHODIMPV";
    }
    if (macro == "STDMETHODV_") {
        return "STDMETHODIMPV_";
    }
    return macro + "IMP";
}

bool EndsWithBlank(const std::string& text) {
    return !text.empty() && (text.back() == ' ' || text.back() == '\t');
}

}  // namespace

std::string MemberRecord::GetPrefix(bool forSource, const PasteStyle& style) const {
    std::string prefix;
    if (!Macro.empty() && forSource) {
        prefix += ' ' + ImplementationMacro(Macro) + ' ';
    }
    if (Extern && !forSource) {
        prefix += " extern";
    }
    if (!forSource || style.prefixes) {
        // A source file shows the header's keywords as comments.
        const auto word = [&](std::string_view text) {
            prefix += forSource ? " /*" + std::string(text) + "*/" : ' ' + std::string(text);
        };
        const std::pair<bool, std::string_view> flagged[] = {
            {Inline, "inline"}, {Static, "static"}, {Mutable, "mutable"}, {Virtual, "virtual"}};
        for (const auto& [set, text] : flagged) {
            if (set) {
                word(text);
            }
        }
        if (!Specifiers.empty()) {
            word(Specifiers);
        }
    }
    return std::string(Trim(prefix));
}

std::string MemberRecord::GetValueText(bool plain) const {
    if (Value.empty()) {
        return {};
    }
    return plain ? "=" + Value : " /*=" + Value + "*/";
}

std::string MemberRecord::ParamListText(bool forSource, const PasteStyle& style) const {
    std::string list;
    for (std::size_t i = 0; i < Param.size(); ++i) {
        list += style.space ? ", " : ",";
        list += Param[i];
        const std::string& fallback = i < ParamDefault.size() ? ParamDefault[i] : std::string();
        if (fallback.empty()) {
            continue;
        }
        if (!forSource) {
            list += "=" + fallback;
        } else if (style.defaultParameters) {
            list += " /*=" + fallback + "*/";
        }
    }
    const std::size_t first = list.find_first_not_of(", ");
    return first == std::string::npos ? std::string() : list.substr(first);
}

std::string MemberRecord::DeclTail(bool forSource, const PasteStyle& style) const {
    std::string tail = !forSource && !Macro.empty() ? Macro + "(" + Member + ")" : Member;
    if (Function) {
        tail += "(" + ParamListText(forSource, style) + ")";
    }
    return tail;
}

std::string MemberRecord::PostfixText() const {
    // Spaced from const, or "void f() const = 0" would come back as "const= 0".
    std::string text = Function && Const ? "const" : "";
    if (!text.empty() && !Postfix.empty()) {
        text += ' ';
    }
    text += Postfix;
    return std::string(Trim(text));
}

std::string MemberRecord::Generate(int indent, int alignColumn, bool forSource, bool withBody,
                                   bool noTerminator, const PasteStyle& style) const {
    std::string s(Trim(GetPrefix(forSource, style) + " " + Type));
    const bool headerLine = !forSource && !noTerminator;
    if (headerLine && !Class.empty()) {
        s = MakeIndent(indent, true) + s;
    }
    if (headerLine && !IsConstructor() && !IsDestructor() && Macro.empty()) {
        const int width = ColumnWidth(s, false);
        s += MakeIndent(alignColumn - width / kTabWidth * kTabWidth, true);
    } else {
        // Glued keeps a name on its type (char *p); with no type there is nothing to keep.
        if (!s.empty() && !EndsWithBlank(s) && !(Glued && !Type.empty())) {
            s += ' ';
        }
        if (forSource && !Class.empty()) {
            s += Class + "::";
        }
    }
    s += DeclTail(forSource, style);
    const std::string postfix = PostfixText();
    if (!postfix.empty() && postfix.front() != '[') {
        s += ' ';
    }
    s += postfix;
    // After the array dimensions, where C++ wants the initialiser.
    if (forSource) {
        s += GetValueText(true);
    }
    s = std::string(TrimRight(s));
    if (noTerminator) {
        return s;
    }
    if (!forSource || !Function) {
        return s + ";\r\n";
    }
    if (!withBody) {
        return s + "\r\n";
    }
    s += "\r\n{\r\n";
    if (style.comment) {
        s += "\t// ";
        s += IsConstructor() ? "Construct" : IsDestructor() ? "Destruct" : "";
        s += "\r\n";
    }
    return s + "}\r\n";
}

}  // namespace analysis
