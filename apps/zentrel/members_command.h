// `zentrel members FILE [--classes]`: the named top-level items of a C/C++ file, one
// NAME<TAB>LINE per line in file order, as the member level of Browse lists them.
#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace app {

struct MembersOptions {
    CLI::App* command = nullptr;
    std::string file;
    bool classes = false;
};

void AddMembersCommand(CLI::App& zentrel, MembersOptions& options);
// 0 with the list printed (empty when there is nothing to list), 2 when FILE can't be read.
int RunMembers(const MembersOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace app
