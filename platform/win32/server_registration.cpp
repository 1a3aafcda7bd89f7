#include "win32/server_registration.h"

#include <olectl.h>
#include <shellapi.h>

#include <optional>
#include <string>
#include <string_view>

#include "Zentrel2.h"
#include "host/command_setup.h"
#include "registration/registration.h"
#include "win32/ansi_text.h"
#include "win32/application.h"
#include "win32/com_ptr.h"
#include "win32/com_server.h"
#include "win32/connection_ids.h"
#include "win32/dispatch_ide.h"
#include "win32/module_handle.h"
#include "win32/module_path.h"
#include "win32/win32_registry_model.h"

namespace win32 {
namespace {

std::optional<std::string_view> RegistrationScript() {
    HRSRC found =
        FindResourceW(ModuleHandle(), MAKEINTRESOURCEW(kRegistrationScriptResource), L"REGISTRY");
    if (!found)
        return std::nullopt;
    HGLOBAL loaded = LoadResource(ModuleHandle(), found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return std::nullopt;
    return std::string_view(static_cast<const char*>(bytes), SizeofResource(ModuleHandle(), found));
}

bool RegisterTypeLibrary(const std::wstring& modulePath) {
    ComPtr<ITypeLib> library;
    if (FAILED(LoadTypeLibEx(modulePath.c_str(), REGKIND_NONE, library.Receive())))
        return false;
    std::wstring path = modulePath;
    return SUCCEEDED(RegisterTypeLib(library.Get(), path.data(), nullptr));
}

void UnregisterTypeLibrary() {
    UnRegisterTypeLib(LIBID_Zentrel2Lib, 1, 0, LOCALE_NEUTRAL, SYS_WIN32);
}

ide::Ref<ide::Environment> StartIde(const std::string& progId) {
    CLSID server;
    if (FAILED(CLSIDFromProgID(Widen(progId).c_str(), &server)))
        return nullptr;
    ComPtr<IDispatch> environment;
    if (FAILED(CoCreateInstance(server, nullptr, CLSCTX_ALL, kDteId,
                                reinterpret_cast<void**>(environment.Receive()))))
        return nullptr;
    return MakeEnvironment(environment.Get());
}

void RunHidden(const std::string& program, const std::string& parameters) {
    const std::wstring file = Widen(program);
    const std::wstring arguments = Widen(parameters);
    SHELLEXECUTEINFOW run = {};
    run.cbSize = sizeof run;
    run.fMask = SEE_MASK_NOCLOSEPROCESS;
    run.lpFile = file.c_str();
    run.lpParameters = arguments.c_str();
    run.nShow = SW_HIDE;
    if (ShellExecuteExW(&run) && run.hProcess) {
        WaitForSingleObject(run.hProcess, INFINITE);
        CloseHandle(run.hProcess);
    }
}

}  // namespace

HRESULT RegisterServer() {
    HRESULT result = S_OK;
    const HRESULT guarded = Guarded([&] {
        const std::optional<std::string_view> script = RegistrationScript();
        if (!script) {
            result = SELFREG_E_CLASS;
            return;
        }
        const std::wstring modulePath = ModulePath();
        bool typeLibraryFailed = false;
        SystemRegistry registry;
        registration::RegistrationServices services{.registry = registry,
                                                    .modulePath = Narrow(modulePath)};
        services.registerTypeLibrary = [&] {
            typeLibraryFailed = !RegisterTypeLibrary(modulePath);
            return !typeLibraryFailed;
        };
        if (registration::RegisterServer(*script, services))
            result = typeLibraryFailed ? SELFREG_E_TYPELIB : SELFREG_E_CLASS;
    });
    return FAILED(guarded) ? guarded : result;
}

HRESULT UnregisterServer() {
    // Starting the IDE needs COM on this thread; the registration tool may not have set it up.
    const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Guarded([&] {
        const std::optional<std::string_view> script = RegistrationScript();
        SystemRegistry registry;
        registration::RegistrationServices services{.registry = registry,
                                                    .modulePath = Narrow(ModulePath())};
        services.unregisterTypeLibrary = UnregisterTypeLibrary;
        services.startIde = StartIde;
        services.removeCommands = [](ide::Environment& environment) {
            host::RemoveCommands(Application(), environment);
        };
        services.runHidden = RunHidden;
        registration::UnregisterServer(script.value_or(std::string_view()), services);
    });
    if (SUCCEEDED(initialised))
        CoUninitialize();
    return S_OK;
}

}  // namespace win32
