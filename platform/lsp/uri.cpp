#include "lsp/uri.h"

namespace lsp {

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i])
            return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> UriToPath(std::string_view uri) {
    if (!StartsWithIgnoringCase(uri, "file://"))
        return std::nullopt;
    uri.remove_prefix(7);
    if (StartsWithIgnoringCase(uri, "localhost"))
        uri.remove_prefix(9);
    if (uri.empty() || uri.front() != '/')
        return std::nullopt;
    uri = uri.substr(0, uri.find_first_of("?#"));
    std::string path;
    path.reserve(uri.size());
    for (std::size_t i = 0; i < uri.size(); ++i) {
        if (uri[i] == '%' && i + 2 < uri.size() && HexValue(uri[i + 1]) >= 0 &&
            HexValue(uri[i + 2]) >= 0) {
            path += static_cast<char>(HexValue(uri[i + 1]) * 16 + HexValue(uri[i + 2]));
            i += 2;
        } else {
            path += uri[i];
        }
        if (path.back() == '\0')
            return std::nullopt;
    }
    return path;
}

std::string PathToUri(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 15];
        }
    }
    return uri;
}

}  // namespace lsp
