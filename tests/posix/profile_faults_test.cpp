// Writers of one profile in separate processes at once: each change survives the others.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "posix/file_profile_store.h"
#include "support/temp_dir.h"

namespace posix {
namespace {

TEST(ProfileFaults, ProcessesWritingAtOnceLoseNoUpdate) {
    constexpr int kWriters = 3, kWrites = 40;
    testing_support::TempDir dir;
    const std::filesystem::path path = dir.Path() / "p.reg";
    std::vector<pid_t> writers;
    for (int w = 0; w < kWriters; ++w) {
        const pid_t child = ::fork();
        if (child == 0) {
            std::ostringstream errors;
            FileProfileStore store(path, errors);
            bool written = true;
            for (int i = 0; i < kWrites; ++i)
                written = store.WriteInt("Options", std::to_string(w * 100 + i), i) && written;
            ::_exit(written && errors.str().empty() ? 0 : 1);
        }
        writers.push_back(child);
    }
    for (const pid_t writer : writers) {
        int status = -1;
        ::waitpid(writer, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    std::ostringstream errors;
    FileProfileStore store(path, errors);
    for (int w = 0; w < kWriters; ++w) {
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(store.ReadInt("Options", std::to_string(w * 100 + i)), i) << w << " " << i;
    }
    EXPECT_EQ(errors.str(), "");
}

}  // namespace
}  // namespace posix
