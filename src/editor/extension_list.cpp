#include "editor/extension_list.h"

#include <algorithm>

namespace editor {

namespace {
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

bool MatchesExtensionList(std::string_view text, const std::vector<std::string>& extensions) {
    const std::size_t dot = text.rfind('.');
    const std::string_view extension = dot == std::string_view::npos ? text : text.substr(dot + 1);
    return std::any_of(extensions.begin(), extensions.end(), [&](const std::string& entry) {
        return EqualsIgnoreCase(entry, extension);
    });
}

const std::vector<std::string>& IdlExtensions() {
    static const std::vector<std::string> idl{"idl"};
    return idl;
}

}  // namespace editor
