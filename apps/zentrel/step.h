// One step of `zentrel run`, as written on the command line.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "templates/template_node.h"

namespace app {

struct OpenStep {
    std::string path;
    long anchorLine = 1;
    long anchorColumn = 1;
    long caretLine = 1;
    long caretColumn = 1;
    std::string written;  // the step after its '@'
    // A number too large for any file, as written ("line 99999999999999999999"); only said once
    // the file is known to be readable.
    std::string beyond;
};

struct NameStep {
    std::string name;
};

struct NumberStep {
    int number = 0;
};

struct KeyStep {
    std::string keys;
};

using Step = std::variant<OpenStep, NameStep, NumberStep, KeyStep>;

// Reads one step; on a malformed one gives nothing and says why.
std::optional<Step> ParseStep(const std::string& text, std::string& error);

// For a file step whose file cannot be read: when a leading part of its path up to a ':' is a
// file, the step is that file with a malformed position, and this says so; nothing otherwise.
std::optional<std::string> MalformedPosition(const OpenStep& step);

// The first NAME step that no command takes (neither a command of the table nor a template
// command of the loaded template file); nothing when every one is taken.
std::optional<std::string> FirstUnknownCommand(const std::vector<Step>& steps,
                                               const templates::TemplateList& templates);

}  // namespace app
