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

namespace {

// The other interface's members are named under their own ids plus this.
constexpr DISPID kOtherFace = 0x1000;

}  // namespace

HRESULT ConnectObject::TypeInfo(int face, ITypeInfo** info) {
    ComPtr<ITypeInfo>& kept = typeInfo_[face];
    if (!kept) {
        ComPtr<ITypeLib> library;
        HRESULT result = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, library.Receive());
        if (FAILED(result))
            return result;
        result = library->GetTypeInfoOfGuid(
            face == kExtensibilityFace ? IID_IDTExtensibility2 : IID_IDTCommandTarget,
            kept.Receive());
        if (FAILED(result))
            return result;
    }
    kept->AddRef();
    *info = kept.Get();
    return S_OK;
}

HRESULT ConnectObject::FaceTypeInfo(int face, UINT index, ITypeInfo** info) {
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    return TypeInfo(face, info);
}

HRESULT ConnectObject::FaceIDsOfNames(int face, REFIID iid, LPOLESTR* names, UINT count,
                                      DISPID* ids) {
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    HRESULT result = DISP_E_UNKNOWNNAME;
    for (const int asked : {face, 1 - face}) {
        ComPtr<ITypeInfo> info;
        if (const HRESULT loaded = TypeInfo(asked, info.Receive()); FAILED(loaded))
            return loaded;
        result = DispGetIDsOfNames(info.Get(), names, count, ids);
        if (result != DISP_E_UNKNOWNNAME) {
            if (SUCCEEDED(result) && asked != face && count > 0)
                ids[0] += kOtherFace;
            break;
        }
    }
    return result;
}

HRESULT ConnectObject::FaceInvoke(int face, DISPID member, REFIID iid, WORD flags,
                                  DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                  UINT* argumentError) {
    if (!IsEqualIID(iid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (member > kOtherFace) {
        face = 1 - face;
        member -= kOtherFace;
    }
    ComPtr<ITypeInfo> info;
    if (const HRESULT loaded = TypeInfo(face, info.Receive()); FAILED(loaded))
        return loaded;
    void* object = face == kExtensibilityFace
                       ? static_cast<void*>(static_cast<IDTExtensibility2*>(this))
                       : static_cast<void*>(static_cast<IDTCommandTarget*>(this));
    return DispInvoke(object, info.Get(), member, flags, parameters, result, exception,
                      argumentError);
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
