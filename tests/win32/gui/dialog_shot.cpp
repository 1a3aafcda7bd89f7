// Shows one of the add-in's dialogs through its Win32 view, for a screenshot:
//   dialog_shot SHOWN ENDED DIALOG
// DIALOG is setup, friend, templates or misc (the options sheet at that page), about, clean or
// progress. SHOWN is written once the dialog is on screen; it is cancelled when a file named
// like SHOWN with ".release" appended appears, or after a bound. ENDED holds "ok" or what went
// wrong.
#include "win32/win_api.h"

#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "commands/files/clean_dialog.h"
#include "commands/files/progress_dialog.h"
#include "settings/about_box.h"
#include "settings/memory_profile_store.h"
#include "settings/options_sheet.h"
#include "win32/module_handle.h"
#include "win32/win32_platform.h"

HMODULE win32::ModuleHandle() {
    return GetModuleHandleW(nullptr);
}

namespace {

struct Shot {
    std::string_view name;
    const char* caption;
    int page;  // of the options sheet; -1 for another dialog
};

constexpr Shot kShots[] = {
    {"setup", settings::COptionsSheet::kCaption, 0},
    {"friend", settings::COptionsSheet::kCaption, 1},
    {"templates", settings::COptionsSheet::kCaption, 2},
    {"misc", settings::COptionsSheet::kCaption, 3},
    {"about", "About Zentrel", -1},
    {"clean", commands::files::CleanDlg::kCaption, -1},
    {"progress", commands::files::ProgressDlg::kCaption, -1},
};

struct Watch {
    const Shot* shot = nullptr;
    std::string shown, release;
    bool seen = false;
    volatile bool done = false;
};

bool WriteText(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    std::fputs(text.c_str(), file);
    return std::fclose(file) == 0;
}

DWORD WINAPI WatchDialog(void* parameter) {
    Watch& watch = *static_cast<Watch*>(parameter);
    HWND dialog = nullptr;
    for (int tries = 0; tries < 200 && !(dialog = FindWindowA("#32770", watch.shot->caption));
         ++tries)
        Sleep(50);
    if (dialog) {
        watch.seen = true;
        if (watch.shot->page >= 0)
            SendMessageA(dialog, PSM_SETCURSEL, static_cast<WPARAM>(watch.shot->page), 0);
        Sleep(500);  // lets the first paint finish
        WriteText(watch.shown, "shown\n");
        for (int tries = 0;
             tries < 600 && GetFileAttributesA(watch.release.c_str()) == INVALID_FILE_ATTRIBUTES;
             ++tries)
            Sleep(50);
        if (watch.shot->page >= 0)
            PostMessageA(dialog, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        else
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    watch.done = true;
    return 0;
}

// The modeless progress dialog lives on this thread's messages until the watcher is done.
void ShowProgress(win32::Win32Platform& platform, const Watch& watch) {
    commands::files::ProgressDlg progress(platform);
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
}

void Show(const Shot& shot, const Watch& watch) {
    win32::Win32Platform platform;
    settings::Settings record;
    record.sourceExtensions = {"cpp", "c", "cc"};
    record.headerExtensions = {"h", "hpp"};
    record.friendFileDirectories = {"..\\source\\", "..\\headers\\"};
    record.templateAuthor = "Ada Tarn";
    settings::MemoryProfileStore profile;
    settings::CRegistry registry(profile);
    if (shot.page >= 0) {
        settings::COptionsSheet sheet(record, nullptr);
        platform.ShowOptionsSheet(sheet);
    } else if (shot.name == "about") {
        platform.ShowAboutBox(settings::AboutText(settings::GetVersionText(platform)));
    } else if (shot.name == "clean") {
        commands::files::CleanInputs inputs;
        inputs.directory = "C:\\work\\app";
        commands::files::StoreCleanInputs(registry, inputs);
        commands::files::CleanDlg clean(platform, registry);
        platform.ShowCleanDialog(clean);
    } else {
        ShowProgress(platform, watch);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return 1;
    Watch watch;
    watch.shown = argv[1];
    watch.release = watch.shown + ".release";
    for (const Shot& shot : kShots) {
        if (shot.name == argv[3])
            watch.shot = &shot;
    }
    if (!watch.shot)
        return 1;
    HANDLE watcher = CreateThread(nullptr, 0, WatchDialog, &watch, 0, nullptr);
    if (!watcher)
        return 2;
    Show(*watch.shot, watch);
    const bool joined = WaitForSingleObject(watcher, 30000) == WAIT_OBJECT_0;
    CloseHandle(watcher);
    const int result = !joined ? 3 : !watch.seen ? 4 : 0;
    WriteText(argv[2], result == 0 ? "ok\n" : "failed " + std::to_string(result) + "\n");
    return result;
}
