// What a transcript cannot show: a cancellation reaching a request that still waits in the
// inbox, which only happens when messages arrive faster than they are answered.
#include "lsp/server.h"

#include "lsp/framing.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/temp_dir.h"

namespace {

using lsp::Json;

std::vector<Json> Frames(const std::string& out) {
    std::istringstream in(out);
    lsp::FrameReader reader(in, out.size());
    std::vector<Json> frames;
    for (lsp::Frame frame = reader.Next(); frame.kind == lsp::Frame::Kind::kBody;
         frame = reader.Next())
        frames.push_back(Json::parse(frame.body));
    return frames;
}

TEST(Server, AnswersAQueuedRequestThatWasCancelledWithAnError) {
    testing_support::TempDir dir;
    std::ostringstream log;
    lsp::CoreSession core(std::make_unique<posix::FileProfileStore>(dir.Path() / "p.reg", log),
                          std::nullopt, log);
    std::ostringstream out;
    lsp::Server server(core, out, log);
    lsp::Inbox inbox;
    const auto push = [&](Json message) { inbox.Push({std::move(message), "", false}); };
    push({{"jsonrpc", "2.0"}, {"id", 1}, {"method", "initialize"}, {"params", Json::object()}});
    push({{"jsonrpc", "2.0"}, {"id", "a"}, {"method", "shutdown"}});
    push({{"jsonrpc", "2.0"}, {"method", "$/cancelRequest"}, {"params", {{"id", "a"}}}});
    push({{"jsonrpc", "2.0"}, {"id", "b"}, {"method", "shutdown"}});
    inbox.Push({std::nullopt, "", true});

    EXPECT_EQ(server.Run(inbox), 0);
    const std::vector<Json> frames = Frames(out.str());
    ASSERT_EQ(frames.size(), 3u) << out.str();
    EXPECT_EQ(frames[1]["id"], "a");
    EXPECT_EQ(frames[1]["error"]["code"], -32800);
    EXPECT_EQ(frames[2]["id"], "b");
    EXPECT_EQ(frames[2]["result"], nullptr);
}

}  // namespace
