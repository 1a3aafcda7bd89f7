#include "editor/command_frame.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "support/null_platform.h"

namespace editor {
namespace {

class RecordingPlatform : public testing_support::NullPlatform {
  public:
    std::vector<std::string> boxes;
    int depth = 0;
    int depthAtBox = -1;

    int MessageBox(const std::string& text, const std::string& caption, unsigned style) override {
        boxes.push_back(caption + "|" + text + "|" + std::to_string(style));
        depthAtBox = depth;
        return sys::kAnswerOk;
    }
    void BeginWaitCursor() override { ++depth; }
    void EndWaitCursor() override { --depth; }
};

TEST(CommandFrameTest, AbortsEndSilentlyOrWithTheirTextAndTheCursorComesBack) {
    RecordingPlatform platform;
    int depthInside = -1;
    RunCommand(platform, true, [&] { depthInside = platform.depth; });
    EXPECT_EQ(depthInside, 1);
    RunCommand(platform, false, [&] { depthInside = platform.depth; });
    EXPECT_EQ(depthInside, 0);

    RunCommand(platform, true, [] { throw CommandAbort::Silent(3); });
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(platform.depth, 0);

    // The message shows after the cursor is back.
    RunCommand(platform, true, [] { throw CommandAbort::Message("Can't do that."); });
    EXPECT_EQ(platform.boxes, std::vector<std::string>{"Zentrel|Can't do that.|0"});
    EXPECT_EQ(platform.depthAtBox, 0);

    // Other errors pass on, but the cursor still comes back.
    EXPECT_THROW(RunCommand(platform, true, [] { throw std::runtime_error("x"); }),
                 std::runtime_error);
    EXPECT_EQ(platform.depth, 0);
}

}  // namespace
}  // namespace editor
