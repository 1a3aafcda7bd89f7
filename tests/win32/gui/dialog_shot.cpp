// Shows one of the add-in's windows through its Win32 view for a screenshot, checks what it
// shows, then answers it as a user would:
//   dialog_shot NAME DIR SHOWN ENDED
// NAME picks the window (kShots); DIR receives a small project where one is needed. SHOWN is
// written once the window is on screen and checked; it is answered when a file named like SHOWN
// with ".release" appended appears, or after a bound, so the program always ends by itself.
// ENDED is written last and holds "ok" or what went wrong.
#include "win32/win_api.h"

#include <commctrl.h>
#include <prsht.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/files/clean_dialog.h"
#include "commands/files/clean_search.h"
#include "commands/files/progress_dialog.h"
#include "commands/files/report_dialog.h"
#include "commands/navigate/browse_dialog.h"
#include "commands/options/settings_commands.h"
#include "host/add_in_menu.h"
#include "settings/about_box.h"
#include "settings/memory_profile_store.h"
#include "settings/options_sheet.h"
#include "settings/settings_io.h"
#include "templates/ask_dialog.h"
#include "win32/win32_platform.h"
#include "workbench/workbench.h"

namespace {

namespace fs = std::filesystem;
namespace files = commands::files;
namespace nav = commands::navigate;
using templates::AskDialog;

struct Shot;

struct Watch {
    const Shot* shot = nullptr;
    fs::path dir;
    std::string shown, release, failure;
    std::atomic<HWND> window = nullptr, owner = nullptr;  // owner: the popup menu's window
    std::atomic<bool> done = false;
    RECT placed{};
};

// A step on the watching thread: empty when it went well, else what went wrong.
using Step = std::string (*)(Watch&);

struct Shot {
    std::string_view name;
    const char* windowClass;
    const char* caption;
    int page;                     // of the options sheet; -1 for another window
    std::string (*show)(Watch&);  // on the main thread: shows, then checks what it left
    Step ready = nullptr;         // before the picture
    Step answer = nullptr;        // after it; Cancel when absent
};

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string Text(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Waits for the window to show what is asked (a slow machine only waits longer).
bool Until(const std::function<bool()>& shown) {
    for (int tries = 0; tries < 200; ++tries) {
        if (shown())
            return true;
        Sleep(50);
    }
    return false;
}

// The control the window's thread has the focus in.
HWND Focused(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

HWND FindShown(const Shot& shot) {
    HWND found = FindWindowA(shot.windowClass, shot.caption);
    return found && IsWindowVisible(found) ? found : nullptr;
}

void Cancel(const Watch& watch) {
    if (HWND owner = watch.owner)  // the default window procedure ends the menu it owns
        PostMessageW(owner, WM_CANCELMODE, 0, 0);
    else if (watch.shot->page >= 0)
        PostMessageA(watch.window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    else
        PostMessageW(watch.window, WM_COMMAND, IDCANCEL, 0);
}

// The window's modal loop owns the main thread, so readiness and the answer come from here.
DWORD WINAPI WatchWindow(void* parameter) {
    Watch& watch = *static_cast<Watch*>(parameter);
    const Shot& shot = *watch.shot;
    std::string failure;
    if (!Until([&] { return (watch.window = FindShown(shot)) != nullptr; }))
        failure = std::string("nothing shown titled ") + (shot.caption ? shot.caption : "");
    else if (shot.page >= 0)
        SendMessageA(watch.window, PSM_SETCURSEL, static_cast<WPARAM>(shot.page), 0);
    if (failure.empty() && shot.ready)
        failure = shot.ready(watch);
    if (failure.empty()) {
        Sleep(500);  // lets the first paint finish before the picture is taken
        WriteText(watch.shown, "shown\n");
        for (int tries = 0; tries < 600 && !fs::exists(watch.release); ++tries)
            Sleep(50);
        if (shot.answer)
            failure = shot.answer(watch);
        else
            Cancel(watch);
    }
    if (!failure.empty()) {
        watch.failure = failure;
        Cancel(watch);
    }
    watch.done = true;
    return 0;
}

std::string ShowMenu(Watch& watch) {
    HWND window = CreateWindowExW(0, L"STATIC", L"Zentrel2", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20,
                                  20, 480, 360, nullptr, nullptr, nullptr, nullptr);
    if (!window)
        return "no window to own the menu";
    UpdateWindow(window);
    SetForegroundWindow(window);
    SetFocus(window);
    SetCursorPos(200, 80);  // where the menu opens; the driver checks its area
    watch.owner = window;
    win32::Win32Platform().TrackPopupMenu(host::LoadAddInMenu());
    DestroyWindow(window);
    return {};
}

std::string ShowReport(Watch&) {
    files::CleanList list;
    for (const char* name : {"Debug\\main.obj", "Debug\\vc80.pdb", "Debug\\BuildLog.htm",
                             "Release\\main.obj", "Release\\app.res"}) {
        list.files.push_back({std::string("C:\\work\\app\\") + name, name, 0, 1536});
        list.total += 1536;
    }
    files::ReportDlg report(files::ConfirmationText(list), "Delete", true);
    return win32::Win32Platform().ShowReportDialog(report) ? "Cancel confirmed the report" : "";
}

// The sheet over a profile: OK applies the pages that were opened and saves, Cancel keeps
// everything, Reset acts at once. Each page's shot answers it one way.
settings::Settings SheetStart() {
    // The directory without its final separator: a page that applied it unopened would add one.
    return {.sourceExtensions = {"cpp", "c"},
            .headerExtensions = {"h", "hpp"},
            .friendFileDirectories = {"..\\inc"},
            .templateAuthor = "Ada Tarn"};
}

HWND SheetPage(const Watch& watch) {
    return reinterpret_cast<HWND>(SendMessageA(watch.window, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void Click(HWND page, int id) {
    SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0);
}

std::string SheetReset(Watch& watch) {
    Click(SheetPage(watch), settings::COptionsPageSetup::kResetButton);
    Cancel(watch);
    return {};
}

// The lists as the profile holds them, joined; an emptied field is an empty list.
std::string SheetFriend(Watch& watch) {
    using Page = settings::COptionsPageFileSwitch;
    HWND page = SheetPage(watch);
    std::string shown;
    for (const int id : {Page::kSourceFiles, Page::kHeaderFiles, Page::kDirectories})
        shown += Text(GetDlgItem(page, id)) + "|";
    if (shown != "cpp,c|h,hpp|..\\inc|")
        return "the page shows " + shown;
    SetDlgItemTextA(page, Page::kSourceFiles, "cpp, c ,cc");
    SetDlgItemTextA(page, Page::kHeaderFiles, "\"h,hh\"");
    SetDlgItemTextA(page, Page::kDirectories, "");
    PostMessageA(watch.window, PSM_PRESSBUTTON, PSBTN_OK, 0);
    return {};
}

std::string SheetEditCancelled(Watch& watch) {
    SetDlgItemTextA(SheetPage(watch), settings::COptionsPageCodeTemplates::kAuthor, "Bob");
    Cancel(watch);
    return {};
}

// A check box and the third radio button of the last page; the friend page was never opened.
std::string SheetMisc(Watch& watch) {
    HWND page = SheetPage(watch);
    Click(page, settings::COptionsPageOther::kAddBookmarks);
    Click(page, settings::COptionsPageOther::kCommentizeStyle + 2);
    PostMessageA(watch.window, PSM_PRESSBUTTON, PSBTN_OK, 0);
    return {};
}

std::string ShowSheet(Watch& watch) {
    settings::MemoryProfileStore profile;
    settings::CRegistry registry(profile);
    settings::Settings record = SheetStart(), expected = SheetStart();
    win32::Win32Platform platform;
    int resets = 0;
    commands::CommandContext context{nullptr, platform, record, nullptr, &registry};
    context.saveSettings = [&] { settings::SaveSettings(registry, record); };
    context.resetCommands = [&] { ++resets; };
    commands::options::Options(context);
    const int page = watch.shot->page;
    if (page == 1) {
        expected.sourceExtensions = {"cpp", "c", "cc"};
        expected.headerExtensions = {"h", "hh"};
        expected.friendFileDirectories.clear();
    } else if (page == 3) {
        expected.addBookmarks = 1;
        expected.commentizeStyle = 2;
    }
    settings::Settings saved;
    settings::LoadSettings(registry, saved);
    if (!watch.failure.empty())
        return {};
    if (record != expected)
        return "the sheet left other settings than its answer gives";
    if (resets != (page == 0 ? 1 : 0))
        return "Reset ran " + std::to_string(resets) + " times";
    if (page == 1 || page == 3
            ? saved != expected
            : profile.Peek(settings::kSectionOptions, settings::kValueSourceExtensions).has_value())
        return "the settings were not saved with OK, or saved without it";
    return {};
}

std::string ShowAbout(Watch&) {
    win32::Win32Platform platform;
    platform.ShowAboutBox(settings::AboutText(settings::GetVersionText(platform)));
    return {};
}

std::string ShowClean(Watch&) {
    settings::MemoryProfileStore profile;
    settings::CRegistry registry(profile);
    files::CleanInputs inputs;
    inputs.directory = "C:\\work\\app";
    files::StoreCleanInputs(registry, inputs);
    win32::Win32Platform platform;
    files::CleanDlg clean(platform, registry);
    platform.ShowCleanDialog(clean);
    return {};
}

// The modeless progress dialog lives on this thread's messages until the watcher is done.
std::string ShowProgress(Watch& watch) {
    win32::Win32Platform platform;
    files::ProgressDlg progress(platform);
    progress.SetTitle("Deleting files...");
    progress.SetText("C:\\work\\app\\Debug\\main.obj");
    progress.SetRange(10, true);
    progress.SetPos(4);
    MSG message;
    while (!watch.done) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(20);
    }
    return {};
}

// Keys arrive as the keyboard sends them: to the control with the focus, through the loop.
void Press(const Watch& watch, WPARAM key, UINT message = WM_KEYDOWN) {
    HWND focus = Focused(watch.window);
    PostMessageW(focus ? focus : watch.window.load(), message, key, 1);
}

std::string BrowseReady(Watch& watch) {
    HWND list = GetDlgItem(watch.window, nav::kBrowseListId);
    if (!Until([&] {
            return SendMessageW(list, LB_GETCOUNT, 0, 0) == 3 &&
                   SendMessageW(list, LB_GETCURSEL, 0, 0) == 1;
        }))
        return "the members with the caret's selected are not listed";
    return {};
}

// One key at a time: each goes to whichever control the one before left the focus in.
std::string BrowseKeys(Watch& watch) {
    HWND filter = GetDlgItem(watch.window, nav::kBrowseFilterId);
    HWND list = GetDlgItem(watch.window, nav::kBrowseListId);
    HWND status = GetDlgItem(watch.window, nav::kBrowseStaticId);
    const auto rows = [&] { return SendMessageW(list, LB_GETCOUNT, 0, 0); };
    Press(watch, 's', WM_CHAR);
    if (!Until([&] { return Text(filter) == "s"; }))
        return "typing on the list did not reach the filter: " + Text(filter);
    Press(watch, 'e', WM_CHAR);
    if (!Until([&] { return Text(filter) == "se" && rows() == 2; }))
        return "typing did not filter: " + Text(filter);
    // Two edit the filter, the third goes up a level.
    for (const char* after : {"s", "", ""}) {
        Press(watch, VK_BACK);
        if (!Until([&] { return Text(filter) == after; }))
            return "Backspace did not edit the filter: " + Text(filter);
    }
    if (!Until([&] { return Text(status) == " Project: proj" && rows() == 3; }))
        return "Backspace on the empty filter did not go up: " + Text(status);
    Press(watch, VK_DOWN);
    if (!Until([&] {
            return SendMessageW(list, LB_GETCURSEL, 0, 0) == 1 && Focused(watch.window) == list;
        }))
        return "Down did not move in the list";
    Press(watch, VK_RETURN);
    if (!Until([&] { return Text(watch.window) == "Browse - a.h"; }))
        return "Enter on a.h did not show its members: " + Text(watch.window);
    Press(watch, VK_RETURN);
    return {};
}

std::string ShowBrowse(Watch& watch) {
    const fs::path& dir = watch.dir;
    fs::create_directories(dir / "proj/src");
    WriteText(
        dir / "proj/src/a.cpp",
        "int setup()\r\n{\r\n}\r\n\r\nint reset()\r\n{\r\n}\r\n\r\nint other()\r\n{\r\n}\r\n");
    WriteText(dir / "proj/src/a.h", "int setup();\r\n\r\ninline int helper()\r\n{\r\n}\r\n");
    WriteText(dir / "proj/notes.txt", "notes\r\n");

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
    if (!platform.ShowBrowseDialog(dialog))
        return "the dialog could not be created";
    const std::optional<workbench::Workbench::Caret> caret = bench.ActiveCaret();
    if (dialog.End() != nav::BrowseEnd::Ok || !caret || fs::path(caret->path).filename() != "a.h" ||
        caret->caretLine != 3)
        return "the member was not opened at its line";
    if (!profile.Peek(settings::kSectionWindows, nav::kWindowBrowse))
        return "the placement was not saved";
    return {};
}

constexpr const char* kAskCaption = "Code Template Parameters (For loop)";

RECT InClient(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Three rows copied from the pattern, the dialog grown by two, the first field focused.
std::string AskReady(Watch& watch) {
    HWND dialog = watch.window;
    if (!Until([&] { return Focused(dialog) != nullptr; }))
        return "the dialog did not take the focus";
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
    RECT units{0, 18, 226, 34};  // the OK button's top, the resource's size
    MapDialogRect(dialog, &units);
    const RECT first = InClient(dialog, 102), second = InClient(dialog, 104);
    const int step = first.bottom - first.top + 2;
    RECT client{};
    GetClientRect(dialog, &client);
    if (second.top - first.top != step || InClient(dialog, 106).top - first.top != 2 * step)
        return "the rows are not a field's height and 2 pixels apart";
    if (client.bottom != units.bottom + 2 * step)
        return "the dialog did not grow by two rows: " + std::to_string(client.bottom) + " for " +
               std::to_string(units.bottom) + " + 2 * " + std::to_string(step);
    if (InClient(dialog, IDOK).top != units.top + 2 * step ||
        InClient(dialog, IDCANCEL).top != units.top + 2 * step)
        return "the buttons did not move down with the rows";
    DWORD start = 0, end = 0;
    SendMessageW(GetDlgItem(dialog, 102), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    if (Focused(dialog) != GetDlgItem(dialog, 102) || start != 0 || end != 1)
        return "the first field has not the focus with its text selected";
    GetWindowRect(dialog, &watch.placed);
    return {};
}

// OK after an edit; then opened again where it was left, edited, cancelled.
std::string AskAnswer(Watch& watch) {
    HWND dialog = watch.window;
    SendMessageA(GetDlgItem(dialog, 104), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("10"));
    PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    if (!Until([&] { return !IsWindow(dialog); }))
        return "OK did not close the dialog";
    if (!Until(
            [&] { return (watch.window = dialog = FindWindowA(nullptr, kAskCaption)) != nullptr; }))
        return "the dialog did not open a second time";
    RECT again{};
    if (!Until([&] { return GetWindowRect(dialog, &again) && again.left == watch.placed.left; }) ||
        again.top != watch.placed.top)
        return "the dialog did not open where it was closed";
    SendMessageA(GetDlgItem(dialog, 102), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("j"));
    PostMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    return {};
}

std::string ShowAsk(Watch& watch) {
    std::vector<templates::ParameterRequest> requests = {
        {"Index", "i", {}}, {"Count", "n", {}}, {"Step", "", {}}};
    settings::MemoryProfileStore profile;
    settings::CRegistry registry(profile);
    win32::Win32Platform platform;
    AskDialog first("&For loop.", requests, &registry);
    const bool ok = platform.ShowAskDialog(first);
    if (!watch.failure.empty())
        return {};
    AskDialog second("For loop", requests, &registry);
    const bool cancelled = !platform.ShowAskDialog(second);
    if (!ok || requests[1].value != "10" || requests[0].value != "i")
        return "OK did not copy the fields into the requests";
    if (!cancelled || requests[0].value != "i")
        return "Cancel changed the requests";
    if (!profile.Peek(settings::kSectionWindows, AskDialog::kPlaceName))
        return "the placement was not saved";
    return {};
}

constexpr const char* kSheet = settings::COptionsSheet::kCaption;

const Shot kShots[] = {
    {"popup_menu", "#32768", nullptr, -1, ShowMenu},
    {"clean_report", "#32770", "Report", -1, ShowReport},
    {"dialog_setup", "#32770", kSheet, 0, ShowSheet, nullptr, SheetReset},
    {"dialog_friend", "#32770", kSheet, 1, ShowSheet, nullptr, SheetFriend},
    {"dialog_templates", "#32770", kSheet, 2, ShowSheet, nullptr, SheetEditCancelled},
    {"dialog_misc", "#32770", kSheet, 3, ShowSheet, nullptr, SheetMisc},
    {"dialog_about", "#32770", "About Zentrel", -1, ShowAbout},
    {"dialog_clean", "#32770", files::CleanDlg::kCaption, -1, ShowClean},
    {"dialog_progress", "#32770", files::ProgressDlg::kCaption, -1, ShowProgress},
    {"browse_dialog", "#32770", "Browse - a.cpp", -1, ShowBrowse, BrowseReady, BrowseKeys},
    {"ask_dialog", "#32770", kAskCaption, -1, ShowAsk, AskReady, AskAnswer},
};

}  // namespace

int main(int argc, char** argv) {
    Watch watch;
    for (const Shot& shot : kShots) {
        if (argc == 5 && shot.name == argv[1])
            watch.shot = &shot;
    }
    if (!watch.shot)
        return 1;
    watch.dir = argv[2];
    watch.shown = argv[3];
    watch.release = watch.shown + ".release";
    HANDLE watcher = CreateThread(nullptr, 0, WatchWindow, &watch, 0, nullptr);
    if (!watcher)
        return 1;
    std::string result = watch.shot->show(watch);
    if (WaitForSingleObject(watcher, 30000) != WAIT_OBJECT_0)
        result = "the watcher did not end";
    CloseHandle(watcher);
    if (!watch.failure.empty())
        result = watch.failure;
    WriteText(argv[4], (result.empty() ? "ok" : result) + "\n");
    return result.empty() ? 0 : 2;
}
