// What a run leaves behind, as `zentrel run` reports it.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "posix/terminal_platform.h"
#include "workbench/workbench.h"

namespace app {

struct RunState {
    std::optional<workbench::Workbench::Caret> active;
    std::vector<workbench::Workbench::DocumentState> documents;
    std::vector<bool> handled;
    std::vector<std::string> messages;
    int beeps = 0;
    std::vector<workbench::Workbench::LineMark> breakpoints;
    std::vector<workbench::Workbench::LineMark> bookmarks;
    std::vector<ui::PopupMenu> menus;
    nlohmann::ordered_json dialogs = nlohmann::ordered_json::array();
    nlohmann::ordered_json clipboard;

    void Capture(const workbench::Workbench& bench, const posix::Recording& recording);
};

nlohmann::ordered_json ToJson(const RunState& state);
nlohmann::ordered_json MenuToJson(const std::vector<ui::MenuItem>& items);
std::string ToText(const RunState& state);

}  // namespace app
