// Shared by the registration tests: the shipped script and a registry's list of keys.
#pragma once

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/memory_registry.h"

namespace host::testing {

inline std::string ShippedScript() {
    std::ifstream in(ZENTREL_SOURCE_DIR "/resources/Zentrel2.rgs", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every key of the dump as "HKEY_...\path", sorted.
inline std::vector<std::string> KeysOf(const MemoryRegistry& registry) {
    std::vector<std::string> keys;
    std::istringstream dump(registry.Dump());
    for (std::string line; std::getline(dump, line);) {
        if (line.starts_with('[')) {
            keys.push_back(line.substr(1, line.size() - 2));
        }
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

}  // namespace host::testing
