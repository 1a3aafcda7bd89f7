// One step of `zentrel run`, as written on the command line.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

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

}  // namespace app
