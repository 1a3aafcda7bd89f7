// Messages framed as the language server protocol sends them: header lines (only
// Content-Length is read, names in any case), an empty line, then exactly that many bytes.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>

#include "lsp/json_rpc.h"

namespace lsp {

struct Frame {
    enum class Kind { kBody, kBad, kEnd } kind = Kind::kEnd;
    std::string body;
    std::string problem;  // for kBad: what was wrong; reading can go on after it
};

class FrameReader {
  public:
    // A body longer than `maxBody` is skipped unread and reported as bad.
    FrameReader(std::istream& in, std::size_t maxBody) : in_(in), maxBody_(maxBody) {}

    // The next frame; kEnd at the end of the input (a frame cut short ends it too).
    Frame Next();

  private:
    enum class Line { kText, kEnd };
    Line ReadHeaderLine(std::string& line);

    std::istream& in_;
    std::size_t maxBody_;
};

// The body as JSON; nothing, with the reason, when it is not JSON or nests deeper than a
// message ever needs.
std::optional<Json> ParseBody(const std::string& body, std::string& problem);

void WriteFrame(std::ostream& out, const Json& message);

}  // namespace lsp
