#include "run_state.h"

#include <sstream>

namespace app {

namespace {

nlohmann::ordered_json Marks(const std::vector<workbench::Workbench::LineMark>& marks) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const auto& mark : marks)
        out.push_back({{"path", mark.path}, {"line", mark.line}});
    return out;
}

}  // namespace

void RunState::Capture(const workbench::Workbench& bench, const posix::Recording& recording) {
    active = bench.ActiveCaret();
    documents = bench.DocumentStates();
    messages = recording.messages;
    beeps = recording.beeps;
    breakpoints = bench.BreakpointList();
    bookmarks = bench.BookmarkList();
    menus = recording.menus;
    dialogs = recording.dialogs;
    clipboard = recording.clipboard;
}

nlohmann::ordered_json MenuToJson(const std::vector<ui::MenuItem>& items) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const ui::MenuItem& item : items) {
        if (item.separator) {
            out.push_back({{"separator", true}});
        } else if (item.IsPopup()) {
            // Menus nest only as deep as the code that builds them.
            out.push_back({{"text", item.text}, {"submenu", MenuToJson(item.submenu)}});
        } else {
            out.push_back({{"number", item.number},
                           {"text", item.text},
                           {"enabled", item.enabled},
                           {"default", item.isDefault}});
        }
    }
    return out;
}

nlohmann::ordered_json ToJson(const RunState& state) {
    nlohmann::ordered_json out;
    if (state.active) {
        out["active"] = {{"path", state.active->path},
                         {"anchor", {state.active->anchorLine, state.active->anchorColumn}},
                         {"caret", {state.active->caretLine, state.active->caretColumn}}};
    } else {
        out["active"] = nullptr;
    }
    out["documents"] = nlohmann::ordered_json::array();
    for (const auto& document : state.documents) {
        out["documents"].push_back({{"path", document.path}, {"modified", document.modified}});
    }
    out["handled"] = state.handled;
    out["messages"] = state.messages;
    out["beeps"] = state.beeps;
    out["clipboard"] = state.clipboard;
    out["breakpoints"] = Marks(state.breakpoints);
    out["bookmarks"] = Marks(state.bookmarks);
    out["menus"] = nlohmann::ordered_json::array();
    for (const ui::PopupMenu& menu : state.menus)
        out["menus"].push_back(MenuToJson(menu.Items()));
    out["dialogs"] = state.dialogs;
    return out;
}

std::string ToText(const RunState& state) {
    std::ostringstream out;
    if (state.active) {
        out << "active: " << state.active->path << ':' << state.active->caretLine << ':'
            << state.active->caretColumn;
        if (state.active->anchorLine != state.active->caretLine ||
            state.active->anchorColumn != state.active->caretColumn) {
            out << " (selection from " << state.active->anchorLine << ':'
                << state.active->anchorColumn << ')';
        }
        out << '\n';
    } else {
        out << "active: none\n";
    }
    for (const auto& document : state.documents) {
        out << (document.modified ? "modified: " : "open: ") << document.path << '\n';
    }
    for (const auto& mark : state.breakpoints) {
        out << "breakpoint: " << mark.path << ':' << mark.line << '\n';
    }
    for (const auto& mark : state.bookmarks) {
        out << "bookmark: " << mark.path << ':' << mark.line << '\n';
    }
    for (const ui::PopupMenu& menu : state.menus)
        out << "menu:\n" << posix::FormatMenu(menu);
    for (const std::string& message : state.messages)
        out << "message: " << message << '\n';
    if (state.beeps > 0)
        out << "beeps: " << state.beeps << '\n';
    return out.str();
}

}  // namespace app
