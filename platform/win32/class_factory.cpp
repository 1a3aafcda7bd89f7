#include "win32/class_factory.h"

#include "win32/connect_object.h"

namespace win32 {

HRESULT ClassFactory::Create(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    ClassFactory* created = nullptr;
    const HRESULT made = Guarded([&] { created = new ClassFactory(); });
    if (FAILED(made))
        return made;
    const HRESULT result = created->QueryInterface(iid, object);
    created->Release();
    return result;
}

HRESULT ClassFactory::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IClassFactory)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG ClassFactory::AddRef() {
    return ++references_;
}

ULONG ClassFactory::Release() {
    const ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    return ConnectObject::Create(iid, object);
}

HRESULT ClassFactory::LockServer(BOOL lock) {
    if (lock)
        win32::LockServer();
    else
        win32::UnlockServer();
    return S_OK;
}

}  // namespace win32
