// Steps checked against what a run has at hand: the files and the commands.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "step.h"
#include "templates/template_node.h"

namespace app {

// For a file step whose file cannot be read: when a leading part of its path up to a ':' is a
// file, the step is that file with a malformed position, and this says so; nothing otherwise.
std::optional<std::string> MalformedPosition(const OpenStep& step);

// The first NAME step that no command takes (neither a command of the table nor a template
// command of the loaded template file); nothing when every one is taken.
std::optional<std::string> FirstUnknownCommand(const std::vector<Step>& steps,
                                               const templates::TemplateList& templates);

}  // namespace app
