// Shared by the registration tests: the shipped script and files beside the tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace registration::testing {

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string ShippedScript() {
    return ReadText(ZENTREL_SOURCE_DIR "/resources/Zentrel2.rgs");
}

}  // namespace registration::testing
