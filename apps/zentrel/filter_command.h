// `zentrel reverse` and `zentrel commentize [--style N]`: standard input to standard output,
// for editors that pipe a selection through a command.
#pragma once

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <optional>
#include <string>

namespace app {

// Adds both subcommands to the program; ask Parsed() after parsing whether one was chosen.
class FilterCommands {
  public:
    explicit FilterCommands(CLI::App& program);
    FilterCommands(const FilterCommands&) = delete;
    FilterCommands& operator=(const FilterCommands&) = delete;

    bool Parsed() const;
    // 0, 1 when standard output cannot be written, 2 when the profile cannot be had.
    int Run(std::istream& in, std::ostream& out, std::ostream& errors) const;

  private:
    CLI::App* reverse_;
    CLI::App* commentize_;
    std::optional<int> style_;
    std::optional<std::string> profile_;
};

}  // namespace app
