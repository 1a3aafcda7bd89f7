// The clean-up's dialog resources hold the controls the models describe, at their places.
#include <gtest/gtest.h>

#include <cstring>
#include <span>
#include <string>

#include "commands/files/clean_dialog.h"
#include "commands/files/progress_dialog.h"
#include "commands/files/report_dialog.h"
#include "test_support.h"
#include "win32/win_api.h"

namespace win32 {
namespace {

using commands::files::DialogControl;

struct Item {
    int id, x, y, width, height;
};

// Walks an extended dialog template: header, menu, class, caption, font, then the items.
std::vector<Item> TemplateItems(const BYTE* data, int& width, int& height) {
    const auto word = [&](std::size_t at) {
        WORD w;
        std::memcpy(&w, data + at, 2);
        return w;
    };
    const auto skipText = [&](std::size_t at) {  // a 0xFFFF ordinal or a NUL-ended UTF-16 text
        if (word(at) == 0xFFFF)
            return at + 4;
        while (word(at) != 0)
            at += 2;
        return at + 2;
    };
    const std::size_t count = word(16);
    width = static_cast<short>(word(22));
    height = static_cast<short>(word(24));
    std::size_t at = skipText(skipText(skipText(26)));  // menu, class, caption
    at = skipText(at + 6);                              // point size, weight, italic, charset
    std::vector<Item> items;
    for (std::size_t i = 0; i < count; ++i) {
        at = (at + 3) & ~std::size_t{3};
        Item item{};
        item.x = static_cast<short>(word(at + 12));
        item.y = static_cast<short>(word(at + 14));
        item.width = static_cast<short>(word(at + 16));
        item.height = static_cast<short>(word(at + 18));
        DWORD id;
        std::memcpy(&id, data + at + 20, 4);
        item.id = static_cast<int>(id) == 0xFFFF ? -1 : static_cast<int>(id);
        at = skipText(skipText(at + 24));  // class, text
        at += 2 + word(at);                // creation data
        items.push_back(item);
    }
    return items;
}

TEST(CleanResources, DialogsMatchTheirModels) {
    HMODULE library =
        LoadLibraryExW(testing::LibraryPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(library, nullptr);
    const struct {
        int resource, width, height;
        std::span<const DialogControl> controls;
    } cases[] = {
        {211, 180, 86, commands::files::CleanDlg::Controls()},
        {216, 180, 46, commands::files::ProgressDlg::Controls()},
        {217, 296, 214, commands::files::ReportDlg::Controls()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("dialog " + std::to_string(c.resource));
        HRSRC found = FindResourceW(library, MAKEINTRESOURCEW(c.resource), MAKEINTRESOURCEW(5));
        ASSERT_NE(found, nullptr);
        const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(library, found)));
        int width = 0, height = 0;
        const std::vector<Item> items = TemplateItems(data, width, height);
        EXPECT_EQ(width, c.width);
        EXPECT_EQ(height, c.height);
        ASSERT_EQ(items.size(), c.controls.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            const DialogControl& want = c.controls[i];
            EXPECT_EQ(items[i].id, want.id) << i;
            EXPECT_EQ(std::tie(items[i].x, items[i].y, items[i].width, items[i].height),
                      std::tie(want.x, want.y, want.width, want.height))
                << want.text;
        }
    }
    FreeLibrary(library);
}

}  // namespace
}  // namespace win32
