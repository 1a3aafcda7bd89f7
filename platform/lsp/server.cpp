#include "lsp/server.h"

#include <filesystem>
#include <ostream>

#include "lsp/framing.h"
#include "lsp/uri.h"

namespace lsp {

namespace {

const MethodRow* FindMethod(std::string_view name) {
    for (const MethodRow& row : MethodTable()) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

std::string Folder(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).lexically_normal();
    return folder.has_filename() || !folder.has_relative_path() ? folder.string()
                                                                : folder.parent_path().string();
}

}  // namespace

Server::Server(CoreSession& core, std::ostream& out, std::ostream& log)
    : workspace_(core, log), out_(out) {}

void Server::Send(const Json& message) {
    WriteFrame(out_, message);
}

int Server::Run(Inbox& inbox) {
    inbox_ = &inbox;
    while (!exited_) {
        Received received = inbox.Pop();
        if (received.end)
            break;
        Handle(std::move(received));
        for (const Json& notification : workspace_.outgoing)
            Send(notification);
        workspace_.outgoing.clear();
    }
    return state_ == State::kShutDown ? 0 : 1;
}

void Server::Handle(Received received) {
    if (!received.message) {
        workspace_.log << "zentrel lsp: " << received.problem << '\n';
        Send(ErrorResponse(nullptr, {error_code::kParseError, received.problem}));
        return;
    }
    // Moved, not copied: a didOpen can carry megabytes, which its handler takes over.
    Incoming incoming = Classify(std::move(*received.message));
    switch (incoming.kind) {
        case Incoming::Kind::kInvalid:
            workspace_.log << "zentrel lsp: " << incoming.problem << '\n';
            Send(ErrorResponse(incoming.id, {error_code::kInvalidRequest, incoming.problem}));
            return;
        case Incoming::Kind::kResponse:
            return;  // the server asks nothing of the client
        case Incoming::Kind::kRequest:
            Request(incoming);
            return;
        case Incoming::Kind::kNotification:
            Notify(incoming);
            return;
    }
}

void Server::Request(const Incoming& incoming) {
    const Json& id = incoming.id;
    if (inbox_ != nullptr && inbox_->TakeCancelled(id)) {
        Send(ErrorResponse(id, {error_code::kRequestCancelled, "cancelled"}));
        return;
    }
    const MethodRow* row = FindMethod(incoming.method);
    const bool lifecycle = incoming.method == "initialize" || incoming.method == "shutdown";
    if (state_ == State::kShutDown) {
        Send(ErrorResponse(id, {error_code::kInvalidRequest, "the server has been shut down"}));
        return;
    }
    if (state_ == State::kStarting && incoming.method != "initialize") {
        Send(ErrorResponse(id, {error_code::kServerNotInitialized, "initialize comes first"}));
        return;
    }
    if (!lifecycle && (row == nullptr || row->request == nullptr)) {
        Send(ErrorResponse(id, {error_code::kMethodNotFound, "no method " + incoming.method}));
        return;
    }
    try {
        Json result;
        if (incoming.method == "initialize") {
            if (state_ != State::kStarting)
                throw RpcError{error_code::kInvalidRequest, "initialize was already sent"};
            result = Initialize(incoming.params);
            state_ = State::kRunning;
        } else if (incoming.method == "shutdown") {
            state_ = State::kShutDown;
        } else {
            result = row->request(workspace_, incoming.params);
        }
        Send(Response(id, std::move(result)));
    } catch (const RpcError& error) {
        Send(ErrorResponse(id, error));
    } catch (const Json::exception& error) {
        Send(ErrorResponse(id, {error_code::kInvalidParams, error.what()}));
    } catch (const std::bad_alloc&) {
        Send(ErrorResponse(id, {error_code::kInternalError, "not enough memory"}));
    } catch (const std::exception& error) {
        Send(ErrorResponse(id, {error_code::kInternalError, error.what()}));
    }
}

void Server::Notify(const Incoming& incoming) {
    if (incoming.method == "exit") {
        exited_ = true;
        return;
    }
    // Before initialize every notification but exit is dropped, as the protocol says.
    if (state_ != State::kRunning)
        return;
    const MethodRow* row = FindMethod(incoming.method);
    if (row == nullptr || row->notification == nullptr)
        return;
    try {
        row->notification(workspace_, incoming.params);
    } catch (const RpcError& error) {
        workspace_.log << "zentrel lsp: " << incoming.method << ": " << error.message << '\n';
    } catch (const Json::exception& error) {
        workspace_.log << "zentrel lsp: " << incoming.method << ": " << error.what() << '\n';
    } catch (const std::exception& error) {
        workspace_.log << "zentrel lsp: " << incoming.method << ": " << error.what() << '\n';
    }
}

Json Server::Initialize(const Json& params) {
    if (!params.is_object())
        throw RpcError{error_code::kInvalidParams, "initialize needs an object"};
    if (const auto folders = params.find("workspaceFolders");
        folders != params.end() && folders->is_array()) {
        for (const Json& folder : *folders) {
            if (folder.is_object() && folder.value("uri", Json()).is_string()) {
                if (std::optional<std::string> path = UriToPath(folder["uri"].get<std::string>()))
                    workspace_.folders.push_back(Folder(*path));
            }
        }
    }
    if (const auto root = params.find("rootUri");
        workspace_.folders.empty() && root != params.end() && root->is_string()) {
        if (std::optional<std::string> path = UriToPath(root->get<std::string>()))
            workspace_.folders.push_back(Folder(*path));
    }
    if (const auto options = params.find("initializationOptions"); options != params.end()) {
        const Json settings = options->is_object() ? options->value("options", Json()) : Json();
        for (const std::string& problem : workspace_.core.Override(settings)) {
            workspace_.log << "zentrel lsp: " << problem << '\n';
            workspace_.outgoing.push_back(
                Notification("window/showMessage", {{"type", 2}, {"message", problem}}));
        }
    }
    return {{"capabilities", ServerCapabilities()},
            {"serverInfo", {{"name", "zentrel"}, {"version", ZENTREL_VERSION}}}};
}

}  // namespace lsp
