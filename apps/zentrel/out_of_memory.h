// Input too large for memory ends the program with a message naming what was being loaded,
// never with an abort.
#pragma once

#include <new>
#include <string>
#include <utility>

namespace app {

class OutOfMemory : public std::bad_alloc {
  public:
    explicit OutOfMemory(std::string what) : message_("not enough memory to load " + what) {}
    const char* what() const noexcept override { return message_.c_str(); }

  private:
    std::string message_;
};

// Runs `load`, naming `what` in the failure when memory runs out. By the time the handler
// runs, unwinding has freed what the load had taken, so the message can be made.
template <class Load>
decltype(auto) Loading(const std::string& what, Load&& load) {
    try {
        return std::forward<Load>(load)();
    } catch (const OutOfMemory&) {
        throw;
    } catch (const std::bad_alloc&) {
        throw OutOfMemory(what);
    }
}

}  // namespace app
