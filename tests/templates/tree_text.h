// A template tree as one line of text, for comparing whole trees in tests:
// 'name' <key> / = "text" [children], nodes separated by ", ".
#pragma once

#include <string>

#include "templates/template_walk.h"

namespace templates {

inline std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text)
        out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : std::string(1, c);
    return out;
}

inline std::string TreeText(const TemplateList& list) {
    std::string out;
    bool first = true;
    TemplateWalk walk(list);
    while (walk.Next()) {
        const TemplateNode& node = walk.Node();
        if (walk.Kind() == TemplateWalk::Step::kLeaveGroup) {
            out += "]";
            first = false;
            continue;
        }
        if (!first)
            out += ", ";
        out += "'" + Escaped(node.name) + "'";
        if (!node.key.empty())
            out += " <" + node.key + ">";
        if (node.preview)
            out += " /";
        if (!node.text.empty())
            out += " = \"" + Escaped(node.text) + "\"";
        first = walk.Kind() == TemplateWalk::Step::kEnterGroup;
        if (first)
            out += " [";
    }
    return out;
}

}  // namespace templates
