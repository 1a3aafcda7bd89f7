// Shared by the registration tests: the shipped script.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace host::testing {

inline std::string ShippedScript() {
    std::ifstream in(ZENTREL_SOURCE_DIR "/resources/Zentrel2.rgs", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace host::testing
