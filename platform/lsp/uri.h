// file: URIs and the paths they name.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lsp {

// The absolute path of a file: URI (host empty or "localhost"), percent escapes decoded;
// nothing for any other URI or one that decodes to a NUL.
std::optional<std::string> UriToPath(std::string_view uri);

// Every byte but the unreserved ones and '/' percent-escaped.
std::string PathToUri(std::string_view path);

}  // namespace lsp
