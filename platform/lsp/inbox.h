// Messages read ahead of the one being answered, so a cancellation can reach a request that
// still waits. A reader thread fills it; the server takes from it.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>

#include "lsp/json_rpc.h"

namespace lsp {

struct Received {
    std::optional<Json> message;  // none when the frame or its JSON was bad
    std::string problem;
    bool end = false;  // the input ended
};

class Inbox {
  public:
    void Push(Received received);
    // Waits for the next message.
    Received Pop();
    // Whether a $/cancelRequest named this id; forgets it.
    bool TakeCancelled(const Json& id);

  private:
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Received> queue_;
    std::set<std::string> cancelled_;
};

// Reads frames from `in` into the inbox until the input ends, on its own thread, which is left
// running (it may wait on input when the server exits). Cancellations are taken out as they
// arrive.
void StartReader(std::istream& in, std::size_t maxBody, std::shared_ptr<Inbox> inbox);

}  // namespace lsp
