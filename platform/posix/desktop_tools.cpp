#include "posix/desktop_tools.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <optional>

extern char** environ;

namespace posix {

namespace {

bool Set(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    if (path == nullptr)
        return false;
    const std::string directories = path;
    std::size_t start = 0;
    while (start <= directories.size()) {
        std::size_t end = directories.find(':', start);
        if (end == std::string::npos)
            end = directories.size();
        const std::string directory = directories.substr(start, end - start);
        const std::string candidate = (directory.empty() ? "." : directory) + "/" + program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// Runs the program with `input` on its standard input and its output discarded; true when
// it exits with 0. Clipboard programs hand the text to a server of their own and return.
bool Run(const std::vector<std::string>& arguments, const std::string& input) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[0], STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[0]);
    if (spawned != 0) {
        ::close(pipeEnds[1]);
        return false;
    }
    // A program that stops reading must not kill this one with SIGPIPE.
    struct sigaction ignore {};
    struct sigaction previous {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &previous);
    std::size_t written = 0;
    while (written < input.size()) {
        const ssize_t n = ::write(pipeEnds[1], input.data() + written, input.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        written += static_cast<std::size_t>(n);
    }
    ::close(pipeEnds[1]);
    ::sigaction(SIGPIPE, &previous, nullptr);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return written == input.size() && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The first clipboard program of this session that is installed.
std::optional<std::vector<std::string>> ClipboardProgram(const char* type) {
    if (Set("WAYLAND_DISPLAY") && OnPath("wl-copy")) {
        std::vector<std::string> command{"wl-copy"};
        if (type != nullptr)
            command.insert(command.end(), {"--type", type});
        return command;
    }
    if (!Set("DISPLAY"))
        return std::nullopt;
    if (OnPath("xclip")) {
        std::vector<std::string> command{"xclip", "-selection", "clipboard"};
        if (type != nullptr)
            command.insert(command.end(), {"-t", type});
        return command;
    }
    // xsel offers text only.
    if (type == nullptr && OnPath("xsel"))
        return std::vector<std::string>{"xsel", "--clipboard", "--input"};
    return std::nullopt;
}

}  // namespace

std::string FileUri(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string uri = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' ||
                           c == '~' || c == '/';
        if (plain) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri;
}

bool PutTextOnDesktopClipboard(const std::string& text) {
    const std::optional<std::vector<std::string>> program = ClipboardProgram(nullptr);
    return program && Run(*program, text);
}

bool PutFilesOnDesktopClipboard(const std::vector<std::string>& paths) {
    const std::optional<std::vector<std::string>> program = ClipboardProgram("text/uri-list");
    if (!program)
        return false;
    std::string list;
    for (const std::string& path : paths)
        list += FileUri(path) + "\r\n";
    return Run(*program, list);
}

bool OpenWithDesktop(const std::string& path) {
    if (!(Set("DISPLAY") || Set("WAYLAND_DISPLAY")) || !OnPath("xdg-open"))
        return false;
    return Run({"xdg-open", path}, {});
}

}  // namespace posix
