// The COM object the IDE creates and connects: the IDE's add-in and command-target
// interfaces (with IDispatch served from the add-in interface's type information), each
// call forwarded to the core's connection and command target.
#pragma once

#include "win32/win_api.h"

#include "Zentrel2.h"

#include <atomic>

#include "host/connect.h"
#include "win32/com_ptr.h"
#include "win32/com_server.h"

namespace win32 {

class ConnectObject final : public IDTExtensibility2, public IDTCommandTarget {
  public:
    // A new object asked for the interface iid: the usual creation results.
    static HRESULT Create(REFIID iid, void** object);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;

    HRESULT STDMETHODCALLTYPE OnConnection(IDispatch* application, LONG connectMode,
                                           IDispatch* addInInst, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnDisconnection(LONG removeMode, SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnAddInsUpdate(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnStartupComplete(SAFEARRAY** custom) override;
    HRESULT STDMETHODCALLTYPE OnBeginShutdown(SAFEARRAY** custom) override;

    HRESULT STDMETHODCALLTYPE QueryStatus(BSTR name, LONG neededText, LONG* status,
                                          VARIANT* commandText) override;
    HRESULT STDMETHODCALLTYPE Exec(BSTR name, LONG executeOption, VARIANT* in, VARIANT* out,
                                   VARIANT_BOOL* handled) override;

  private:
    ConnectObject();
    ~ConnectObject() = default;

    // The add-in interface's type information, read from the library's type library once.
    HRESULT TypeInfo(ITypeInfo** info);

    ServerReference server_;
    std::atomic<ULONG> references_{1};
    ComPtr<ITypeInfo> typeInfo_;
    host::Connect connect_;
};

}  // namespace win32
