#include "win32/com_server.h"

#include <atomic>

namespace win32 {
namespace {

std::atomic<long> locks{0};

}  // namespace

void LockServer() {
    ++locks;
}
void UnlockServer() {
    --locks;
}
bool ServerInUse() {
    return locks.load() != 0;
}

}  // namespace win32
