// The library's entry point and the four exports of an in-process COM server.
#include "win32/win_api.h"

#include <olectl.h>

#include "Zentrel2.h"
#include "win32/class_factory.h"
#include "win32/com_server.h"
#include "win32/module_handle.h"
#include "win32/server_registration.h"

namespace {

HMODULE module = nullptr;

}  // namespace

HMODULE win32::ModuleHandle() {
    return module;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

STDAPI DllCanUnloadNow() {
    return win32::ServerInUse() ? S_FALSE : S_OK;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* object) {
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, CLSID_Connect))
        return CLASS_E_CLASSNOTAVAILABLE;
    return win32::ClassFactory::Create(iid, object);
}

STDAPI DllRegisterServer() {
    return win32::RegisterServer();
}

STDAPI DllUnregisterServer() {
    return win32::UnregisterServer();
}
