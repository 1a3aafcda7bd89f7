#include "settings/about_box.h"

#include "editor/command_frame.h"
#include "editor/path_style.h"

namespace settings {

namespace {

// From `from` up to the CR LF that follows it, or to the end of the text.
AboutLinkText::Range ToLineEnd(std::string_view text, std::size_t from) {
    if (from == std::string_view::npos)
        return {};
    const std::size_t end = text.find("\r\n", from);
    return {static_cast<std::ptrdiff_t>(from),
            static_cast<std::ptrdiff_t>(end == std::string_view::npos ? text.size() : end)};
}

}  // namespace

std::string GetVersionText(sys::Platform& platform) {
    if (!platform.ModuleFileName()) {
        editor::ShowMessage(platform, kNoModulePath);
        return {};
    }
    const sys::ModuleVersion version = platform.ModuleVersionResource();
    if (!version.hasResource)
        return "0.0";
    std::string text = "0.0";
    if (version.readable)
        text = std::to_string(version.major) + "." + std::to_string(version.minor);
    if (!version.readable || version.major < 1)
        text += " (BETA)";
    return text;
}

std::string AboutText(std::string_view version) {
    return std::string(" Zentrel Developer Studio Add-In ") + std::string(version) + "\r\n " +
           kMakerName + " - " + kMakerAddress + "\r\n " + kAuthorName + " - " + kAuthorAddress +
           "\r\n " + kProductAddress;
}

void AboutLinkText::SetText(std::string_view text) {
    mail_ = ToLineEnd(text, text.find("zentrel"));
    maker_ = ToLineEnd(text, text.find("http"));
    product_ = {};
    if (maker_.end >= 0) {
        const std::size_t at = text.find("http", static_cast<std::size_t>(maker_.end));
        if (at != std::string_view::npos)
            product_ = {static_cast<std::ptrdiff_t>(at), static_cast<std::ptrdiff_t>(text.size())};
    }
}

bool AboutLinkText::OverLink(std::ptrdiff_t index) const {
    return mail_.Contains(index) || maker_.Contains(index) || product_.Contains(index);
}

std::optional<std::string> AboutLinkText::TargetAt(std::ptrdiff_t index) const {
    if (mail_.Contains(index))
        return std::string("mailto:") + kAuthorAddress;
    if (product_.Contains(index))
        return std::string(kProductAddress);
    if (maker_.Contains(index))
        return std::string(kMakerAddress);
    return std::nullopt;
}

void ShowHelp(sys::Platform& platform) {
    const std::optional<std::string> module = platform.ModuleFileName();
    if (!module) {
        editor::ShowMessage(platform, kNoModulePath);
        return;
    }
    std::size_t cut = module->size();
    while (cut > 0 && !editor::IsDirectoryEnd((*module)[cut - 1], editor::NativePathStyle()))
        --cut;
    const int result = platform.ShellOpen(module->substr(0, cut) + kHelpFileName);
    if (result > 32)
        return;
    switch (result) {
        case 0:
            editor::ShowMessage(platform, "Out of memory or resources.");
            break;
        case 2:
            editor::ShowMessage(platform, "Help file not found.");
            break;
        case 3:
            editor::ShowMessage(platform, "Invalid DLL path.");
            break;
        default:
            editor::ShowMessage(platform, "Unable to show help.");
            break;
    }
}

}  // namespace settings
