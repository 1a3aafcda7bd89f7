#include "templates/template_parser.h"

#include <memory>
#include <utility>
#include <vector>

namespace templates {

namespace {

constexpr std::string_view kOpen = "##+";
constexpr std::string_view kClose = "##-";
constexpr std::string_view kBlanks = " \t\r\n";
constexpr std::string_view kShortcut = "\\t";  // typed as two characters, not a tab
constexpr std::string_view kLineEnd = "\r\n";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::unique_ptr<TemplateNode> NodeFromHeader(std::string_view line) {
    auto node = std::make_unique<TemplateNode>();
    std::string_view header = Trim(line.substr(kOpen.size()));
    if (!header.empty() && header.back() == '/') {
        header.remove_suffix(1);
        node->preview = true;
    }
    const std::size_t shortcut = header.find(kShortcut);
    if (shortcut == std::string_view::npos) {
        node->name = header;
    } else {
        // The name keeps the blanks before the shortcut, as typed.
        node->name = header.substr(0, shortcut);
        node->key = LowerCase(Trim(header.substr(shortcut + kShortcut.size())));
    }
    return node;
}

// A list being filled, and the node read into it that is still open.
struct Level {
    TemplateList* list;
    std::unique_ptr<TemplateNode> open;
};

}  // namespace

void ParseTemplateList(TextLines& lines, TemplateList& into) {
    // Every group open around the current line is a level here, not a call, so the file's
    // nesting costs heap rather than stack.
    std::vector<Level> levels;
    levels.push_back({&into, nullptr});
    while (const std::optional<std::string_view> line = lines.Next()) {
        Level& level = levels.back();
        if (line->starts_with(kOpen)) {
            std::unique_ptr<TemplateNode> node = NodeFromHeader(*line);
            if (level.open) {
                // A header inside an open template: that template becomes a group, and this
                // header opens the first node of its children.
                level.open->children = std::make_unique<TemplateList>();
                TemplateList* children = level.open->children.get();
                levels.push_back({children, std::move(node)});
            } else {
                level.open = std::move(node);
            }
            continue;
        }
        const std::size_t close = line->find(kClose);
        if (close != std::string_view::npos) {
            if (level.open) {
                level.open->text += line->substr(0, close);
                level.list->Add(std::move(level.open));
            } else if (levels.size() == 1) {
                return;
            } else {
                // Nothing open: the group's children end, and the group joins its own list.
                levels.pop_back();
                Level& parent = levels.back();
                parent.list->Add(std::move(parent.open));
            }
            continue;
        }
        if (level.open) {
            level.open->text += *line;
            level.open->text += kLineEnd;
        }
    }
    // The end of the file closes whatever is open, innermost first.
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.open)
            level.list->Add(std::move(level.open));
        levels.pop_back();
    }
}

TemplateList ParseTemplateText(std::string_view text) {
    TemplateList list;
    TextLines lines(text);
    while (const std::optional<std::string_view> line = lines.Next()) {
        if (line->starts_with(kOpen)) {
            ParseTemplateList(lines, list);
            break;
        }
    }
    return list;
}

}  // namespace templates
