#include "members_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <ostream>
#include <vector>

#include "analysis/file_member_scanner.h"
#include "analysis/line_feeds.h"
#include "workbench/file_io.h"

namespace app {

void AddMembersCommand(CLI::App& zentrel, MembersOptions& options) {
    options.command = zentrel.add_subcommand(
        "members", "List the namespaces, classes and functions of a C/C++ file with their lines.");
    options.command->set_version_flag("--version", "zentrel " ZENTREL_VERSION);
    options.command->add_option("FILE", options.file, "A C or C++ file")->required();
    options.command->add_flag("--classes", options.classes,
                              "Name functions defined as X::f with their class");
}

int RunMembers(const MembersOptions& options, std::ostream& out, std::ostream& errors) {
    // Read once at the file's size; the text is then changed in place, never copied.
    std::string text;
    std::string reason;
    if (!workbench::ReadFileBytes(options.file, text, reason)) {
        errors << "zentrel members: not a readable file: " << options.file << '\n';
        return 2;
    }
    // The editor's text ends at the first NUL, and so does the list.
    text.resize(std::min(text.size(), text.find('\0')));
    text = analysis::WithLfLines(std::move(text));
    std::vector<std::string> names;
    std::vector<std::uint32_t> lines;
    analysis::ScanFileMembers(text, options.classes, names, lines);
    // One write for the whole list: a stream written per item costs more than the scan.
    std::string list;
    char number[16];
    for (std::size_t i = 0; i < names.size(); ++i) {
        list += names[i];
        list += '\t';
        const std::to_chars_result written =
            std::to_chars(number, number + sizeof number, lines[i]);
        list.append(number, written.ptr);
        list += '\n';
    }
    out.write(list.data(), static_cast<std::streamsize>(list.size()));
    return 0;
}

}  // namespace app
