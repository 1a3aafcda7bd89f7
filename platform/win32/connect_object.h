// The COM object the IDE creates and connects: the IDE's add-in and command-target
// interfaces, each call forwarded to the core's connection and command target. Each
// interface's IDispatch answers from its own type information, and by name for the other's
// members under ids of their own, so a late-bound QueryStatus or Exec reaches the command
// target whichever of the two a caller holds (the default IDispatch is the add-in's).
#pragma once

#include "win32/win_api.h"

#include "Zentrel2.h"

#include <atomic>

#include "host/connect.h"
#include "win32/com_ptr.h"
#include "win32/com_server.h"

namespace win32 {

// One interface's IDispatch, told apart from the other's by `kFace`: both interfaces inherit
// the same four members, which one class would otherwise override as one.
template <int kFace, class Interface>
class DispatchFace : public Interface {
  public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) final {
        if (!count)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) final {
        return FaceTypeInfo(kFace, index, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) final {
        return FaceIDsOfNames(kFace, iid, names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID iid, LCID, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) final {
        return FaceInvoke(kFace, member, iid, flags, parameters, result, exception, argumentError);
    }

  protected:
    virtual HRESULT FaceTypeInfo(int face, UINT index, ITypeInfo** info) = 0;
    virtual HRESULT FaceIDsOfNames(int face, REFIID iid, LPOLESTR* names, UINT count,
                                   DISPID* ids) = 0;
    virtual HRESULT FaceInvoke(int face, DISPID member, REFIID iid, WORD flags,
                               DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                               UINT* argumentError) = 0;
};

inline constexpr int kExtensibilityFace = 0;
inline constexpr int kCommandTargetFace = 1;

class ConnectObject final : public DispatchFace<kExtensibilityFace, IDTExtensibility2>,
                            public DispatchFace<kCommandTargetFace, IDTCommandTarget> {
  public:
    // A new object asked for the interface iid: the usual creation results.
    static HRESULT Create(REFIID iid, void** object);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

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

    HRESULT FaceTypeInfo(int face, UINT index, ITypeInfo** info) override;
    HRESULT FaceIDsOfNames(int face, REFIID iid, LPOLESTR* names, UINT count, DISPID* ids) override;
    HRESULT FaceInvoke(int face, DISPID member, REFIID iid, WORD flags, DISPPARAMS* parameters,
                       VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;
    // The interface's type information, read from the library's type library once.
    HRESULT TypeInfo(int face, ITypeInfo** info);

    ServerReference server_;
    std::atomic<ULONG> references_{1};
    ComPtr<ITypeInfo> typeInfo_[2];
    host::Connect connect_;
};

}  // namespace win32
