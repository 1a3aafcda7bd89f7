#include <gtest/gtest.h>

#include <map>
#include <string>

#include "posix/file_profile_store.h"

namespace posix {
namespace {

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
