#include "editor/expand_tabs.h"

namespace editor {

std::optional<TabRules> ReadTabRules(ide::Environment& environment) {
    ide::Ref<ide::Properties> properties = environment.GetProperties("TextEditor", "C/C++");
    if (!properties)
        return std::nullopt;
    TabRules rules;
    bool haveSize = false;
    bool haveInsertTabs = false;
    const long count = properties->Count();
    for (long i = 1; i <= count; ++i) {
        ide::Ref<ide::Property> property = properties->Item(i);
        if (!property)
            continue;
        const std::string name = property->Name();
        const ide::Value value = property->GetValue();
        if (name == "TabSize") {
            if (const long* size = std::get_if<long>(&value)) {
                rules.tabSize = *size;
                haveSize = true;
            }
        } else if (name == "InsertTabs") {
            if (const bool* flag = std::get_if<bool>(&value)) {
                rules.insertTabs = *flag;
                haveInsertTabs = true;
            } else if (const long* number = std::get_if<long>(&value)) {
                rules.insertTabs = *number != 0;
                haveInsertTabs = true;
            }
        }
    }
    if (!haveSize || !haveInsertTabs)
        return std::nullopt;
    return rules;
}

std::string ExpandTabsTo(const std::string& text, long tabSize) {
    std::string out;
    out.reserve(text.size());
    long column = 0;
    for (char c : text) {
        if (c == '\t') {
            if (tabSize <= 0)
                continue;
            const long n = tabSize - column % tabSize;
            out.append(static_cast<std::size_t>(n), ' ');
            column += n;
        } else if (c == '\n') {
            out += c;
            column = 0;
        } else {
            out += c;
            ++column;
        }
    }
    return out;
}

std::string ExpandTabs(ide::Environment& environment, const std::string& text) {
    const std::optional<TabRules> rules = ReadTabRules(environment);
    if (!rules || rules->insertTabs)
        return text;
    return ExpandTabsTo(text, rules->tabSize);
}

}  // namespace editor
