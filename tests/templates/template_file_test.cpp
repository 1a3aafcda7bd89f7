#include "templates/template_file.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/quiet_terminal.h"
#include "support/temp_dir.h"
#include "tree_text.h"

namespace templates {
namespace {

using editor::PathStyle;

// Files and the module path in memory, so Windows paths can be tried on any host.
class FilePlatform : public testing_support::QuietTerminal {
  public:
    std::optional<std::string> ModuleFileName() override { return module; }
    std::optional<std::string> ReadFile(const std::string& path) override {
        reads.push_back(path);
        const auto found = files.find(path);
        if (found == files.end())
            return std::nullopt;
        return found->second;
    }

    std::optional<std::string> module;
    std::map<std::string, std::string> files;
    std::vector<std::string> reads;
};

const std::string kFile = "##+\n##+ A\na\n##-\n";

std::string Joined(const std::vector<std::string>& paths) {
    std::string joined;
    for (const std::string& path : paths)
        joined += (joined.empty() ? "" : " ; ") + path;
    return joined;
}

TEST(TemplateFileTest, FallsBackFromReleaseToDebugElseTellsTheFirstPath) {
    const struct Case {
        PathStyle style;
        const char* module;   // nullptr: unknown
        const char* present;  // the one template file there is, if any
        const char* reads;    // the paths tried, in order
        const char* message;  // nullptr when a file was read
    } cases[] = {
        {PathStyle::Windows, nullptr, nullptr, "", "Can't get DLL path."},
        {PathStyle::Windows, R"(C:\b\Release\Z.dll)", R"(C:\b\Release\Zentrel.txt)",
         R"(C:\b\Release\Zentrel.txt)", nullptr},
        {PathStyle::Windows, R"(C:\b\rELEASE\Z.dll)", R"(C:\b\Debug\Zentrel.txt)",
         R"(C:\b\rELEASE\Zentrel.txt ; C:\b\Debug\Zentrel.txt)", nullptr},
        // Only the last eight characters of the directory count.
        {PathStyle::Windows, R"(C:\b\PreRelease\Z.dll)", R"(C:\b\PreDebug\Zentrel.txt)",
         R"(C:\b\PreRelease\Zentrel.txt ; C:\b\PreDebug\Zentrel.txt)", nullptr},
        {PathStyle::Posix, "/b/release/zentrel", "/b/Debug/Zentrel.txt",
         "/b/release/Zentrel.txt ; /b/Debug/Zentrel.txt", nullptr},
        {PathStyle::Windows, R"(C:\b\Release\Z.dll)", nullptr,
         R"(C:\b\Release\Zentrel.txt ; C:\b\Debug\Zentrel.txt)",
         R"(Can't open file "C:\b\Release\Zentrel.txt".)"},
        {PathStyle::Windows, R"(C:\b\Debug\Z.dll)", R"(C:\b\Release\Zentrel.txt)",
         R"(C:\b\Debug\Zentrel.txt)", R"(Can't open file "C:\b\Debug\Zentrel.txt".)"},
        // Under Posix a backslash ends no directory.
        {PathStyle::Posix, R"(/b/x\Release\zentrel)", nullptr, "/b/Zentrel.txt",
         R"(Can't open file "/b/Zentrel.txt".)"},
        // The file lies beside the module; a drive prefix or no directory at all is kept.
        {PathStyle::Windows, "C:Z.dll", "C:Zentrel.txt", "C:Zentrel.txt", nullptr},
        {PathStyle::Windows, "/opt/bin/zentrel", "Zentrel.txt", "Zentrel.txt", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.module ? c.module : "no module path");
        FilePlatform platform;
        if (c.module)
            platform.module = c.module;
        if (c.present)
            platform.files[c.present] = kFile;
        TemplateList list;
        list.Add(std::make_unique<TemplateNode>("stale"));
        // Commands are renewed once the tree is read, still under the wait cursor.
        std::string renewals;
        const bool read = LoadTemplates(platform, list, c.style, [&] {
            renewals += std::to_string(list.Size()) + "@" + std::to_string(platform.WaitDepth());
        });
        EXPECT_EQ(Joined(platform.reads), c.reads);
        EXPECT_EQ(read, c.message == nullptr);
        EXPECT_EQ(renewals, read ? "1@1" : "");
        EXPECT_EQ(TreeText(list), read ? "'A' = \"a\\r\\n\"" : "");
        EXPECT_EQ(Joined(platform.Recorded().messages), c.message ? c.message : "");
        EXPECT_EQ(platform.WaitDepth(), 0);
    }
}

TEST(TemplateFileTest, ReadsAnExplicitFileFromDisk) {
    testing_support::TempDir dir;
    const std::string path =
        dir.Write("given.txt", "preamble\r\n##+\r\n##+ A\\tCtrl+K\r\nx\r\n##-\r\n").string();
    testing_support::QuietTerminal platform;
    TemplateList list;
    EXPECT_TRUE(LoadTemplateFile(platform, list, path, PathStyle::Posix));
    EXPECT_EQ(TreeText(list), "'A' <ctrl+k> = \"x\\r\\n\"");
    // An empty path is nothing to load, and nothing to complain about.
    EXPECT_FALSE(LoadTemplateFile(platform, list, "", PathStyle::Posix));
    EXPECT_TRUE(list.Empty());
    EXPECT_TRUE(platform.Recorded().messages.empty());
}

}  // namespace
}  // namespace templates
