#include "lsp/framing.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace lsp {

namespace {

// Longer header lines are cut; no header the protocol has comes near it.
constexpr std::size_t kMaxHeaderLine = 1024;
constexpr int kMaxDepth = 128;

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A decimal length, or nothing when it is not one or does not fit.
std::optional<std::size_t> ParseLength(std::string_view text) {
    if (text.empty() || text.size() > 18)
        return std::nullopt;
    std::size_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    return value;
}

}  // namespace

FrameReader::Line FrameReader::ReadHeaderLine(std::string& line) {
    line.clear();
    for (;;) {
        const int c = in_.get();
        if (c == std::char_traits<char>::eof())
            return Line::kEnd;
        if (c == '\n')
            break;
        if (line.size() < kMaxHeaderLine)
            line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return Line::kText;
}

Frame FrameReader::Next() {
    Frame frame;
    std::optional<std::size_t> length;
    bool badLength = false;
    bool anyHeader = false;
    std::string line;
    for (;;) {
        if (ReadHeaderLine(line) == Line::kEnd)
            return frame;
        if (line.empty()) {
            if (anyHeader)
                break;
            continue;  // blank lines between messages
        }
        anyHeader = true;
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        if (EqualsIgnoringCase(Trimmed(std::string_view(line).substr(0, colon)),
                               "Content-Length")) {
            length = ParseLength(Trimmed(std::string_view(line).substr(colon + 1)));
            badLength = !length;
        }
    }
    frame.kind = Frame::Kind::kBad;
    if (badLength || !length) {
        frame.problem = badLength ? "the Content-Length header is not a length"
                                  : "a message without a Content-Length header";
        return frame;
    }
    if (*length > maxBody_) {
        frame.problem = "a message of " + std::to_string(*length) + " bytes is longer than the " +
                        std::to_string(maxBody_) + " this server takes";
        in_.ignore(static_cast<std::streamsize>(*length));
        if (static_cast<std::size_t>(in_.gcount()) < *length)
            frame.kind = Frame::Kind::kEnd;
        return frame;
    }
    try {
        frame.body.resize(*length);
    } catch (const std::bad_alloc&) {
        frame.problem = "not enough memory for a message of " + std::to_string(*length) + " bytes";
        in_.ignore(static_cast<std::streamsize>(*length));
        return frame;
    }
    in_.read(frame.body.data(), static_cast<std::streamsize>(*length));
    if (static_cast<std::size_t>(in_.gcount()) < *length) {
        frame.kind = Frame::Kind::kEnd;
        frame.body.clear();
        return frame;
    }
    frame.kind = Frame::Kind::kBody;
    return frame;
}

std::optional<Json> ParseBody(const std::string& body, std::string& problem) {
    // nlohmann copies values recursively, so depth is checked before anything is built.
    int depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char c = body[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxDepth) {
                problem = "the message nests deeper than " + std::to_string(kMaxDepth) + " levels";
                return std::nullopt;
            }
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    Json value = Json::parse(body, nullptr, false);
    if (value.is_discarded()) {
        problem = "the message is not JSON";
        return std::nullopt;
    }
    return value;
}

void WriteFrame(std::ostream& out, const Json& message) {
    // Document texts are bytes; what is not UTF-8 must not make the answer fail.
    const std::string body = message.dump(-1, ' ', false, Json::error_handler_t::replace);
    out << "Content-Length: " << body.size() << "\r\n\r\n" << body;
    out.flush();
}

}  // namespace lsp
