// The options sheet driven as a user would, by messages to its window, over a profile in the
// registry: OK applies the pages that were opened and saves, Cancel keeps everything, and
// Reset acts at once.
#include <gtest/gtest.h>

#include "win32/win_api.h"

#include <commctrl.h>
#include <prsht.h>
#include <shlwapi.h>

#include <functional>
#include <string>
#include <vector>

#include "commands/options/settings_commands.h"
#include "settings/settings_io.h"
#include "win32/registry_profile_store.h"
#include "win32/win32_platform.h"

namespace win32 {
namespace {

constexpr const char* kKey = "Software\\Tarn\\Zentrel2 Options Test";

enum class Act { Page, Type, Click, Read };

struct Step {
    Act act;
    int id;  // a page's index for Page, else a control's id
    const char* text = "";
};

struct Drive {
    std::vector<Step> steps;
    bool ok = false;
    std::vector<std::string> seen;  // the texts each Read found
    std::string failure;
};

// Runs on its own thread while the sheet's modal loop owns the test's.
DWORD WINAPI DriveSheet(void* parameter) {
    Drive& drive = *static_cast<Drive*>(parameter);
    HWND sheet = nullptr;
    for (int tries = 0; tries < 2400 && !(sheet = FindWindowA("#32770", "Zentrel Options"));
         ++tries)
        Sleep(25);
    if (!sheet) {
        drive.failure = "no sheet";
        return 0;
    }
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    for (const Step& step : drive.steps) {
        switch (step.act) {
            case Act::Page:
                SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(step.id), 0);
                page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
                break;
            case Act::Type:
                SetDlgItemTextA(page, step.id, step.text);
                break;
            case Act::Click:
                SendMessageA(GetDlgItem(page, step.id), BM_CLICK, 0, 0);
                break;
            case Act::Read: {
                char text[256] = {};
                GetDlgItemTextA(page, step.id, text, sizeof text);
                drive.seen.push_back(text);
                break;
            }
        }
    }
    PostMessageA(sheet, PSM_PRESSBUTTON, drive.ok ? PSBTN_OK : PSBTN_CANCEL, 0);
    return 0;
}

settings::Settings Initial() {
    settings::Settings record;
    record.sourceExtensions = {"cpp", "c"};
    record.headerExtensions = {"h", "hpp"};
    // Without its final separator: a page that applied it unopened would add one.
    record.friendFileDirectories = {"..\\inc"};
    return record;
}

TEST(OptionsSheetTest, OkAppliesOpenedPagesAndSavesCancelKeepsResetActsAtOnce) {
    using enum Act;
    const std::vector<Step> friendEdits = {
        {Page, 1},
        {Read, 1076},
        {Read, 1077},
        {Read, 1004},
        {Type, 1076, "cpp, c ,cc"},
        {Type, 1077, "\"h,hh\""},
        {Type, 1004, "..\\src, $$(INC)"},
    };
    const std::vector<std::string> friendSeen = {"cpp,c", "h,hpp", "..\\inc"};
    const struct {
        const char* name;
        std::vector<Step> steps;
        bool ok;
        std::function<void(settings::Settings&)> change;
        std::vector<std::string> seen;
        int resets;
    } cases[] = {
        {"friend file on OK", friendEdits, true,
         [](settings::Settings& s) {
             s.sourceExtensions = {"cpp", "c", "cc"};
             s.headerExtensions = {"h", "hh"};
             s.friendFileDirectories = {"..\\src\\", "$$(INC)\\"};
         },
         friendSeen, 0},
        {"friend file on Cancel", friendEdits, false, nullptr, friendSeen, 0},
        {"misc only on OK",
         {{Page, 3}, {Click, 1077}},
         true,
         [](settings::Settings& s) { s.addBookmarks = 1; },
         {},
         0},
        {"commentize style on OK",
         {{Page, 3}, {Click, 205}},
         true,
         [](settings::Settings& s) { s.commentizeStyle = 2; },
         {},
         0},
        {"empty directories on OK",
         {{Page, 1}, {Type, 1004, ""}},
         true,
         [](settings::Settings& s) { s.friendFileDirectories.clear(); },
         {},
         0},
        {"reset, then Cancel", {{Click, 202}}, false, nullptr, {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
        RegistryProfileStore profile(kKey);
        settings::CRegistry registry(profile);
        settings::Settings record = Initial();
        Win32Platform platform;
        int resets = 0;
        commands::CommandContext context{nullptr, platform, record, nullptr, &registry};
        context.saveSettings = [&] { settings::SaveSettings(registry, record); };
        context.resetCommands = [&] { ++resets; };

        Drive drive{c.steps, c.ok, {}, {}};
        HANDLE driver = CreateThread(nullptr, 0, DriveSheet, &drive, 0, nullptr);
        ASSERT_NE(driver, nullptr);
        commands::options::Options(context);
        ASSERT_EQ(WaitForSingleObject(driver, 30000), WAIT_OBJECT_0);
        CloseHandle(driver);
        ASSERT_EQ(drive.failure, "");

        settings::Settings expected = Initial();
        if (c.change)
            c.change(expected);
        EXPECT_EQ(record, expected);
        EXPECT_EQ(drive.seen, c.seen);
        EXPECT_EQ(resets, c.resets);
        if (c.ok) {
            settings::Settings saved;
            settings::LoadSettings(registry, saved);
            EXPECT_EQ(saved, expected);
        } else {
            EXPECT_EQ(
                profile.ReadString(settings::kSectionOptions, settings::kValueSourceExtensions),
                std::nullopt);
        }
    }
    SHDeleteKeyA(HKEY_CURRENT_USER, kKey);
}

}  // namespace
}  // namespace win32
