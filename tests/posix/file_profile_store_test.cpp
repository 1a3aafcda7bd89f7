#include "posix/file_profile_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <sstream>
#include <string>

#include "settings/registry.h"
#include "settings/settings_io.h"
#include "support/temp_dir.h"

namespace posix {
namespace {

namespace fs = std::filesystem;
using testing_support::TempDir;

const std::string kOptions = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Options]\n";

std::set<std::string> Entries(const fs::path& directory) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory))
        names.insert(entry.path().filename().string());
    return names;
}

TEST(FileProfileStoreTest, FirstWriteCreatesTheFileAndClearingKeepsOtherSections) {
    TempDir dir;
    std::ostringstream errors;
    const fs::path path = dir.Path() / "a/b/Zentrel2.reg";
    {
        FileProfileStore store(path, errors);
        EXPECT_EQ(store.ReadInt("Options", "Paste Space"), std::nullopt);
        EXPECT_FALSE(fs::exists(dir.Path() / "a"));
        ASSERT_TRUE(store.WriteInt("Setup", "8.0", 1));
        ASSERT_TRUE(store.WriteInt("Options", "Paste Space", 1));
        ASSERT_TRUE(store.WriteString("Options", "Extensions Source", "cpp\001c\001"));
        ASSERT_TRUE(store.ClearSection("Setup"));
        EXPECT_EQ(store.ReadInt("Setup", "8.0"), std::nullopt);
        EXPECT_TRUE(store.ClearSection("Clean")) << "a missing section is already clear";
    }
    FileProfileStore reopened(path, errors);
    EXPECT_EQ(reopened.ReadInt("Options", "Paste Space"), 1);
    EXPECT_EQ(dir.Read("a/b/Zentrel2.reg"), kOptions +
                                                "\"Paste Space\"=dword:00000001\n"
                                                "\"Extensions Source\"=\"cpp\\x01c\\x01\"\n");
    EXPECT_EQ(Entries(dir.Path() / "a/b"),
              (std::set<std::string>{"Zentrel2.reg", ".Zentrel2.reg.lock"}));
    EXPECT_EQ(errors.str(), "");
}

TEST(FileProfileStoreTest, SavedSettingsReadBackFromDisk) {
    TempDir dir;
    const fs::path path = dir.Path() / "Zentrel2.reg";
    const settings::Settings saved{{"cxx", "c++"},
                                   {},
                                   {"..\\inc\\", "$$(SDK)\\"},
                                   "Ann \"Q\" \\ O'Neil\r\n\xc3\xa9",
                                   1,
                                   0,
                                   0,
                                   0,
                                   1,
                                   7,
                                   1};
    std::ostringstream errors;
    FileProfileStore store(path, errors);
    settings::CRegistry writer(store);
    settings::SaveSettings(writer, saved);
    FileProfileStore reopened(path, errors);
    settings::CRegistry reader(reopened);
    settings::Settings loaded;
    settings::LoadSettings(reader, loaded);
    EXPECT_TRUE(loaded == saved) << dir.Read("Zentrel2.reg");
    EXPECT_EQ(errors.str(), "");
}

TEST(FileProfileStoreTest, ReadsCrLfFilesAndKeepsTheirOrderOnRewrite) {
    TempDir dir;
    const std::string windows = "[HKEY_CURRENT_USER\\Software\\Tarn\\Zentrel2\\Windows]";
    const fs::path path = dir.Write("p.reg", "REGEDIT4\r\n\r\n" + windows +
                                                 "\r\n\"Browse\"=\"1\\x012\"\r\n; a note\r\n" +
                                                 kOptions.substr(10) + "\"A\"=dword:00000001\r\n");
    std::ostringstream errors;
    FileProfileStore store(path, errors);
    EXPECT_EQ(store.ReadString("Windows", "Browse"), "1\0012");
    ASSERT_TRUE(store.WriteInt("Options", "A", 0));
    EXPECT_EQ(dir.Read("p.reg"), "REGEDIT4\n\n" + windows + "\n\"Browse\"=\"1\\x012\"\n\n" +
                                     kOptions.substr(10) + "\"A\"=dword:00000000\n");
    EXPECT_EQ(errors.str(), "");
}

TEST(FileProfileStoreTest, BadFileIsReportedOnceAndNeverTouched) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string where;
    } cases[] = {
        {"not a profile", "[Options]\nx=1\n", ":1: "},
        {"bad escape", kOptions + "\"A\"=\"ok\"\n\"B\"=\"\\q\"\n", ":5: "},
        {"cut off", kOptions + "\"A\"=\"half a val", ":4: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const fs::path path = dir.Write("Zentrel2.reg", c.bytes);
        std::ostringstream errors;
        FileProfileStore store(path, errors);
        EXPECT_EQ(store.ReadString("Options", "A"), std::nullopt);
        EXPECT_FALSE(store.WriteInt("Options", "A", 1));
        EXPECT_FALSE(store.ClearSection("Windows"));
        EXPECT_FALSE(store.Writable());

        const std::string message = errors.str();
        EXPECT_EQ(message.find(path.string() + c.where), 0u) << message;
        EXPECT_NE(message.find("not be saved"), std::string::npos) << message;
        EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
        EXPECT_EQ(dir.Read("Zentrel2.reg"), c.bytes);
        EXPECT_EQ(Entries(dir.Path()), std::set<std::string>{"Zentrel2.reg"});
    }
}

TEST(FileProfileStoreTest, UnreadableFileIsReportedAndNotReplaced) {
    TempDir dir;
    fs::create_directory(dir.Path() / "dir.reg");
    ASSERT_EQ(mkfifo((dir.Path() / "fifo.reg").c_str(), 0600), 0);
    for (const char* name : {"dir.reg", "fifo.reg"}) {
        SCOPED_TRACE(name);
        std::ostringstream errors;
        FileProfileStore store(dir.Path() / name, errors);  // must not block on the FIFO
        EXPECT_FALSE(store.WriteInt("Options", "A", 1));
        EXPECT_EQ(errors.str().find(store.Path().string() + ": cannot read"), 0u) << errors.str();
    }
    EXPECT_TRUE(fs::is_directory(dir.Path() / "dir.reg"));
    EXPECT_TRUE(fs::is_fifo(dir.Path() / "fifo.reg"));
}

TEST(FileProfileStoreTest, WritesOfTwoStoresOnOneFileBothSurvive) {
    TempDir dir;
    const fs::path path = dir.Write("p.reg", kOptions + "\"A\"=dword:00000001\n");
    std::ostringstream errors;
    FileProfileStore first(path, errors);
    FileProfileStore second(path, errors);
    ASSERT_TRUE(first.WriteInt("Options", "B", 2));
    ASSERT_TRUE(second.WriteInt("Options", "C", 3));
    ASSERT_TRUE(first.ClearSection("Setup"));
    EXPECT_EQ(first.ReadInt("Options", "C"), 3) << "a write reads the file again";
    EXPECT_EQ(dir.Read("p.reg"), kOptions +
                                     "\"A\"=dword:00000001\n\"B\"=dword:00000002\n"
                                     "\"C\"=dword:00000003\n");
    EXPECT_FALSE(first.WriteFailed() || second.WriteFailed());
}

TEST(FileProfileStoreTest, FailedWriteIsReportedOnceAndKeepsFileAndStore) {
    TempDir dir;
    const std::string original = kOptions + "\"A\"=dword:00000001\n";
    const fs::path path = dir.Write("p.reg", original);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    std::ostringstream errors;
    FileProfileStore store(path, errors);
    EXPECT_FALSE(store.WriteInt("Options", "A", 2));
    EXPECT_FALSE(store.WriteString("Options", "B", "b"));
    EXPECT_TRUE(store.WriteFailed());
    EXPECT_EQ(store.ReadInt("Options", "A"), 1);
    EXPECT_EQ(dir.Read("p.reg"), original);
    EXPECT_EQ(errors.str(), path.string() + ": cannot save the settings: Permission denied\n");
}

TEST(FileProfileStoreTest, ChangesKeptInMemoryNeverReachTheDisk) {
    TempDir dir;
    std::ostringstream errors;
    FileProfileStore store(dir.Path() / "p.reg", errors);
    store.KeepChangesInMemory();
    ASSERT_TRUE(store.WriteInt("Options", "A", 5));
    ASSERT_TRUE(store.ClearSection("Options"));
    ASSERT_TRUE(store.WriteString("Setup", "8.0", "x"));
    EXPECT_EQ(store.ReadString("Setup", "8.0"), "x");
    EXPECT_EQ(store.ReadInt("Options", "A"), std::nullopt);
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

}  // namespace
}  // namespace posix
