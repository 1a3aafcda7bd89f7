// The file commands' services of the terminal platform: attributes as the write bits, the
// clipboard recorded (and handed to the desktop's when there is one), the shell's verbs.
#include <sys/stat.h>

#include <ostream>

#include "commands/files/clipboard_blocks.h"
#include "posix/desktop_tools.h"
#include "posix/directory_walk.h"
#include "posix/terminal_platform.h"

namespace posix {

namespace {

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The text of the first text block, without its NUL.
std::optional<std::string> TextOf(const std::vector<sys::ClipboardBlock>& blocks) {
    for (const sys::ClipboardBlock& block : blocks) {
        if (block.format == sys::ClipboardFormat::kText)
            return block.bytes.substr(0, block.bytes.find('\0'));
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> FilesOf(const std::vector<sys::ClipboardBlock>& blocks) {
    for (const sys::ClipboardBlock& block : blocks) {
        if (block.format == sys::ClipboardFormat::kFileDrop)
            return commands::files::FileDropPaths(block.bytes);
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::uint32_t> TerminalPlatform::FileAttributes(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return std::nullopt;
    std::uint32_t attributes = 0;
    if ((status.st_mode & S_IWUSR) == 0)
        attributes |= sys::kAttributeReadOnly;
    if (S_ISDIR(status.st_mode))
        attributes |= sys::kAttributeDirectory;
    return attributes;
}

bool TerminalPlatform::SetFileAttributes(const std::string& path, std::uint32_t attributes) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return false;
    mode_t mode = status.st_mode & 07777;
    if ((attributes & sys::kAttributeReadOnly) != 0) {
        mode &= ~kWriteBits;
    } else {
        // Writable again for the owner, and for whoever may read it as far as the umask allows.
        mode |= S_IWUSR | (((mode & (S_IRGRP | S_IROTH)) >> 1) & ~CurrentUmask());
    }
    if (dryRun_)
        return true;
    return ::chmod(path.c_str(), mode) == 0;
}

bool TerminalPlatform::SetClipboard(const std::vector<sys::ClipboardBlock>& blocks) {
    nlohmann::ordered_json recorded = nlohmann::ordered_json::object();
    if (std::optional<std::string> text = TextOf(blocks)) {
        recorded["text"] = *text;
        if (!dryRun_)
            PutTextOnDesktopClipboard(*text);
    } else if (std::optional<std::vector<std::string>> files = FilesOf(blocks)) {
        recorded["files"] = *files;
        if (!dryRun_)
            PutFilesOnDesktopClipboard(*files);
    }
    recording_.clipboard = std::move(recorded);
    return true;
}

std::u16string TerminalPlatform::AnsiToUnicode(const std::string& text) {
    // The 8-bit text here is UTF-8; a byte that does not decode becomes U+FFFD.
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4
                                                       : 0;
        char32_t code = length == 1   ? lead
                        : length == 2 ? lead & 0x1F
                        : length == 3 ? lead & 0x0F
                                      : lead & 0x07;
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && code >= kMinimum[length] && code <= 0x10FFFF &&
                (code < 0xD800 || code > 0xDFFF);
        if (!valid) {
            out += u'\uFFFD';
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        i += length;
    }
    return out;
}

bool TerminalPlatform::ShellExecuteVerb(const std::string& verb, const std::string& path, bool) {
    recording_.dialogs.push_back({{"kind", "shell"}, {"verb", verb}, {"path", path}});
    if (verb == "open") {
        if (dryRun_ || !OpenWithDesktop(path))
            errors_ << "zentrel: would open " << path << '\n';
        return true;
    }
    // No desktop has a common properties sheet: the terminal shows what it would.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return false;
    errors_ << "zentrel: " << path << ": " << status.st_size << " bytes, "
            << ((status.st_mode & S_IWUSR) != 0 ? "writable" : "read-only") << '\n';
    return true;
}

std::optional<std::string> TerminalPlatform::BrowseForFolder(const std::string& title) {
    std::optional<std::string> folder = Ask(title + ": ");
    recording_.dialogs.push_back(
        {{"kind", "folder"}, {"caption", title}, {"chosen", folder ? *folder : ""}});
    if (!folder || folder->empty())
        return std::nullopt;
    return folder;
}

std::optional<sys::DirectoryListing> TerminalPlatform::ListDirectory(
    std::span<const sys::PathStep> steps, const sys::SizeWanted& sized) {
    return posix::ListDirectory(steps, sized);
}

sys::DeleteOutcome TerminalPlatform::DeleteListedFile(std::span<const sys::PathStep> steps,
                                                      const std::string& name) {
    return posix::DeleteListedFile(steps, name, dryRun_);
}

}  // namespace posix
