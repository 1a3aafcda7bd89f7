#include "posix/file_profile_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "support/temp_dir.h"

namespace posix {
namespace {

namespace fs = std::filesystem;
using testing_support::Entries;
using testing_support::TempDir;

const std::string kOptions = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\n";

TEST(FileProfileStoreTest, WritesMakeTheFileAndEveryStoreOnItKeepsTheOthersChanges) {
    TempDir dir;
    std::ostringstream errors;
    const fs::path path = dir.Path() / "a/b/p.reg";
    FileProfileStore first(path, errors);
    FileProfileStore second(path, errors);
    EXPECT_EQ(first.ReadInt("Options", "A"), std::nullopt);
    EXPECT_FALSE(fs::exists(dir.Path() / "a"));
    ASSERT_TRUE(first.WriteInt("Setup", "8.0", 1));
    ASSERT_TRUE(second.WriteInt("Options", "A", 1));
    const std::string text = "a\"b\\c\r\n\xc3\xa9\001";
    ASSERT_TRUE(first.WriteString("Options", "B", text));
    ASSERT_TRUE(second.ClearSection("Setup"));
    EXPECT_TRUE(second.ClearSection("Clean")) << "a missing section is already clear";
    EXPECT_EQ(first.ReadInt("Options", "A"), 1) << "a write reads the file again";
    FileProfileStore reopened(path, errors);
    EXPECT_EQ(reopened.ReadInt("Setup", "8.0"), std::nullopt);
    EXPECT_EQ(reopened.ReadString("Options", "B"), text);
    EXPECT_EQ(dir.Read("a/b/p.reg"),
              kOptions + "\"A\"=dword:00000001\n\"B\"=\"a\\\"b\\\\c\\x0d\\x0a\xc3\xa9\\x01\"\n");
    EXPECT_EQ(Entries(dir.Path() / "a/b"), (std::set<std::string>{"p.reg", ".p.reg.lock"}));
    EXPECT_FALSE(first.WriteFailed() || second.WriteFailed());
    EXPECT_EQ(errors.str(), "");
}

// What the text may hold, line ends and order included, is the profile document's; the store
// reports a file it cannot take.
TEST(FileProfileStoreTest, BadFileIsReportedOnceAndNeverTouched) {
    struct Case {
        const char* name;
        std::string bytes;  // "dir" and "fifo" make one
        std::string message;
    } cases[] = {
        {"not a profile", "[Options]\nx=1\n", ":1: malformed"},
        {"directory", "dir", ": cannot read"},
        {"FIFO", "fifo", ": cannot read"},  // must not block
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path path = dir.Path() / "p.reg";
        if (c.bytes == "dir")
            fs::create_directory(path);
        else if (c.bytes == "fifo")
            ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
        else
            dir.Write("p.reg", c.bytes);
        std::ostringstream errors;
        FileProfileStore store(path, errors);
        store.Reload();
        EXPECT_EQ(store.ReadString("Options", "A"), std::nullopt);
        EXPECT_FALSE(store.WriteInt("Options", "A", 1) || store.ClearSection("Windows"));
        EXPECT_FALSE(store.Writable() || store.WriteFailed());
        const std::string message = errors.str();
        EXPECT_EQ(message.find(path.string() + c.message), 0u) << message;
        EXPECT_NE(message.find("not be saved"), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
        if (fs::is_regular_file(path)) {
            EXPECT_EQ(dir.Read("p.reg"), c.bytes);
        }
        EXPECT_EQ(Entries(dir.Path()), std::set<std::string>{"p.reg"});
    }
}

TEST(FileProfileStoreTest, AFailedWriteIsReportedOnceAndAMemoryOnlyOneNeverReachesTheDisk) {
    TempDir dir;
    const std::string original = kOptions + "\"A\"=dword:00000001\n";
    const fs::path path = dir.Write("p.reg", original);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::ostringstream errors;
    FileProfileStore store(path, errors);
    EXPECT_FALSE(store.WriteInt("Options", "A", 2) || store.WriteString("Options", "B", "b"));
    EXPECT_TRUE(store.WriteFailed());
    EXPECT_EQ(store.ReadInt("Options", "A"), 1);
    EXPECT_EQ(errors.str(), path.string() + ": cannot save the settings: Permission denied\n");

    store.KeepChangesInMemory();
    ASSERT_TRUE(store.WriteInt("Options", "A", 5) && store.ClearSection("Setup"));
    EXPECT_EQ(store.ReadInt("Options", "A"), 5);
    EXPECT_EQ(dir.Read("p.reg"), original);
}

TEST(DefaultProfilePathTest, FirstUsableVariableWins) {
    using Environment = std::map<std::string, std::string>;
    struct Case {
        Environment environment;
        std::string path;  // empty: none
    } cases[] = {
        {{{"ZENTREL_PROFILE", "p.reg"}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}}, "p.reg"},
        {{{"ZENTREL_PROFILE", ""}, {"XDG_CONFIG_HOME", "/x"}, {"HOME", "/h"}},
         "/x/Tarn/Zentrel2.reg"},
        {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/h"}}, "/h/.config/Tarn/Zentrel2.reg"},
        {{{"XDG_CONFIG_HOME", "relative"}, {"HOME", "/h"}}, "/h/.config/Tarn/Zentrel2.reg"},
        {{}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.environment));
        auto path = DefaultProfilePath([&](const std::string& name) -> std::optional<std::string> {
            auto found = c.environment.find(name);
            if (found == c.environment.end()) {
                return std::nullopt;
            }
            return found->second;
        });
        EXPECT_EQ(path.value_or("").string(), c.path);
    }
}

}  // namespace
}  // namespace posix
