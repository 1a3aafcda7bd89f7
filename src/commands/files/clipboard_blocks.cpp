#include "commands/files/clipboard_blocks.h"

#include <cstdint>

namespace commands::files {

namespace {

constexpr std::size_t kDropHeaderSize = 20;

void AppendDword(std::string& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((value >> shift) & 0xFF);
}

std::uint32_t ReadDword(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

}  // namespace

std::vector<sys::ClipboardBlock> PathTextBlocks(const std::string& path, sys::Platform& platform) {
    std::vector<sys::ClipboardBlock> blocks;
    if (path.empty())
        return blocks;
    blocks.push_back({sys::ClipboardFormat::kText, path + '\0'});
    blocks.push_back({sys::ClipboardFormat::kOemText, platform.AnsiToOem(path) + '\0'});
    if (platform.OffersUnicodeClipboard()) {
        std::string wide;
        for (const char16_t unit : platform.AnsiToUnicode(path)) {
            wide += static_cast<char>(unit & 0xFF);
            wide += static_cast<char>(unit >> 8);
        }
        wide.append(2, '\0');
        blocks.push_back({sys::ClipboardFormat::kUnicodeText, std::move(wide)});
    }
    return blocks;
}

sys::ClipboardBlock FileDropBlock(const std::string& path) {
    std::string bytes;
    bytes.reserve(path.size() + kDropHeaderSize + 2);
    AppendDword(bytes, kDropHeaderSize);  // where the list starts
    AppendDword(bytes, 0);                // drop point x
    AppendDword(bytes, 0);                // drop point y
    AppendDword(bytes, 0);                // dropped in the client area
    AppendDword(bytes, 0);                // 8-bit names
    bytes += path;
    bytes.append(2, '\0');
    return {sys::ClipboardFormat::kFileDrop, std::move(bytes)};
}

std::vector<std::string> FileDropPaths(const std::string& bytes) {
    std::vector<std::string> paths;
    if (bytes.size() < kDropHeaderSize || ReadDword(bytes, 16) != 0)
        return paths;
    std::size_t at = ReadDword(bytes, 0);
    while (at < bytes.size() && bytes[at] != '\0') {
        const std::size_t end = bytes.find('\0', at);
        if (end == std::string::npos)
            return {};  // a list without its end is not one
        paths.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    return paths;
}

}  // namespace commands::files
