#include "editor/command_frame.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "sys/popup_menu.h"

namespace editor {
namespace {

class RecordingPlatform : public sys::Platform {
  public:
    std::vector<std::string> boxes;
    int depth = 0;
    int depthAtBox = -1;

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override {
        boxes.push_back(caption + "|" + text + "|" + std::to_string(style));
        depthAtBox = depth;
        return sys::kAnswerOk;
    }
    void Beep() override {}
    int TrackPopupMenu(const ui::PopupMenu&) override { return 0; }
    void BeginWaitCursor() override { ++depth; }
    void EndWaitCursor() override { --depth; }
    std::optional<std::string> GetEnvironmentVariable(const std::string&) override { return {}; }
    std::optional<std::string> ReadFile(const std::string&) override { return {}; }
    std::optional<sys::FileInfo> FindFirstFile(const std::string&) override { return {}; }
    std::optional<std::string> ModuleFileName() override { return {}; }
};

TEST(CommandFrameTest, AbortsEndSilentlyOrWithTheirTextAndTheCursorComesBack) {
    RecordingPlatform platform;
    bool ranToEnd = false;
    RunCommand(platform, true, [&] {
        EXPECT_EQ(platform.depth, 1);
        ranToEnd = true;
    });
    EXPECT_TRUE(ranToEnd);
    EXPECT_TRUE(platform.boxes.empty());

    RunCommand(platform, true, [] { throw CommandAbort::Silent(3); });
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(platform.depth, 0);

    RunCommand(platform, true, [] { throw CommandAbort::Message("Can't do that."); });
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0], "Zentrel|Can't do that.|0");
    EXPECT_EQ(platform.depthAtBox, 0);
    EXPECT_EQ(platform.depth, 0);
}

TEST(CommandFrameTest, OtherErrorsPassOnButStillRestoreTheCursor) {
    RecordingPlatform platform;
    EXPECT_THROW(RunCommand(platform, true, [] { throw std::runtime_error("x"); }),
                 std::runtime_error);
    EXPECT_EQ(platform.depth, 0);
    RunCommand(platform, false, [&] { EXPECT_EQ(platform.depth, 0); });
}

}  // namespace
}  // namespace editor
