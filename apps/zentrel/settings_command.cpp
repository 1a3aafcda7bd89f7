#include "settings_command.h"

#include <iostream>

#include "posix/options_text.h"
#include "posix/terminal_platform.h"
#include "profile_options.h"
#include "run_command.h"
#include "settings/about_box.h"
#include "settings/registry.h"
#include "settings/settings_io.h"

namespace app {

namespace {

std::string WithLineFeeds(std::string text) {
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
    return text;
}

int RunOptionsCommand(const SettingsCommands& commands, std::ostream& out, std::ostream& errors) {
    std::unique_ptr<posix::FileProfileStore> profile = OpenProfile(commands.profile, errors);
    if (!profile)
        return kExitUsage;
    settings::CRegistry registry(*profile);
    settings::Settings settings;
    settings::LoadSettings(registry, settings);
    if (!commands.assignments.empty()) {
        const settings::Settings loaded = settings;
        settings::COptionsSheet sheet(settings, nullptr);
        for (const std::string& assignment : commands.assignments) {
            if (const std::optional<std::string> problem = posix::SetOption(sheet, assignment)) {
                errors << "zentrel options: " << *problem << '\n';
                return kExitUsage;
            }
        }
        if (!profile->Writable()) {
            errors << "zentrel options: nothing saved, " << profile->Path().string()
                   << " could not be read\n";
            return kExitWriteFailed;
        }
        sheet.Ok();
        settings::SaveSettings(registry, settings, &loaded);
        if (profile->WriteFailed())
            return kExitWriteFailed;
    }
    settings::COptionsSheet shown(settings, nullptr);
    out << posix::FormatOptionsSheet(shown);
    return 0;
}

}  // namespace

sys::ModuleVersion ProgramVersion() {
    sys::ModuleVersion version{.hasResource = true};
    const std::string text = ZENTREL_VERSION;
    char* end = nullptr;
    version.major = static_cast<unsigned>(std::strtoul(text.c_str(), &end, 10));
    if (*end == '.') {
        const char* minor = end + 1;
        version.minor = static_cast<unsigned>(std::strtoul(minor, &end, 10));
        version.readable = end != minor;
    }
    return version;
}

void AddSettingsCommands(CLI::App& zentrel, SettingsCommands& commands) {
    commands.options = zentrel.add_subcommand(
        "options", "Show the options pages; with --set, change values and save them.");
    commands.options->add_option("--profile", commands.profile, "Settings profile file")
        ->type_name("FILE");
    commands.options
        ->add_option("--set", commands.assignments,
                     "NAME=VALUE, NAME as a page shows it (\"Source Files\", \"Author\", a check "
                     "box's text, \"Commentize uses\")")
        ->type_name("NAME=VALUE")
        ->allow_extra_args(false);
    commands.about = zentrel.add_subcommand("about", "Print the About text.");
    commands.help = zentrel.add_subcommand(
        "help", "Open ReadMe.html with the desktop's opener, or print where it is.");
}

std::optional<int> RunSettingsCommand(const SettingsCommands& commands, std::ostream& out,
                                      std::ostream& errors) {
    if (commands.options->parsed())
        return RunOptionsCommand(commands, out, errors);
    posix::AnswerQueue answers;
    posix::TerminalPlatform platform(answers, errors, std::cin, false);
    platform.SetModuleVersion(ProgramVersion());
    platform.SetReportStream(out);
    if (commands.about->parsed()) {
        const std::string version = settings::GetVersionText(platform);
        if (version.empty())
            return kExitUsage;
        out << WithLineFeeds(settings::AboutText(version)) << '\n';
        return 0;
    }
    if (commands.help->parsed()) {
        settings::ShowHelp(platform);
        return platform.Recorded().messages.empty() ? 0 : 1;
    }
    return std::nullopt;
}

}  // namespace app
