// The options sheet, the About box and the desktop's opener on a terminal.
#include <filesystem>
#include <ostream>

#include "posix/desktop_tools.h"
#include "posix/options_text.h"
#include "posix/terminal_platform.h"

namespace posix {

namespace {

bool IsAddress(const std::string& target) {
    return target.starts_with("http:") || target.starts_with("https:") ||
           target.starts_with("mailto:");
}

}  // namespace

int TerminalPlatform::ShellOpen(const std::string& target) {
    constexpr int kOpened = 33, kFileNotFound = 2, kPathNotFound = 3;
    if (!IsAddress(target)) {
        const std::filesystem::path path(target);
        std::error_code error;
        if (!std::filesystem::exists(path, error)) {
            const std::filesystem::path parent =
                path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
            return std::filesystem::is_directory(parent, error) ? kFileNotFound : kPathNotFound;
        }
    }
    if (!dryRun_ && OpenWithDesktop(target))
        return kOpened;
    // Without a desktop the user gets the name to open it by.
    (report_ != nullptr ? *report_ : errors_) << target << '\n';
    return kOpened;
}

bool TerminalPlatform::ShowOptionsSheet(settings::COptionsSheet& sheet) {
    sheet.Open(0);
    if (interactive_ && answers_.Empty())
        errors_ << FormatOptionsSheet(sheet);
    bool ok = false;
    while (const std::optional<std::string> answer = Ask("NAME=VALUE, reset, ok or cancel: ")) {
        if (*answer == "ok") {
            ok = true;
            break;
        }
        if (*answer == "cancel")
            break;
        if (*answer == "reset") {
            sheet.Reset();
        } else if (const std::optional<std::string> problem = SetOption(sheet, *answer)) {
            errors_ << settings::COptionsSheet::kCaption << ": " << *problem << '\n';
        }
    }
    recording_.dialogs.push_back({{"kind", "options"},
                                  {"caption", settings::COptionsSheet::kCaption},
                                  {"pages", OpenedPagesToJson(sheet)},
                                  {"result", ok ? "ok" : "cancel"}});
    return ok;
}

void TerminalPlatform::ShowAboutBox(const std::string& text) {
    recording_.dialogs.push_back({{"kind", "about"}, {"caption", "About Zentrel"}, {"text", text}});
    std::string shown = text;
    for (std::size_t at = shown.find("\r\n"); at != std::string::npos; at = shown.find("\r\n", at))
        shown.erase(at, 1);
    errors_ << shown << '\n';
}

}  // namespace posix
