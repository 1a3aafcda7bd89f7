// The template file's reader: a tree printed back in the file's format reads as the same tree.
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "templates/template_node.h"
#include "templates/template_parser.h"

namespace {

using templates::TemplateList;

// Without recursion: the file's nesting is the input's to choose.
std::string Print(const TemplateList& root) {
    std::string out = "##+\r\n";
    std::vector<std::pair<const TemplateList*, std::size_t>> stack{{&root, 0}};
    while (!stack.empty()) {
        auto& [list, next] = stack.back();
        if (next == list->Size()) {
            stack.pop_back();
            if (!stack.empty())
                out += "##-\r\n";
            continue;
        }
        const templates::TemplateNode& node = (*list)[next++];
        out += "##+ " + node.name;
        // A name ending in a blank or '/' keeps it only in front of a shortcut, even an empty one.
        const bool keepsEnd = !node.name.empty() && std::string_view(" \t\r/").find(
                                                        node.name.back()) != std::string_view::npos;
        if (!node.key.empty() || keepsEnd)
            out += "\\t" + node.key;
        out += node.preview ? "/\r\n" : "\r\n";
        out += node.text;
        if (node.children)
            stack.push_back({node.children.get(), 0});
        else
            out += "##-\r\n";
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string printed = Print(templates::ParseTemplateText(text));
    if (Print(templates::ParseTemplateText(printed)) != printed)
        std::abort();
    return 0;
}
