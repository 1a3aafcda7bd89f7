#include "members_command.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

#include "analysis/file_member_scanner.h"
#include "analysis/line_feeds.h"

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
    std::error_code error;
    std::ifstream in;
    if (std::filesystem::is_regular_file(options.file, error))
        in.open(options.file, std::ios::binary);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    if (!in.is_open() || in.bad()) {
        errors << "zentrel members: not a readable file: " << options.file << '\n';
        return 2;
    }
    // The editor's text ends at the first NUL, and so does the list.
    text.resize(std::min(text.size(), text.find('\0')));
    text = analysis::WithLfLines(std::move(text));
    std::vector<std::string> names;
    std::vector<std::uint32_t> lines;
    analysis::ScanFileMembers(text, options.classes, names, lines);
    for (std::size_t i = 0; i < names.size(); ++i)
        out << names[i] << '\t' << lines[i] << '\n';
    return 0;
}

}  // namespace app
