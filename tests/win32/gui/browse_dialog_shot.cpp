// The Browse dialog as the add-in shows it (the core's model in the Win32 view over its
// resource), driven by keys the way a user types them, with a screenshot of its first look:
//   browse_dialog_shot DIR SHOWN ENDED
// DIR receives a small project. SHOWN is written once the dialog is on screen; the keys start
// when a file named like SHOWN with ".release" appears (or after a bound). ENDED is written
// last and holds "ok" or what went wrong.
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "commands/navigate/browse_dialog.h"
#include "settings/memory_profile_store.h"
#include "settings/settings_io.h"
#include "win32/module_handle.h"
#include "win32/win32_platform.h"
#include "win32/win_api.h"
#include "workbench/workbench.h"

HMODULE win32::ModuleHandle() {
    return GetModuleHandleW(nullptr);
}

namespace {

namespace nav = commands::navigate;

struct Watch {
    HWND dialog = nullptr;
    std::string shown, release, failure;
};

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Text(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Waits for the dialog to show what is asked (a slow machine only waits longer).
bool Until(const std::function<bool()>& shown) {
    for (int tries = 0; tries < 200; ++tries) {
        if (shown())
            return true;
        Sleep(50);
    }
    return false;
}

// The control the dialog's thread has the focus in.
HWND Focused(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus ? info.hwndFocus : dialog;
}

// Keys arrive as the keyboard sends them: to the control with the focus, through the loop.
void Press(Watch& watch, WPARAM key, UINT message = WM_KEYDOWN) {
    PostMessageW(Focused(watch.dialog), message, key, 1);
}

DWORD WINAPI Drive(void* parameter) {
    Watch& watch = *static_cast<Watch*>(parameter);
    const auto fail = [&](const std::string& what) {
        watch.failure = what;
        PostMessageW(watch.dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
    };
    if (!Until([&] { return (watch.dialog = FindWindowA(nullptr, "Browse - a.cpp")) != nullptr; }))
        return fail("no dialog titled Browse - a.cpp");
    HWND filter = GetDlgItem(watch.dialog, nav::kBrowseFilterId);
    HWND list = GetDlgItem(watch.dialog, nav::kBrowseListId);
    HWND status = GetDlgItem(watch.dialog, nav::kBrowseStaticId);
    const auto rows = [&] { return SendMessageW(list, LB_GETCOUNT, 0, 0); };
    const auto selected = [&] { return SendMessageW(list, LB_GETCURSEL, 0, 0); };
    if (!Until([&] { return rows() == 3 && selected() == 1; }))
        return fail("the members with the caret's selected are not listed");
    Sleep(500);  // lets the first paint finish before the picture is taken
    WriteText(watch.shown, "shown\n");
    for (int tries = 0; tries < 600 && !std::filesystem::exists(watch.release); ++tries)
        Sleep(50);

    // One key at a time: each goes to whichever control the one before left the focus in.
    Press(watch, 's', WM_CHAR);
    if (!Until([&] { return Text(filter) == "s"; }))
        return fail("typing on the list did not reach the filter: " + Text(filter));
    Press(watch, 'e', WM_CHAR);
    if (!Until([&] { return Text(filter) == "se" && rows() == 2; }))
        return fail("typing did not filter: " + Text(filter));
    // Two edit the filter, the third goes up a level.
    for (const char* after : {"s", "", ""}) {
        Press(watch, VK_BACK);
        if (!Until([&] { return Text(filter) == after; }))
            return fail("Backspace did not edit the filter: " + Text(filter));
    }
    if (!Until([&] { return Text(status) == " Project: proj" && rows() == 3; }))
        return fail("Backspace on the empty filter did not go up: " + Text(status));
    Press(watch, VK_DOWN);
    if (!Until([&] { return selected() == 1 && Focused(watch.dialog) == list; }))
        return fail("Down did not move in the list");
    Press(watch, VK_RETURN);
    if (!Until([&] { return Text(watch.dialog) == "Browse - a.h"; }))
        return fail("Enter on a.h did not show its members: " + Text(watch.dialog));
    Press(watch, VK_RETURN);
    return 0;
}

std::string Run(const std::filesystem::path& dir, Watch& watch) {
    std::filesystem::create_directories(dir / "proj/src");
    WriteText(
        (dir / "proj/src/a.cpp").string(),
        "int setup()\r\n{\r\n}\r\n\r\nint reset()\r\n{\r\n}\r\n\r\nint other()\r\n{\r\n}\r\n");
    WriteText((dir / "proj/src/a.h").string(),
              "int setup();\r\n\r\ninline int helper()\r\n{\r\n}\r\n");
    WriteText((dir / "proj/notes.txt").string(), "notes\r\n");

    workbench::Workbench bench;
    std::string error;
    if (!bench.LoadSolutionDirectory((dir / "proj").string(), error))
        return "no solution: " + error;
    ide::Ref<ide::Document> document = bench.OpenFile((dir / "proj/src/a.cpp").string(), error);
    if (!document || !bench.SetSelection(document, 6, 1, 6, 1, error))
        return "no document: " + error;

    settings::MemoryProfileStore profile;
    settings::CRegistry registry(profile);
    settings::Settings settings;
    settings::LoadSettings(registry, settings);
    win32::Win32Platform platform;
    const commands::CommandContext context{&bench, platform, settings, nullptr, &registry};
    nav::BrowseDialog dialog(context, &registry);
    if (!dialog.Open())
        return "the dialog had nothing to show";

    HANDLE driver = CreateThread(nullptr, 0, Drive, &watch, 0, nullptr);
    if (!driver)
        return "no driving thread";
    const bool shown = platform.ShowBrowseDialog(dialog);
    WaitForSingleObject(driver, 30000);
    CloseHandle(driver);
    if (!shown)
        return "the dialog could not be created";
    if (!watch.failure.empty())
        return watch.failure;
    const std::optional<workbench::Workbench::Caret> caret = bench.ActiveCaret();
    if (dialog.End() != nav::BrowseEnd::Ok || !caret ||
        std::filesystem::path(caret->path).filename() != "a.h" || caret->caretLine != 3)
        return "the member was not opened at its line";
    if (!profile.Peek(settings::kSectionWindows, nav::kWindowBrowse))
        return "the placement was not saved";
    return "ok";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return 1;
    Watch watch;
    watch.shown = argv[2];
    watch.release = watch.shown + ".release";
    const std::string result = Run(argv[1], watch);
    WriteText(argv[3], result + "\n");
    return result == "ok" ? 0 : 2;
}
