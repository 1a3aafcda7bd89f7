// The file member scanner on any text: lines strictly increasing and inside the text, names
// not empty.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "analysis/file_member_scanner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto lineCount = static_cast<std::uint32_t>(std::count(text.begin(), text.end(), '\n'));
    for (const bool showClasses : {false, true}) {
        std::vector<std::string> names;
        std::vector<std::uint32_t> lines;
        analysis::ScanFileMembers(text, showClasses, names, lines);
        if (names.size() != lines.size())
            std::abort();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (names[i].empty() || lines[i] < 1 || lines[i] > lineCount + 1 ||
                (i > 0 && lines[i] <= lines[i - 1]))
                std::abort();
        }
    }
    return 0;
}
