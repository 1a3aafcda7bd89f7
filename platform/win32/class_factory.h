// The class object of Connect: one new Connect object per request.
#pragma once

#include "win32/win_api.h"

#include <atomic>

#include "win32/com_server.h"

namespace win32 {

class ClassFactory final : public IClassFactory {
  public:
    // A new factory asked for the interface iid: the usual creation results.
    static HRESULT Create(REFIID iid, void** object);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

  private:
    ClassFactory() = default;
    ~ClassFactory() = default;

    ServerReference server_;
    std::atomic<ULONG> references_{1};
};

}  // namespace win32
