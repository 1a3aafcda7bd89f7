#include "lsp/json_rpc.h"

namespace lsp {

Incoming Classify(Json message) {
    Incoming incoming;
    if (!message.is_object()) {
        incoming.problem = "a message must be a JSON object";
        return incoming;
    }
    const auto id = message.find("id");
    const bool hasId = id != message.end();
    if (hasId) {
        if (id->is_string() || id->is_number_integer())
            incoming.id = *id;
        else if (!id->is_null()) {
            incoming.problem = "an id must be a number or a string";
            return incoming;
        }
    }
    const auto method = message.find("method");
    if (method == message.end()) {
        if (hasId && (message.contains("result") || message.contains("error"))) {
            incoming.kind = Incoming::Kind::kResponse;
        } else {
            incoming.problem = "a message needs a method";
        }
        return incoming;
    }
    if (!method->is_string()) {
        incoming.problem = "the method must be a string";
        return incoming;
    }
    incoming.method = method->get<std::string>();
    if (auto params = message.find("params"); params != message.end())
        incoming.params = std::move(*params);
    incoming.kind = hasId ? Incoming::Kind::kRequest : Incoming::Kind::kNotification;
    return incoming;
}

Json Response(const Json& id, Json result) {
    return Json{{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}};
}

Json ErrorResponse(const Json& id, const RpcError& error) {
    return Json{{"jsonrpc", "2.0"},
                {"id", id},
                {"error", {{"code", error.code}, {"message", error.message}}}};
}

Json Notification(const std::string& method, Json params) {
    return Json{{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

}  // namespace lsp
