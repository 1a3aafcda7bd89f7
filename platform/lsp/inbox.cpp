#include "lsp/inbox.h"

#include <thread>

#include "lsp/framing.h"

namespace lsp {

void Inbox::Push(Received received) {
    {
        const std::lock_guard lock(mutex_);
        if (received.message && received.message->is_object() &&
            received.message->value("method", Json()) == "$/cancelRequest" &&
            !received.message->contains("id")) {
            const Json* params = &(*received.message)["params"];
            if (params->is_object() && params->contains("id"))
                cancelled_.insert((*params)["id"].dump());
            return;
        }
        queue_.push_back(std::move(received));
    }
    ready_.notify_one();
}

Received Inbox::Pop() {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return !queue_.empty(); });
    Received received = std::move(queue_.front());
    queue_.pop_front();
    return received;
}

bool Inbox::TakeCancelled(const Json& id) {
    const std::lock_guard lock(mutex_);
    return cancelled_.erase(id.dump()) > 0;
}

void StartReader(std::istream& in, std::size_t maxBody, std::shared_ptr<Inbox> inbox) {
    std::thread([&in, maxBody, inbox] {
        FrameReader reader(in, maxBody);
        for (;;) {
            Received received;
            try {
                Frame frame = reader.Next();
                if (frame.kind == Frame::Kind::kEnd) {
                    received.end = true;
                    inbox->Push(std::move(received));
                    return;
                }
                if (frame.kind == Frame::Kind::kBad)
                    received.problem = std::move(frame.problem);
                else
                    received.message = ParseBody(frame.body, received.problem);
            } catch (const std::bad_alloc&) {
                received.message.reset();
                received.problem = "not enough memory for the message";
            }
            inbox->Push(std::move(received));
        }
    }).detach();
}

}  // namespace lsp
