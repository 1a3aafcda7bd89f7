// The clean-up's dialog resources hold the controls the models describe, at their places.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "commands/files/clean_dialog.h"
#include "commands/files/progress_dialog.h"
#include "commands/files/report_dialog.h"
#include "dialog_template.h"
#include "test_support.h"

namespace win32 {
namespace {

using commands::files::DialogControl;

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
        const testing::DialogTemplate dialog = testing::LoadDialogTemplate(library, c.resource);
        EXPECT_EQ(dialog.width, c.width);
        EXPECT_EQ(dialog.height, c.height);
        ASSERT_EQ(dialog.items.size(), c.controls.size());
        for (std::size_t i = 0; i < dialog.items.size(); ++i) {
            const testing::TemplateItem& item = dialog.items[i];
            const DialogControl& want = c.controls[i];
            EXPECT_EQ(item.id, want.id) << i;
            EXPECT_EQ(std::tie(item.x, item.y, item.width, item.height),
                      std::tie(want.x, want.y, want.width, want.height))
                << want.text;
        }
    }
    FreeLibrary(library);
}

}  // namespace
}  // namespace win32
