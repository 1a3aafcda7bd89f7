// The add-in's core as the server runs it: the settings profile, the code templates and an
// operating system that asks nobody. Commands run in a fresh built-in IDE each time, over the
// editor's texts, and report what they did instead of writing files.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "commands/command_context.h"
#include "host/add_in_app.h"
#include "lsp/json_rpc.h"
#include "posix/answer_queue.h"
#include "posix/file_profile_store.h"
#include "posix/terminal_platform.h"

namespace lsp {

// The text of a path as the editor has it, or nothing to read it from disk.
using TextLookup = std::function<std::optional<std::string>(const std::string& path)>;

struct Selection {
    std::string path;
    std::size_t anchor = 0;  // byte offsets
    std::size_t caret = 0;
};

struct ChangedText {
    std::string path;
    std::string before;
    std::string after;
};

struct CommandOutcome {
    std::optional<Selection> active;    // the active document and its selection afterwards
    std::vector<ChangedText> changed;   // in the order opened
    std::vector<std::string> messages;  // what the command told the user
};

class CoreSession {
  public:
    // Profile changes stay in memory: the editor's session never writes the profile.
    CoreSession(std::unique_ptr<posix::FileProfileStore> profile,
                std::optional<std::string> templates, std::ostream& log);
    CoreSession(const CoreSession&) = delete;
    CoreSession& operator=(const CoreSession&) = delete;

    // Options-sheet values for this session, by the names the pages show; each one that cannot
    // be taken is named in the result.
    std::vector<std::string> Override(const Json& options);

    settings::Settings& Settings() { return app_->Settings(); }
    sys::Platform& Platform() { return platform_; }
    host::AddInApp& App() { return *app_; }

    // Runs `command` with `selection` in the active document. Documents open from `texts`
    // first; a document the command changed is reported, never written.
    CommandOutcome Run(const Selection& selection, const TextLookup& texts,
                       const std::function<void(const commands::CommandContext&)>& command);

  private:
    std::unique_ptr<posix::FileProfileStore> profile_;
    posix::AnswerQueue answers_;
    std::istringstream noInput_;
    posix::TerminalPlatform platform_;
    std::optional<host::AddInApp> app_;
};

}  // namespace lsp
