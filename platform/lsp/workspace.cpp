#include "lsp/workspace.h"

#include <filesystem>
#include <limits>
#include <ostream>

#include "lsp/uri.h"

namespace lsp {

void Workspace::ShowMessages(const std::vector<std::string>& messages) {
    for (const std::string& message : messages) {
        log << "zentrel lsp: " << message << '\n';
        outgoing.push_back(Notification("window/showMessage", {{"type", 3}, {"message", message}}));
    }
}

namespace {

[[noreturn]] void Invalid(const std::string& message) {
    throw RpcError{error_code::kInvalidParams, message};
}

std::uint32_t Count(const Json& object, const char* name) {
    const Json& value = Member(object, name);
    if (!value.is_number_integer() || value.get<std::int64_t>() < 0 ||
        value.get<std::int64_t>() > std::numeric_limits<std::uint32_t>::max()) {
        Invalid(std::string(name) + " must be a non-negative integer");
    }
    return static_cast<std::uint32_t>(value.get<std::int64_t>());
}

}  // namespace

const Json& Member(const Json& object, const char* name) {
    if (!object.is_object())
        Invalid(std::string("an object with ") + name + " is needed");
    const auto found = object.find(name);
    if (found == object.end())
        Invalid(std::string(name) + " is missing");
    return *found;
}

std::string StringParam(const Json& object, const char* name) {
    const Json& value = Member(object, name);
    if (!value.is_string())
        Invalid(std::string(name) + " must be a string");
    return value.get<std::string>();
}

std::optional<std::string> DocumentPath(const Json& params) {
    std::optional<std::string> path = UriToPath(StringParam(Member(params, "textDocument"), "uri"));
    if (path)
        *path = std::filesystem::path(*path).lexically_normal().string();
    return path;
}

Position PositionParam(const Json& position) {
    return {Count(position, "line"), Count(position, "character")};
}

Range RangeParam(const Json& range) {
    return {PositionParam(Member(range, "start")), PositionParam(Member(range, "end"))};
}

Json ToJson(Position position) {
    return {{"line", position.line}, {"character", position.character}};
}

Json ToJson(const Range& range) {
    return {{"start", ToJson(range.start)}, {"end", ToJson(range.end)}};
}

Json LocationJson(const std::string& uri, const Range& range) {
    return {{"uri", uri}, {"range", ToJson(range)}};
}

}  // namespace lsp
