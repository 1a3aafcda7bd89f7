// JSON-RPC 2.0 as the language server protocol uses it: the shapes of what comes in and what
// goes out, and the error codes.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace lsp {

using Json = nlohmann::json;

namespace error_code {
inline constexpr int kParseError = -32700;
inline constexpr int kInvalidRequest = -32600;
inline constexpr int kMethodNotFound = -32601;
inline constexpr int kInvalidParams = -32602;
inline constexpr int kInternalError = -32603;
inline constexpr int kServerNotInitialized = -32002;
inline constexpr int kRequestCancelled = -32800;
}  // namespace error_code

// A failure a handler reports; the dispatcher turns it into an error response.
struct RpcError {
    int code = error_code::kInternalError;
    std::string message;
};

// One message from the client, sorted out. A request has an id; a notification has none; a
// response to a request of ours carries no method and is ignored.
struct Incoming {
    enum class Kind { kRequest, kNotification, kResponse, kInvalid } kind = Kind::kInvalid;
    Json id;  // null when there is none or it is unusable
    std::string method;
    Json params;          // null when absent
    std::string problem;  // why it is invalid
};

Incoming Classify(Json message);

Json Response(const Json& id, Json result);
Json ErrorResponse(const Json& id, const RpcError& error);
Json Notification(const std::string& method, Json params);

}  // namespace lsp
