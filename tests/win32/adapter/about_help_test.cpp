// The version text read from the module's own resource, and the shell's answers Help turns
// into its messages.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "settings/about_box.h"
#include "win32/win32_platform.h"
#include "win32/win_api.h"

#include <shellapi.h>

namespace win32 {
namespace {

TEST(AboutHelpTest, VersionComesFromTheModulesFixedFileVersion) {
    Win32Platform platform;
    const sys::ModuleVersion version = platform.ModuleVersionResource();
    EXPECT_TRUE(version.hasResource);
    EXPECT_TRUE(version.readable);
    EXPECT_EQ(std::tie(version.major, version.minor), std::make_tuple(0u, 9u));
    EXPECT_EQ(settings::GetVersionText(platform), "0.9 (BETA)");
}

TEST(AboutHelpTest, ShellOpenAnswersWhatWasMissing) {
    Win32Platform platform;
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path unknown = folder / "zentrel-help.zentrel-no-program";
    std::ofstream(unknown) << "x";
    const struct {
        std::filesystem::path target;
        int result;
    } cases[] = {
        {folder / "zentrel-absent-ReadMe.html", SE_ERR_FNF},
        {unknown, SE_ERR_NOASSOC},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform.ShellOpen(c.target.string()), c.result) << c.target;
    std::filesystem::remove(unknown);
}

}  // namespace
}  // namespace win32
