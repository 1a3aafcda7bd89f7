#include "win32/win32_registry_model.h"

#include <shlwapi.h>

#include <utility>

#include "win32/ansi_text.h"

namespace win32 {
namespace {

// An open key, closed when it goes.
class Key {
  public:
    Key() = default;
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    ~Key() {
        if (key_)
            RegCloseKey(key_);
    }
    HKEY* Receive() { return &key_; }
    HKEY Get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

  private:
    HKEY key_ = nullptr;
};

bool Open(registration::RegistryRoot root, std::string_view path, REGSAM access, Key& key) {
    return RegOpenKeyExW(RootKey(root), Widen(path).c_str(), 0, access, key.Receive()) ==
           ERROR_SUCCESS;
}

// Enumerates names with a growing buffer: registry names and value names stay short, but a
// value name may reach 16383 characters.
template <class Enumerate>
std::vector<std::string> Names(Enumerate enumerate) {
    std::vector<std::string> names;
    std::wstring buffer(256, L'\0');
    for (DWORD index = 0;;) {
        DWORD length = static_cast<DWORD>(buffer.size());
        const LONG status = enumerate(index, buffer.data(), &length);
        if (status == ERROR_MORE_DATA) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (status != ERROR_SUCCESS)
            break;
        names.push_back(Narrow(std::wstring_view(buffer.data(), length)));
        ++index;
    }
    return names;
}

}  // namespace

HKEY RootKey(registration::RegistryRoot root) {
    switch (root) {
        case registration::RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case registration::RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case registration::RegistryRoot::CurrentUser:
            break;
    }
    return HKEY_CURRENT_USER;
}

bool SystemRegistry::KeyExists(registration::RegistryRoot root, std::string_view path) {
    Key key;
    return Open(root, path, KEY_READ, key);
}

bool SystemRegistry::CreateKey(registration::RegistryRoot root, std::string_view path) {
    Key key;
    return RegCreateKeyExW(RootKey(root), Widen(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_WRITE, nullptr, key.Receive(), nullptr) == ERROR_SUCCESS;
}

bool SystemRegistry::DeleteTree(registration::RegistryRoot root, std::string_view path) {
    if (path.empty())
        return false;
    const LONG status = SHDeleteKeyW(RootKey(root), Widen(path).c_str());
    return status == ERROR_SUCCESS || !KeyExists(root, path);
}

std::vector<std::string> SystemRegistry::SubKeys(registration::RegistryRoot root,
                                                 std::string_view path) {
    Key key;
    if (!Open(root, path, KEY_READ, key))
        return {};
    return Names([&](DWORD index, wchar_t* name, DWORD* length) {
        return RegEnumKeyExW(key.Get(), index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

bool SystemRegistry::SetValue(registration::RegistryRoot root, std::string_view path,
                              std::string_view name, const registration::RegistryValue& value) {
    Key key;
    if (!Open(root, path, KEY_SET_VALUE, key))
        return false;
    const std::wstring wideName = Widen(name);
    LONG status;
    if (const auto* text = std::get_if<std::string>(&value)) {
        const std::wstring wide = Widen(*text);
        status = RegSetValueExW(key.Get(), wideName.c_str(), 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(wide.c_str()),
                                static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    } else {
        const DWORD number = std::get<std::uint32_t>(value);
        status = RegSetValueExW(key.Get(), wideName.c_str(), 0, REG_DWORD,
                                reinterpret_cast<const BYTE*>(&number), sizeof number);
    }
    return status == ERROR_SUCCESS;
}

std::optional<registration::RegistryValue> SystemRegistry::GetValue(registration::RegistryRoot root,
                                                                    std::string_view path,
                                                                    std::string_view name) {
    Key key;
    if (!Open(root, path, KEY_QUERY_VALUE, key))
        return std::nullopt;
    const std::wstring wideName = Widen(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), wideName.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    if (type == REG_DWORD) {
        DWORD number = 0;
        size = sizeof number;
        if (RegQueryValueExW(key.Get(), wideName.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&number), &size) != ERROR_SUCCESS ||
            type != REG_DWORD)
            return std::nullopt;
        return registration::RegistryValue(static_cast<std::uint32_t>(number));
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return std::nullopt;
    // The stored text need not end with a terminator, so one more character is kept free.
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.Get(), wideName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return registration::RegistryValue(Narrow(text));
}

bool SystemRegistry::DeleteValue(registration::RegistryRoot root, std::string_view path,
                                 std::string_view name) {
    Key key;
    if (!Open(root, path, KEY_SET_VALUE | KEY_QUERY_VALUE, key))
        return true;
    const LONG status = RegDeleteValueW(key.Get(), Widen(name).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

std::vector<std::string> SystemRegistry::ValueNames(registration::RegistryRoot root,
                                                    std::string_view path) {
    Key key;
    if (!Open(root, path, KEY_QUERY_VALUE, key))
        return {};
    return Names([&](DWORD index, wchar_t* name, DWORD* length) {
        return RegEnumValueW(key.Get(), index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

}  // namespace win32
