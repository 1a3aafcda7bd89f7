// The parameter dialog with three rows as a template shows it (the core's model in the Win32
// view over its resource), checked for its rows, growth and focus, screenshotted, then closed
// with OK after an edit and opened again to be cancelled:
//   ask_dialog_shot DIR SHOWN ENDED
// DIR is not used. SHOWN is written once the dialog is on screen; the dialog is answered when
// a file named like SHOWN with ".release" appears (or after a bound). ENDED is written last
// and holds "ok" or what went wrong.
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "settings/memory_profile_store.h"
#include "templates/ask_dialog.h"
#include "win32/module_handle.h"
#include "win32/win32_platform.h"
#include "win32/win_api.h"

HMODULE win32::ModuleHandle() {
    return GetModuleHandleW(nullptr);
}

namespace {

using templates::AskDialog;

constexpr const char* kCaption = "Code Template Parameters (For loop)";

struct Watch {
    std::string shown, release, failure;
    RECT placed{};
};

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Text(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

bool Until(const std::function<bool()>& shown) {
    for (int tries = 0; tries < 200; ++tries) {
        if (shown())
            return true;
        Sleep(50);
    }
    return false;
}

RECT InClient(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND Focused(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    return info.hwndFocus;
}

// What the first opening must show; empty when it does.
std::string CheckRows(HWND dialog) {
    if (GetDlgItem(dialog, AskDialog::kPatternLabelId) ||
        GetDlgItem(dialog, AskDialog::kPatternFieldId))
        return "the pattern controls are still there";
    const char* labels[] = {"Index:", "Count:", "Step:"};
    const char* values[] = {"i", "n", ""};
    for (int row = 0; row < 3; ++row) {
        HWND label = GetDlgItem(dialog, 101 + 2 * row);
        HWND field = GetDlgItem(dialog, 102 + 2 * row);
        if (!label || !field || Text(label) != labels[row] || Text(field) != values[row])
            return "row " + std::to_string(row) + " is not " + labels[row] + values[row];
    }
    RECT units{0, 0, 226, 34};  // the resource's size and the OK button's top, 18
    MapDialogRect(dialog, &units);
    RECT okTop{0, 18, 0, 0};
    MapDialogRect(dialog, &okTop);
    const RECT first = InClient(dialog, 102), second = InClient(dialog, 104);
    const int step = first.bottom - first.top + 2;
    RECT client{};
    GetClientRect(dialog, &client);
    if (second.top - first.top != step || InClient(dialog, 106).top - first.top != 2 * step)
        return "the rows are not a field's height and 2 pixels apart";
    if (client.bottom != units.bottom + 2 * step)
        return "the dialog did not grow by two rows: " + std::to_string(client.bottom) + " for " +
               std::to_string(units.bottom) + " + 2 * " + std::to_string(step);
    if (InClient(dialog, IDOK).top != okTop.top + 2 * step ||
        InClient(dialog, IDCANCEL).top != okTop.top + 2 * step)
        return "the buttons did not move down with the rows";
    DWORD start = 0, end = 0;
    SendMessageW(GetDlgItem(dialog, 102), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    if (Focused(dialog) != GetDlgItem(dialog, 102) || start != 0 || end != 1)
        return "the first field has not the focus with its text selected";
    return {};
}

DWORD WINAPI Drive(void* parameter) {
    Watch& watch = *static_cast<Watch*>(parameter);
    HWND dialog = nullptr;
    const auto fail = [&](const std::string& what) {
        watch.failure = what;
        if (dialog)
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
    };
    if (!Until([&] { return (dialog = FindWindowA(nullptr, kCaption)) != nullptr; }))
        return fail(std::string("no dialog titled ") + kCaption);
    if (!Until([&] { return IsWindowVisible(dialog) && Focused(dialog) != nullptr; }))
        return fail("the dialog did not take the focus");
    if (const std::string wrong = CheckRows(dialog); !wrong.empty())
        return fail(wrong);
    GetWindowRect(dialog, &watch.placed);
    Sleep(500);  // lets the first paint finish before the picture is taken
    WriteText(watch.shown, "shown\n");
    for (int tries = 0; tries < 600 && !std::filesystem::exists(watch.release); ++tries)
        Sleep(50);

    SendMessageA(GetDlgItem(dialog, 104), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("10"));
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    if (!Until([&] { return !IsWindow(dialog); }))
        return fail("OK did not close the dialog");

    // Opened again where it was left, edited, cancelled.
    if (!Until([&] { return (dialog = FindWindowA(nullptr, kCaption)) != nullptr; }))
        return fail("the dialog did not open a second time");
    RECT again{};
    if (!Until([&] { return GetWindowRect(dialog, &again) && again.left == watch.placed.left; }) ||
        again.top != watch.placed.top)
        return fail("the dialog did not open where it was closed");
    SendMessageA(GetDlgItem(dialog, 102), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("j"));
    PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    return 0;
}

std::string Run(Watch& watch) {
    std::vector<templates::ParameterRequest> requests = {
        {"Index", "i", {}}, {"Count", "n", {}}, {"Step", "", {}}};
    settings::MemoryProfileStore profile;
    settings::CRegistry registry(profile);
    win32::Win32Platform platform;

    HANDLE driver = CreateThread(nullptr, 0, Drive, &watch, 0, nullptr);
    if (!driver)
        return "no driving thread";
    AskDialog first("&For loop.", requests, &registry);
    const bool ok = platform.ShowAskDialog(first);
    bool cancelled = false;
    if (watch.failure.empty()) {
        AskDialog second("For loop", requests, &registry);
        cancelled = !platform.ShowAskDialog(second);
    }
    WaitForSingleObject(driver, 30000);
    CloseHandle(driver);
    if (!watch.failure.empty())
        return watch.failure;
    if (!ok || requests[1].value != "10" || requests[0].value != "i")
        return "OK did not copy the fields into the requests";
    if (!cancelled || requests[0].value != "i")
        return "Cancel changed the requests";
    if (!profile.Peek(settings::kSectionWindows, AskDialog::kPlaceName))
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
    const std::string result = Run(watch);
    WriteText(argv[3], result + "\n");
    return result == "ok" ? 0 : 2;
}
