#include "win32/connect_object.h"

#include <memory>
#include <new>
#include <string>

#include "host/command_target.h"
#include "win32/ansi_text.h"
#include "win32/application.h"
#include "win32/connection_ids.h"
#include "win32/dispatch_ide.h"
#include "win32/module_handle.h"
#include "win32/module_path.h"
#include "win32/win32_platform.h"

namespace win32 {

ConnectObject::ConnectObject() : connect_(Application()) {}

HRESULT ConnectObject::Create(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    ConnectObject* created = nullptr;
    const HRESULT made = Guarded([&] { created = new ConnectObject(); });
    if (FAILED(made))
        return made;
    const HRESULT result = created->QueryInterface(iid, object);
    created->Release();
    return result;
}

HRESULT ConnectObject::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID_IDTExtensibility2)) {
        *object = static_cast<IDTExtensibility2*>(this);
    } else if (IsEqualIID(iid, IID_IDTCommandTarget)) {
        *object = static_cast<IDTCommandTarget*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG ConnectObject::AddRef() {
    return ++references_;
}

ULONG ConnectObject::Release() {
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ConnectObject::TypeInfo(ITypeInfo** info) {
    if (!typeInfo_) {
        ComPtr<ITypeLib> library;
        HRESULT result = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, library.Receive());
        if (FAILED(result))
            return result;
        result = library->GetTypeInfoOfGuid(IID_IDTExtensibility2, typeInfo_.Receive());
        if (FAILED(result))
            return result;
    }
    typeInfo_->AddRef();
    *info = typeInfo_.Get();
    return S_OK;
}

HRESULT ConnectObject::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT ConnectObject::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    return TypeInfo(info);
}

HRESULT ConnectObject::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    ComPtr<ITypeInfo> info;
    if (const HRESULT result = TypeInfo(info.Receive()); FAILED(result))
        return result;
    return DispGetIDsOfNames(info.Get(), names, count, ids);
}

HRESULT ConnectObject::Invoke(DISPID member, REFIID iid, LCID, WORD flags, DISPPARAMS* parameters,
                              VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    ComPtr<ITypeInfo> info;
    if (const HRESULT loaded = TypeInfo(info.Receive()); FAILED(loaded))
        return loaded;
    return DispInvoke(static_cast<IDTExtensibility2*>(this), info.Get(), member, flags, parameters,
                      result, exception, argumentError);
}

HRESULT ConnectObject::OnConnection(IDispatch* application, LONG, IDispatch* addInInst,
                                    SAFEARRAY**) {
    return Guarded([&] {
        // The IDE's objects are reached through the interfaces it publishes for them; an
        // object that does not answer them leaves the add-in unconnected.
        ComPtr<IDispatch> environment = ComPtr<IDispatch>(application).As<IDispatch>(kDteId);
        ComPtr<IDispatch> addIn = ComPtr<IDispatch>(addInInst).As<IDispatch>(kAddInId);
        ide::Ref<ide::Environment> ideEnvironment = MakeEnvironment(environment.Get());
        // Set before connecting, as setting up may already ask something. Weak, so the IDE's
        // object lives only as long as the connection holds it.
        if (ideEnvironment && !connect_.Connected()) {
            std::weak_ptr<ide::Environment> weak = ideEnvironment;
            ApplicationPlatform().SetSuppressUI([weak](bool suppress) {
                if (const ide::Ref<ide::Environment> alive = weak.lock())
                    alive->SetSuppressUI(suppress);
            });
        }
        connect_.OnConnection(ideEnvironment, MakeAddIn(addIn.Get()));
    });
}

HRESULT ConnectObject::OnDisconnection(LONG, SAFEARRAY**) {
    return Guarded([&] {
        // Another object's connection may own the callback.
        if (connect_.Connected())
            ApplicationPlatform().SetSuppressUI(nullptr);
        connect_.OnDisconnection();
    });
}

HRESULT ConnectObject::OnAddInsUpdate(SAFEARRAY**) {
    return S_OK;
}
HRESULT ConnectObject::OnStartupComplete(SAFEARRAY**) {
    return S_OK;
}
HRESULT ConnectObject::OnBeginShutdown(SAFEARRAY**) {
    return S_OK;
}

HRESULT ConnectObject::QueryStatus(BSTR, LONG neededText, LONG* status, VARIANT*) {
    if (!status)
        return E_POINTER;
    long value = *status;
    host::QueryStatus(neededText, value);
    *status = value;
    return S_OK;
}

HRESULT ConnectObject::Exec(BSTR name, LONG executeOption, VARIANT*, VARIANT*,
                            VARIANT_BOOL* handled) {
    if (handled)
        *handled = VARIANT_FALSE;
    return Guarded([&] {
        const bool done = host::Exec(connect_.Commands(), FromBstr(name), executeOption);
        if (handled)
            *handled = done ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

}  // namespace win32
