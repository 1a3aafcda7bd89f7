#include "filter_command.h"

#include <iostream>
#include <iterator>

#include "commands/edit/reverse_text.h"
#include "commands/edit/toggle_comment.h"
#include "profile_options.h"
#include "run_command.h"
#include "settings/registry.h"
#include "settings/settings_io.h"

namespace app {

namespace {

// A text that has no line end of its own gets the one of this system's text files.
constexpr std::string_view kLineEnd = "\n";

std::optional<int> ProfileStyle(const std::optional<std::string>& path, std::ostream& errors) {
    std::unique_ptr<posix::FileProfileStore> profile = OpenProfile(path, errors);
    if (!profile)
        return std::nullopt;
    settings::CRegistry registry(*profile);
    settings::Settings settings;
    settings::LoadSettings(registry, settings);
    return settings.commentizeStyle;
}

}  // namespace

FilterCommands::FilterCommands(CLI::App& program)
    : reverse_(program.add_subcommand(
          "reverse",
          "Reverse the statements read from standard input (a = b to b = a, << to "
          ">>, setter to getter) and write them to standard output.")),
      commentize_(program.add_subcommand(
          "commentize",
          "Comment out the lines read from standard input, or back in when they "
          "are commented, and write them to standard output.")) {
    for (CLI::App* command : {reverse_, commentize_})
        command->set_version_flag("--version", "zentrel " ZENTREL_VERSION);
    commentize_->add_option("--style", style_, "0: // on every line, 1: /* */, 2: #if 0 #endif")
        ->type_name("N");
    commentize_->add_option("--profile", profile_, "Settings profile file, for the style")
        ->type_name("FILE");
}

bool FilterCommands::Parsed() const {
    return reverse_->parsed() || commentize_->parsed();
}

int FilterCommands::Run(std::istream& in, std::ostream& out, std::ostream& errors) const {
    std::string result;
    const char* name = reverse_->parsed() ? "reverse" : "commentize";
    {
        const std::string text{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        if (reverse_->parsed()) {
            result = commands::edit::ReverseLines(text);
        } else {
            const std::optional<int> style = style_ ? style_ : ProfileStyle(profile_, errors);
            if (!style)
                return kExitUsage;
            result = commands::edit::ToggleComment(
                         text, commands::edit::CommentStyleFromNumber(*style), kLineEnd)
                         .text;
        }
    }
    out.write(result.data(), static_cast<std::streamsize>(result.size()));
    out.flush();
    if (!out) {
        errors << "zentrel " << name << ": cannot write standard output\n";
        return kExitWriteFailed;
    }
    return kExitOk;
}

}  // namespace app
