// The options pages and the About box as the library holds them: the controls the models
// describe, at their places, with their texts, kinds and tab captions.
#include <gtest/gtest.h>

#include <string>

#include "dialog_template.h"
#include "settings/about_box.h"
#include "settings/options_sheet.h"
#include "test_support.h"

namespace win32 {
namespace {

using settings::ControlDef;
using settings::ControlKind;

// What the template's class and button style make of a control; a label is a static text.
ControlKind KindOf(const testing::TemplateItem& item) {
    if (item.classAtom == 0x81)
        return ControlKind::Edit;
    if (item.classAtom == 0x82)
        return ControlKind::Static;
    switch (item.style & 0xF) {
        case BS_GROUPBOX:
            return ControlKind::GroupBox;
        case BS_AUTOCHECKBOX:
            return ControlKind::CheckBox;
        case BS_AUTORADIOBUTTON:
            return ControlKind::RadioButton;
        default:
            return ControlKind::PushButton;
    }
}

class SettingsResourcesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        library_ =
            LoadLibraryExW(testing::LibraryPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(library_, nullptr);
    }
    void TearDown() override { FreeLibrary(library_); }

    HMODULE library_ = nullptr;
};

TEST_F(SettingsResourcesTest, PagesMatchTheirModels) {
    settings::Settings record;
    settings::COptionsSheet sheet(record, nullptr);
    for (std::size_t page = 0; page < settings::COptionsSheet::kPageCount; ++page) {
        const settings::PageDef& def = sheet.Page(page).Def();
        SCOPED_TRACE("page " + std::to_string(def.dialogId));
        char caption[64] = {};
        LoadStringA(library_, static_cast<UINT>(def.captionId), caption, sizeof caption);
        EXPECT_STREQ(caption, def.caption);
        const testing::DialogTemplate dialog = testing::LoadDialogTemplate(library_, def.dialogId);
        EXPECT_EQ(dialog.width, def.width);
        EXPECT_EQ(dialog.height, def.height);
        ASSERT_EQ(dialog.items.size(), def.controls.size());
        for (std::size_t i = 0; i < def.controls.size(); ++i) {
            const ControlDef& want = def.controls[i];
            const testing::TemplateItem& item = dialog.items[i];
            SCOPED_TRACE(want.text);
            EXPECT_EQ(item.id, want.id);
            EXPECT_EQ(item.text, want.text);
            const ControlKind kind =
                want.kind == ControlKind::Label ? ControlKind::Static : want.kind;
            EXPECT_EQ(KindOf(item), kind);
            EXPECT_EQ(std::tie(item.x, item.y, item.width, item.height),
                      std::tie(want.x, want.y, want.width, want.height));
            // Only the first button of a radio group starts a group.
            if (kind == ControlKind::RadioButton) {
                EXPECT_EQ((item.style & WS_GROUP) != 0, want.name != nullptr);
            }
        }
    }
}

TEST_F(SettingsResourcesTest, AboutBoxHoldsItsIconAndAReadOnlyTextForTheLinks) {
    const testing::DialogTemplate dialog =
        testing::LoadDialogTemplate(library_, settings::kAboutDialog);
    EXPECT_EQ(dialog.caption, "About Zentrel");
    EXPECT_EQ(std::tie(dialog.width, dialog.height), std::make_tuple(233, 39));
    const struct {
        int id, classAtom;
        const char* text;
        int x, y, width, height;
    } want[] = {
        {IDOK, 0x80, "OK", 198, 2, 33, 14},
        {-1, 0x82, "#208", 2, 2, 20, 20},
        {settings::kAboutTextId, 0x81, "", 28, 2, 167, 35},
    };
    ASSERT_EQ(dialog.items.size(), std::size(want));
    for (std::size_t i = 0; i < dialog.items.size(); ++i) {
        const testing::TemplateItem& item = dialog.items[i];
        EXPECT_EQ(
            std::tie(item.id, item.classAtom, item.text, item.x, item.y, item.width, item.height),
            std::make_tuple(want[i].id, want[i].classAtom, std::string(want[i].text), want[i].x,
                            want[i].y, want[i].width, want[i].height))
            << i;
    }
    EXPECT_EQ(dialog.items[0].style & 0xF, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    EXPECT_EQ(dialog.items[1].style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
    EXPECT_EQ(dialog.items[2].style & (ES_MULTILINE | ES_READONLY),
              static_cast<DWORD>(ES_MULTILINE | ES_READONLY));
}

}  // namespace
}  // namespace win32
