// Shows the clean-up's confirmation in the report dialog the way Clean does, for a screenshot:
//   clean_report_shot SHOWN ENDED
// SHOWN is written once the dialog is on screen; the dialog is cancelled when SHOWN with
// ".release" appended appears, or after a bound. ENDED holds "ok" or what went wrong.
#include "win32/win_api.h"

#include <cstdio>
#include <string>

#include "commands/files/clean_search.h"
#include "commands/files/report_dialog.h"
#include "win32/module_handle.h"
#include "win32/win32_platform.h"

HMODULE win32::ModuleHandle() {
    return GetModuleHandleW(nullptr);
}

namespace {

struct Watch {
    std::string shown;
    std::string release;
    bool seen = false;
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
    for (int tries = 0; tries < 200 && !(dialog = FindWindowA("#32770", "Report")); ++tries)
        Sleep(50);
    if (dialog) {
        watch.seen = true;
        Sleep(500);  // lets the first paint finish
        WriteText(watch.shown, "shown\n");
        for (int tries = 0;
             tries < 600 && GetFileAttributesA(watch.release.c_str()) == INVALID_FILE_ATTRIBUTES;
             ++tries)
            Sleep(50);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return 1;
    Watch watch{argv[1], std::string(argv[1]) + ".release"};
    commands::files::CleanList list;
    for (const char* name : {"Debug\\main.obj", "Debug\\vc80.pdb", "Debug\\BuildLog.htm",
                             "Release\\main.obj", "Release\\app.res"}) {
        list.files.push_back({std::string("C:\\work\\app\\") + name, name, 0, 1536});
        list.total += 1536;
    }
    commands::files::ReportDlg report(commands::files::ConfirmationText(list), "Delete", true);
    HANDLE watcher = CreateThread(nullptr, 0, WatchDialog, &watch, 0, nullptr);
    if (!watcher)
        return 2;
    win32::Win32Platform platform;
    const bool confirmed = platform.ShowReportDialog(report);
    const bool joined = WaitForSingleObject(watcher, 30000) == WAIT_OBJECT_0;
    CloseHandle(watcher);
    const int result = !joined ? 3 : !watch.seen ? 4 : confirmed ? 5 : 0;
    WriteText(argv[2], result == 0 ? "ok\n" : "failed " + std::to_string(result) + "\n");
    return result;
}
