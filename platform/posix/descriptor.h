// A file descriptor closed on every path out.
#pragma once

#include <unistd.h>

#include <utility>

namespace posix {

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }
    bool Close() { return ::close(Release()) == 0; }

  private:
    int fd_;
};

}  // namespace posix
