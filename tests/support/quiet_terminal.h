// The terminal's platform without a terminal: questions take the queued answers, what it
// would write to standard error is kept in `errors`.
#pragma once

#include <sstream>

#include "posix/answer_queue.h"
#include "posix/terminal_platform.h"

namespace testing_support {

// Made before the platform, which holds references to them.
struct TerminalStreams {
    posix::AnswerQueue answers;
    std::ostringstream errors;
    std::istringstream input;
};

struct QuietTerminal : TerminalStreams, posix::TerminalPlatform {
    QuietTerminal() : posix::TerminalPlatform(answers, errors, input, false) {}
};

}  // namespace testing_support
