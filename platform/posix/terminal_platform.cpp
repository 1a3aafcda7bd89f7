#include "posix/terminal_platform.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <system_error>

#include "posix/module_files.h"

namespace posix {

namespace {

// The menu's texts carry '&' accelerators and tab-separated key hints, as the resource does.
std::string Plain(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            out += text[++i];
        } else if (text[i] == '\t') {
            out += "    ";
        } else {
            out += text[i];
        }
    }
    return out;
}

void FormatItems(const std::vector<ui::MenuItem>& items, int depth, std::ostringstream& out) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    for (const ui::MenuItem& item : items) {
        if (item.separator) {
            out << indent << "  --------\n";
        } else if (item.IsPopup()) {
            out << indent << "  " << Plain(item.text) << " >\n";
            // Menus nest only as deep as the code that builds them.
            FormatItems(item.submenu, depth + 1, out);
        } else {
            out << indent << (item.enabled ? "  " : "  (") << item.number << ' ' << Plain(item.text)
                << (item.enabled ? "" : ")") << (item.isDefault ? " *" : "") << '\n';
        }
    }
}

bool IsChoosable(const ui::PopupMenu& menu, int number) {
    const ui::MenuItem* item = menu.FindItem(number);
    return item != nullptr && item->enabled;
}

}  // namespace

TerminalPlatform::TerminalPlatform(AnswerQueue& answers, std::ostream& errors, std::istream& input,
                                   bool interactive)
    : answers_(answers), errors_(errors), input_(input), interactive_(interactive) {}

std::optional<std::string> TerminalPlatform::Ask(const std::string& prompt) {
    if (std::optional<std::string> answer = answers_.Next())
        return answer;
    if (!interactive_)
        return std::nullopt;
    errors_ << prompt << std::flush;
    std::string line;
    if (!std::getline(input_, line))
        return std::nullopt;
    return line;
}

int TerminalPlatform::MessageBox(const std::string& text, const std::string& caption,
                                 unsigned style) {
    recording_.messages.push_back(text);
    errors_ << caption << ": " << text << '\n';
    const unsigned buttons = style & 0xF;
    if (buttons == sys::kYesNo) {
        const std::optional<std::string> answer = Ask("[yes/no] ");
        return answer && (*answer == "yes" || *answer == "y") ? sys::kAnswerYes : sys::kAnswerNo;
    }
    if (buttons == sys::kOkCancel) {
        const std::optional<std::string> answer = Ask("[ok/cancel] ");
        return answer && (*answer == "ok" || *answer == "yes") ? sys::kAnswerOk
                                                               : sys::kAnswerCancel;
    }
    return sys::kAnswerOk;
}

void TerminalPlatform::Beep() {
    ++recording_.beeps;
    if (ringBell_)
        errors_ << '\a' << std::flush;
}

int TerminalPlatform::TrackPopupMenu(const ui::PopupMenu& menu) {
    recording_.menus.push_back(menu);
    if (answers_.Empty() && !interactive_)
        return 0;
    if (interactive_ && answers_.Empty())
        errors_ << FormatMenu(menu);
    const std::optional<std::string> answer = Ask("item number (empty to dismiss): ");
    if (!answer || answer->empty())
        return 0;
    char* end = nullptr;
    const long number = std::strtol(answer->c_str(), &end, 10);
    if (end == answer->c_str() || *end != '\0') {
        errors_ << "menu answer is not an item number: " << *answer << '\n';
        return 0;
    }
    // A greyed or absent item cannot be chosen in a real menu either.
    if (number == 0 || !IsChoosable(menu, static_cast<int>(number)))
        return 0;
    return static_cast<int>(number);
}

std::optional<std::string> TerminalPlatform::GetEnvironmentVariable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    if (value == nullptr)
        return std::nullopt;
    return std::string(value);
}

std::optional<std::string> TerminalPlatform::ReadFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Not `<< rdbuf()`: that swallows running out of memory and gives part of the file.
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<sys::FileInfo> TerminalPlatform::FindFirstFile(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status))
        return std::nullopt;
    sys::FileInfo info;
    info.name = std::filesystem::path(path).filename().string();
    info.directory = std::filesystem::is_directory(status);
    info.readOnly = (status.permissions() & std::filesystem::perms::owner_write) ==
                    std::filesystem::perms::none;
    if (std::filesystem::is_regular_file(status)) {
        info.size = std::filesystem::file_size(path, error);
        if (error)
            info.size = 0;
    }
    return info;
}

std::optional<std::string> TerminalPlatform::ModuleFileName() {
    if (moduleFileName_)
        return moduleFileName_;
    const std::optional<std::filesystem::path> self = ProgramPath();
    if (!self)
        return std::nullopt;
    // The add-in finds its files beside its module; an installed program keeps them in its
    // data directory, so the module is named there.
    return (ProgramFilesDirectory() / self->filename()).string();
}

std::vector<std::string> TerminalPlatform::NamesIgnoringCase(const std::string& directory,
                                                             const std::string& name) {
    const auto lower = [](std::string text) {
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    const std::string wanted = lower(name);
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator entries(directory.empty() ? "." : directory, error),
         end;
         !error && entries != end; entries.increment(error)) {
        std::string entry = entries->path().filename().string();
        if (entry.size() == wanted.size() && lower(entry) == wanted)
            names.push_back(std::move(entry));
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> TerminalPlatform::ApplicationDataFolder() {
    return applicationData_;
}

bool TerminalPlatform::CopyFileNoOverwrite(const std::string& from, const std::string& to) {
    std::error_code error;
    if (dryRun_)
        return std::filesystem::is_regular_file(from, error) && !std::filesystem::exists(to, error);
    return std::filesystem::copy_file(from, to, std::filesystem::copy_options::none, error) &&
           !error;
}

bool TerminalPlatform::CreateDirectories(const std::string& path) {
    if (dryRun_)
        return true;
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

std::string FormatMenu(const ui::PopupMenu& menu) {
    std::ostringstream out;
    FormatItems(menu.Items(), 0, out);
    return out.str();
}

}  // namespace posix
