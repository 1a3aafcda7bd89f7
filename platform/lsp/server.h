// The language server: the lifecycle, and one row per method naming its handler.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

#include "lsp/inbox.h"
#include "lsp/workspace.h"

namespace lsp {

// A request's handler answers with the result (null where the protocol allows it) or throws
// an RpcError; a notification's handler answers nothing.
using RequestHandler = Json (*)(Workspace&, const Json& params);
using NotificationHandler = void (*)(Workspace&, const Json& params);

struct MethodRow {
    std::string_view name;
    RequestHandler request = nullptr;
    NotificationHandler notification = nullptr;
};

class Server {
  public:
    Server(CoreSession& core, std::ostream& out, std::ostream& log);

    // Answers messages until `exit` or the end of the input; the process's exit status: 0 after
    // a shutdown request, else 1.
    int Run(Inbox& inbox);

  private:
    enum class State { kStarting, kRunning, kShutDown };

    void Handle(Received received);
    void Request(const Incoming& incoming);
    void Notify(const Incoming& incoming);
    Json Initialize(const Json& params);
    void Send(const Json& message);

    Workspace workspace_;
    std::ostream& out_;
    State state_ = State::kStarting;
    bool exited_ = false;
    Inbox* inbox_ = nullptr;
};

// The document and request rows (method_table.cpp).
std::span<const MethodRow> MethodTable();
// What initialize advertises: the capabilities of those rows.
Json ServerCapabilities();

}  // namespace lsp
