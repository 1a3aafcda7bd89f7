// The library's resources: what the core and the IDE load from it by number.
#include <gtest/gtest.h>

#include <string>

#include "host/add_in_menu.h"
#include "sys/popup_menu.h"
#include "test_support.h"
#include "win32/ansi_text.h"

namespace win32 {
namespace {

class ResourcesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        library_ =
            LoadLibraryExW(testing::LibraryPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(library_, nullptr);
    }
    void TearDown() override { FreeLibrary(library_); }

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
        EXPECT_EQ(shape.bmWidth, 16);
        EXPECT_EQ(shape.bmHeight, 16);
        DeleteObject(bitmap);
    }
    for (const auto& [id, type] :
         {std::pair{208, IMAGE_ICON}, {219, IMAGE_ICON}, {209, IMAGE_CURSOR}}) {
        HANDLE image = LoadImageW(library_, MAKEINTRESOURCEW(id), type, 32, 32, LR_DEFAULTCOLOR);
        EXPECT_NE(image, nullptr) << "resource " << id;
        DestroyIcon(static_cast<HICON>(image));
    }
}

}  // namespace
}  // namespace win32
