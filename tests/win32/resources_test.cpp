// The library's resources: what the core and the IDE load from it by number, and the dialogs
// holding the controls their models describe, at their places, with their texts and kinds.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "commands/files/clean_dialog.h"
#include "commands/files/progress_dialog.h"
#include "commands/files/report_dialog.h"
#include "dialog_template.h"
#include "host/add_in_menu.h"
#include "settings/about_box.h"
#include "settings/options_sheet.h"
#include "sys/popup_menu.h"
#include "test_support.h"
#include "win32/ansi_text.h"

namespace win32 {
namespace {

using settings::ControlKind;
using testing::DialogTemplate;
using testing::TemplateItem;

// A control's class in a template (0 for one given by name), with its type when a button.
using ClassAndType = std::pair<int, DWORD>;

ClassAndType Kind(const TemplateItem& item) {
    return {item.classAtom, item.classAtom == 0x80 ? item.style & 0xF : 0};
}

// What each kind of the models is in a template, in the order of the kinds.
ClassAndType Kind(settings::ControlKind kind) {
    constexpr ClassAndType kinds[] = {
        {0x80, BS_GROUPBOX},     {0x80, BS_PUSHBUTTON},     {0x82, 0}, {0x82, 0}, {0x81, 0},
        {0x80, BS_AUTOCHECKBOX}, {0x80, BS_AUTORADIOBUTTON}};
    return kinds[static_cast<int>(kind)];
}

ClassAndType Kind(commands::files::ControlKind kind) {
    constexpr ClassAndType kinds[] = {{0x82, 0},
                                      {0x81, 0},
                                      {0x80, BS_PUSHBUTTON},
                                      {0x80, BS_DEFPUSHBUTTON},
                                      {0x80, BS_AUTOCHECKBOX},
                                      {0x80, BS_GROUPBOX},
                                      {0, 0}};
    return kinds[static_cast<int>(kind)];
}

class ResourcesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        library_ =
            LoadLibraryExW(testing::LibraryPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(library_, nullptr);
    }
    void TearDown() override { FreeLibrary(library_); }

    // The template's items at the model's places and ids, with its texts and kinds, one for one.
    template <class Control>
    DialogTemplate Placed(int resource, int width, int height, std::span<const Control> controls) {
        SCOPED_TRACE("dialog " + std::to_string(resource));
        DialogTemplate dialog = testing::LoadDialogTemplate(library_, resource);
        EXPECT_EQ(std::tie(dialog.width, dialog.height), std::tie(width, height));
        EXPECT_EQ(dialog.items.size(), controls.size());
        for (std::size_t i = 0; i < std::min(dialog.items.size(), controls.size()); ++i) {
            const TemplateItem& item = dialog.items[i];
            const Control& want = controls[i];
            EXPECT_EQ(std::tie(item.id, item.x, item.y, item.width, item.height, item.text),
                      std::make_tuple(want.id, want.x, want.y, want.width, want.height,
                                      std::string(want.text)));
            EXPECT_EQ(Kind(item), Kind(want.kind)) << want.text;
        }
        return dialog;
    }

    HMODULE library_ = nullptr;
};

TEST_F(ResourcesTest, PopupMenuMatchesTheCoreMenu) {
    HMENU menu = LoadMenuW(library_, MAKEINTRESOURCEW(4));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 1);
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);

    const ui::PopupMenu expected = host::LoadAddInMenu();
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(expected.Items().size()));
    for (std::size_t position = 0; position < expected.Items().size(); ++position) {
        const ui::MenuItem& item = expected.Items()[position];
        SCOPED_TRACE("position " + std::to_string(position));
        wchar_t text[128] = {};
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = 128;
        ASSERT_TRUE(GetMenuItemInfoW(popup, static_cast<UINT>(position), TRUE, &info));
        EXPECT_EQ((info.fType & MFT_SEPARATOR) != 0, item.separator);
        if (item.separator)
            continue;
        EXPECT_EQ(static_cast<int>(info.wID), item.number);
        EXPECT_EQ(Narrow(text), item.text);
        EXPECT_EQ((info.fState & MFS_DISABLED) == 0, item.enabled);
    }
    DestroyMenu(menu);
}

TEST_F(ResourcesTest, PicturesAreSixteenPixelsSquareAndIconsAndCursorLoad) {
    for (const int id : {205, 206, 222, 223}) {
        SCOPED_TRACE("bitmap " + std::to_string(id));
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageW(library_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
        ASSERT_NE(bitmap, nullptr);
        BITMAP shape = {};
        ASSERT_TRUE(GetObjectW(bitmap, sizeof shape, &shape));
        EXPECT_EQ(std::tie(shape.bmWidth, shape.bmHeight), std::make_tuple(16, 16));
        DeleteObject(bitmap);
    }
    for (const auto& [id, type] :
         {std::pair{208, IMAGE_ICON}, {219, IMAGE_ICON}, {209, IMAGE_CURSOR}}) {
        HANDLE image = LoadImageW(library_, MAKEINTRESOURCEW(id), type, 32, 32, LR_DEFAULTCOLOR);
        EXPECT_NE(image, nullptr) << "resource " << id;
        DestroyIcon(static_cast<HICON>(image));
    }
}

TEST_F(ResourcesTest, CleanDialogsMatchTheirModels) {
    namespace files = commands::files;
    Placed(211, 180, 86, files::CleanDlg::Controls());
    Placed(216, 180, 46, files::ProgressDlg::Controls());
    Placed(217, 296, 214, files::ReportDlg::Controls());
}

TEST_F(ResourcesTest, OptionPagesMatchTheirModels) {
    settings::Settings record;
    settings::COptionsSheet sheet(record, nullptr);
    for (std::size_t page = 0; page < settings::COptionsSheet::kPageCount; ++page) {
        const settings::PageDef& def = sheet.Page(page).Def();
        char caption[64] = {};
        LoadStringA(library_, static_cast<UINT>(def.captionId), caption, sizeof caption);
        EXPECT_STREQ(caption, def.caption);
        const DialogTemplate dialog = Placed(def.dialogId, def.width, def.height, def.controls);
        // Only the first button of a radio group starts a group.
        for (std::size_t i = 0; i < std::min(dialog.items.size(), def.controls.size()); ++i) {
            if (def.controls[i].kind == ControlKind::RadioButton) {
                EXPECT_EQ((dialog.items[i].style & WS_GROUP) != 0, def.controls[i].name != nullptr)
                    << def.controls[i].text;
            }
        }
    }
}

TEST_F(ResourcesTest, AboutBoxHoldsItsIconAndAReadOnlyTextForTheLinks) {
    using enum commands::files::ControlKind;
    const commands::files::DialogControl want[] = {
        {kDefaultButton, IDOK, "OK", 198, 2, 33, 14},
        {kStatic, -1, "#208", 2, 2, 20, 20},
        {kEdit, settings::kAboutTextId, "", 28, 2, 167, 35},
    };
    const DialogTemplate dialog =
        Placed<commands::files::DialogControl>(settings::kAboutDialog, 233, 39, want);
    EXPECT_EQ(dialog.caption, "About Zentrel");
    ASSERT_EQ(dialog.items.size(), 3u);
    EXPECT_EQ(dialog.items[1].style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
    const DWORD editStyle = ES_MULTILINE | ES_READONLY;
    EXPECT_EQ(dialog.items[2].style & editStyle, editStyle);
}

}  // namespace
}  // namespace win32
