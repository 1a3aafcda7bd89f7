// The options pages as the sheet shows and applies them, and the lists they parse.
#include "settings/options_sheet.h"

#include <gtest/gtest.h>

#include "settings/list_text.h"

namespace settings {
namespace {

using editor::PathStyle;

TEST(ParseListTest, Cases) {
    const struct {
        const char* text;
        bool directories;
        PathStyle style;
        StringList expected;
    } cases[] = {
        {"cpp, c ,cc", false, PathStyle::Windows, {"cpp", "c", "cc"}},
        {"\"cpp,cc\"", false, PathStyle::Windows, {"cpp", "cc"}},
        {"\"cpp,cc", false, PathStyle::Windows, {"cpp", "cc"}},
        {"cpp,cc\"", false, PathStyle::Windows, {"cpp", "cc\""}},
        {" ,\t, h ,", false, PathStyle::Windows, {"h"}},
        {"", true, PathStyle::Windows, {}},
        {"..\\src, $$(INC)", true, PathStyle::Windows, {"..\\src\\", "$$(INC)\\"}},
        {"..\\src\\,x/", true, PathStyle::Windows, {"..\\src\\", "x/\\"}},
        {"../src, /abs/", true, PathStyle::Posix, {"../src/", "/abs/"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseList(c.text, c.directories, c.style), c.expected) << c.text;
}

struct SheetFixture : testing::Test {
    Settings settings{.sourceExtensions = {"cpp", "c", "cc"},
                      .headerExtensions = {"h", "hpp"},
                      .friendFileDirectories = {"..\\inc\\", "$$(SDK)\\"},
                      .templateAuthor = "Ada"};
    int resets = 0;
    COptionsSheet sheet{settings, [this] { ++resets; }, PathStyle::Windows};
};

TEST_F(SheetFixture, PagesShowTheRecordJoinedAndApplyWhatWasEdited) {
    COptionsPage& files = sheet.Open(1);
    EXPECT_EQ(files.Text(COptionsPageFileSwitch::kSourceFiles), "cpp,c,cc");
    EXPECT_EQ(files.Text(COptionsPageFileSwitch::kHeaderFiles), "h,hpp");
    EXPECT_EQ(files.Text(COptionsPageFileSwitch::kDirectories), "..\\inc\\, $$(SDK)\\");
    files.SetText(COptionsPageFileSwitch::kHeaderFiles, "h, hh ,hpp");
    files.SetText(COptionsPageFileSwitch::kDirectories, "..\\src");
    sheet.Ok();
    EXPECT_EQ(settings.headerExtensions, (StringList{"h", "hh", "hpp"}));
    EXPECT_EQ(settings.friendFileDirectories, (StringList{"..\\src\\"}));
    EXPECT_EQ(settings.sourceExtensions, (StringList{"cpp", "c", "cc"}));
}

TEST_F(SheetFixture, OnlyOpenedPagesApply) {
    const Settings before = settings;
    COptionsPage& misc = sheet.Open(3);
    misc.SetState(COptionsPageOther::kPasteSpace, 1);
    // Reopening keeps the edit rather than taking the record's value again.
    EXPECT_EQ(sheet.Open(3).State(COptionsPageOther::kPasteSpace), 1);
    sheet.Ok();
    Settings expected = before;
    expected.pasteSpace = 1;
    EXPECT_EQ(settings, expected);
}

TEST_F(SheetFixture, ResetActsAtOnceAndNothingElseWithoutOk) {
    const Settings before = settings;
    sheet.Open(1).SetText(COptionsPageFileSwitch::kSourceFiles, "x");
    sheet.Reset();
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(settings, before);
}

TEST_F(SheetFixture, CommentizeStyleOutsideTheButtonsIsKept) {
    const struct {
        int stored;
        const char* answer;  // nullptr: left as shown
        int shown, saved;
    } cases[] = {
        {1, nullptr, 1, 1},
        {7, nullptr, -1, 7},
        {-3, "2", -1, 2},
        {0, "C style comments /*", 0, 1},
    };
    for (const auto& c : cases) {
        settings.commentizeStyle = c.stored;
        COptionsSheet local(settings, nullptr, PathStyle::Windows);
        COptionsPage& misc = local.Open(3);
        EXPECT_EQ(misc.State(COptionsPageOther::kCommentizeStyle), c.shown) << c.stored;
        if (c.answer != nullptr) {
            EXPECT_TRUE(misc.SetValue(*misc.ValueControl("commentize uses"), c.answer));
        }
        local.Ok();
        EXPECT_EQ(settings.commentizeStyle, c.saved) << c.stored;
    }
}

TEST_F(SheetFixture, ValuesAreFoundByTheNamesThePagesShow) {
    const struct {
        const char* name;
        std::size_t page;
        const char* value;
        bool fits;
    } cases[] = {
        {"Source Files", 1, "cpp", true},
        {"header files", 1, "", true},
        {"Author", 2, "Ada", true},
        {"Add Breakpoints command also adds bookmarks", 3, "1", true},
        {"Browse shows class names before members", 3, "yes", false},
        {"Commentize uses", 3, "3", false},
    };
    for (const auto& c : cases) {
        const ControlDef* control = sheet.Page(c.page).ValueControl(c.name);
        ASSERT_NE(control, nullptr) << c.name;
        EXPECT_EQ(sheet.Open(c.page).SetValue(*control, c.value), c.fits) << c.name;
    }
    EXPECT_EQ(sheet.Page(0).ValueControl("Reset Zentrel"), nullptr);
    EXPECT_EQ(sheet.FindPage("misc"), 3u);
}

}  // namespace
}  // namespace settings
