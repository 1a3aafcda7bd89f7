// The version text, the About box's links and the help file's messages.
#include "settings/about_box.h"

#include <gtest/gtest.h>

#include "support/null_platform.h"

namespace settings {
namespace {

class AboutPlatform : public testing_support::NullPlatform {
  public:
    std::optional<std::string> module = "C:\\Add Ins\\Zentrel2.dll";
    sys::ModuleVersion version;
    int shellResult = 42;
    std::vector<std::string> boxes, opened;

    int MessageBox(const std::string& text, const std::string&, unsigned) override {
        boxes.push_back(text);
        return sys::kAnswerOk;
    }
    std::optional<std::string> ModuleFileName() override { return module; }
    sys::ModuleVersion ModuleVersionResource() override { return version; }
    int ShellOpen(const std::string& target) override {
        opened.push_back(target);
        return shellResult;
    }
};

TEST(AboutBoxTest, VersionText) {
    const struct {
        sys::ModuleVersion version;
        const char* expected;
    } cases[] = {
        {{}, "0.0"},
        {{true, false, 0, 0}, "0.0 (BETA)"},
        {{true, true, 2, 7}, "2.7"},
        {{true, true, 1, 0}, "1.0"},
        {{true, true, 0, 9}, "0.9 (BETA)"},
    };
    for (const auto& c : cases) {
        AboutPlatform platform;
        platform.version = c.version;
        EXPECT_EQ(GetVersionText(platform), c.expected);
        EXPECT_TRUE(platform.boxes.empty());
    }
    AboutPlatform pathless;
    pathless.module.reset();
    EXPECT_EQ(GetVersionText(pathless), "");
    EXPECT_EQ(pathless.boxes, (std::vector<std::string>{"Can't get DLL path."}));
}

TEST(AboutBoxTest, LinksAreFoundInTheTextAndTestedMailProductMaker) {
    const std::string text = AboutText("2.0");
    ASSERT_TRUE(text.starts_with(" Zentrel Developer Studio Add-In 2.0\r\n "));
    AboutLinkText links;
    links.SetText(text);
    const auto at = [&](const std::string& part, std::ptrdiff_t offset = 0) {
        return static_cast<std::ptrdiff_t>(text.find(part)) + offset;
    };
    const struct {
        std::ptrdiff_t index;
        std::optional<std::string> target;
    } cases[] = {
        {at("Zentrel"), std::nullopt},
        {at(kMakerName), std::nullopt},
        {at(kMakerAddress), kMakerAddress},
        {at(kAuthorAddress), std::string("mailto:") + kAuthorAddress},
        {at(kAuthorAddress, std::string(kAuthorAddress).size()), std::nullopt},  // its CR
        {at(kProductAddress), kProductAddress},
        {static_cast<std::ptrdiff_t>(text.size()) - 1, kProductAddress},
        {static_cast<std::ptrdiff_t>(text.size()), std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(links.TargetAt(c.index), c.target) << c.index;
        EXPECT_EQ(links.OverLink(c.index), c.target.has_value()) << c.index;
    }
    AboutLinkText empty;
    empty.SetText("no links here");
    EXPECT_EQ(empty.Mail().start, -1);
    EXPECT_FALSE(empty.OverLink(0));
}

TEST(AboutBoxTest, HelpOpensTheFileBesideTheModuleOrSaysWhyNot) {
    const std::pair<int, const char*> cases[] = {
        {42, nullptr},
        {0, "Out of memory or resources."},
        {2, "Help file not found."},
        {3, "Invalid DLL path."},
        {32, "Unable to show help."},
    };
    for (const auto& [result, message] : cases) {
        AboutPlatform platform;
        platform.module = "/opt/tools/zentrel";
        platform.shellResult = result;
        ShowHelp(platform);
        EXPECT_EQ(platform.opened, (std::vector<std::string>{"/opt/tools/ReadMe.html"}));
        EXPECT_EQ(platform.boxes.size(), message ? 1u : 0u) << result;
        if (message && !platform.boxes.empty()) {
            EXPECT_EQ(platform.boxes[0], message);
        }
    }
}

}  // namespace
}  // namespace settings
