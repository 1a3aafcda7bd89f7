// One member or global declaration read from C++ text, and the text made back from it: the
// declaration for a class body in a header, or the empty definition for a source file.
// The reading is heuristic, not a C++ grammar: it works back from the end of the text,
// takes the last parenthesised list as the parameters, the identifier in front of it as
// the name, and the words before the name on the name's own line as the type.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace analysis {

// The four paste settings, read by the caller from Settings.
struct PasteStyle {
    bool defaultParameters = true;  // "Paste Default Parameters"
    bool prefixes = true;           // "Paste Prefixes"
    bool comment = true;            // "Paste Comment"
    bool space = false;             // "Paste Space"
};

class MemberRecord {
  public:
    MemberRecord() = default;
    MemberRecord(const MemberRecord&) = default;
    MemberRecord& operator=(const MemberRecord&) = default;
    MemberRecord(MemberRecord&&) = default;
    MemberRecord& operator=(MemberRecord&&) = default;
    virtual ~MemberRecord() = default;

    // The name: an identifier, ~Name, operator+=, or for a macro the text in its parentheses.
    std::string Member;
    // STDMETHOD in STDMETHOD(Invoke), or the header form of an implementation macro type.
    std::string Macro;
    // The type words, joined by single spaces.
    std::string Type;
    // From a qualification X:: in the text, or the enclosing class the caller gave.
    std::string Class;
    // Specifier keywords other than the flagged ones (volatile, afx_msg), in order.
    std::string Specifiers;
    // The initialiser of a data declaration.
    std::string Value;
    // Words after the parameter list other than const; for data, the array dimensions.
    std::string Postfix;
    int Access = 0;  // 0 public, 1 protected, 2 private
    // The text in front of the name ended without a blank (char *p).
    bool Glued = false;
    bool Function = false;
    bool Static = false;
    bool Extern = false;  // also: a global defined in a source file
    bool Mutable = false;
    bool Const = false;  // after the parameter list
    bool Virtual = false;
    bool Inline = false;
    bool Decl = false;  // read inside a class
    bool Body = false;  // the text ended with '{'
    bool InlineBody = false;
    std::vector<std::string> Param;
    std::vector<std::string> ParamDefault;  // "" where none; as long as Param

    // Trimmed. The implementation macros STDMETHODIMP, STDMETHODIMP_, STDMETHODIMPV and
    // STDMETHODIMPV_ become their header form in Macro and leave the type empty.
    void SetType(std::string_view text);
    // Begins with public: 0, with protected: 1, anything else (even nothing): 2.
    void SetAccess(std::string_view text);
    // Drops one leading '=' and trims.
    void SetValue(std::string_view text);
    // Splits at the last '='; "int n /*= 0*/" gives "int n" with the default "0".
    void AddParam(std::string_view text);
    // The words in front of the name: flags, other specifiers, and the rest as the type.
    void SetSpecifiers(std::string_view text);
    // The words after the parameter list: const is a flag, the rest is kept.
    void SetPostfix(std::string_view text);

    bool IsConstructor() const;
    bool IsDestructor() const;
    std::string AccessText() const;
    // m_nCount gives nCount.
    std::string NameWithoutScopePrefix() const;
    // m_nCount gives Count, m_count gives count.
    std::string PropertyName() const;
    // m_count gives Count.
    std::string CapitalizedName() const;
    // The type without one trailing '*' or '&'.
    std::string BaseType() const;

    // The words in front of the type; in a source file specifiers become comments.
    std::string GetPrefix(bool forSource, const PasteStyle& style) const;
    // plain: "=value"; otherwise " /*=value*/"; empty without a value.
    std::string GetValueText(bool plain) const;
    std::string ParamListText(bool forSource, const PasteStyle& style) const;
    // The name (with its macro in a header) and the parameter list.
    std::string DeclTail(bool forSource, const PasteStyle& style) const;
    std::string PostfixText() const;
    // The whole member, lines ended with CR LF. In a header the type is padded with tabs to
    // alignColumn; in a source file the name is qualified with the class.
    std::string Generate(int indent, int alignColumn, bool forSource, bool withBody,
                         bool noTerminator, const PasteStyle& style) const;
};

using MemberList = std::vector<std::unique_ptr<MemberRecord>>;

// Fills `record` from one declaration (ending with ';' or '{'). `className` and
// `accessText` describe the class the text stands in (empty outside one); `sourceFile`
// tells whether the text comes from a source file. False (record partly filled, to be
// discarded) when no name is found, a ']' has no '[', or the text qualifies the name with
// a class other than `className`.
bool ParseDeclaration(bool sourceFile, MemberRecord& record, std::string_view text,
                      std::string_view className, std::string_view accessText);

}  // namespace analysis
