// The library's count of live objects and server locks: the library may be unloaded only
// while it is zero.
#pragma once

#include "win32/win_api.h"

#include <new>

#include "win32/ansi_text.h"

namespace win32 {

void LockServer();
void UnlockServer();
bool ServerInUse();

// Keeps the library loaded for its own lifetime; every COM object of the library holds one.
class ServerReference {
  public:
    ServerReference() { LockServer(); }
    ~ServerReference() { UnlockServer(); }
    ServerReference(const ServerReference&) = delete;
    ServerReference& operator=(const ServerReference&) = delete;
};

// Runs the body of a COM method: no exception may cross into the caller, so each becomes the
// result code it stands for.
template <class Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        body();
        return S_OK;
    } catch (const ComError& error) {
        return error.Code();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace win32
