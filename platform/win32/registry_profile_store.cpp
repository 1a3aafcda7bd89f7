#include "win32/registry_profile_store.h"

#include "win32/win_api.h"

#include <shlwapi.h>

namespace win32 {

namespace {

class Key {
  public:
    Key() = default;
    ~Key() {
        if (key_)
            RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* Receive() { return &key_; }
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

bool OpenForReading(const std::string& path, Key& key) {
    return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, key.Receive()) ==
           ERROR_SUCCESS;
}

bool OpenForWriting(const std::string& path, Key& key) {
    return RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                           KEY_SET_VALUE, nullptr, key.Receive(), nullptr) == ERROR_SUCCESS;
}

bool Write(const std::string& path, const std::string& name, DWORD type, const void* data,
           DWORD size) {
    Key key;
    return OpenForWriting(path, key) &&
           RegSetValueExA(key.Get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
               ERROR_SUCCESS;
}

}  // namespace

std::string RegistryProfileStore::SectionKey(const std::string& section) const {
    return key_ + "\\" + section;
}

std::optional<std::int32_t> RegistryProfileStore::ReadInt(const std::string& section,
                                                          const std::string& name) {
    Key key;
    if (!OpenForReading(SectionKey(section), key))
        return std::nullopt;
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<std::string> RegistryProfileStore::ReadString(const std::string& section,
                                                            const std::string& name) {
    Key key;
    if (!OpenForReading(SectionKey(section), key))
        return std::nullopt;
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        type != REG_SZ)
        return std::nullopt;
    // The value may grow between the two queries; ask again until it fits.
    std::string text;
    LONG status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
        text.resize(size + 1);
        size = static_cast<DWORD>(text.size());
        status = RegQueryValueExA(key.Get(), name.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE*>(text.data()), &size);
    }
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    text.resize(size);
    // The stored terminator (or a missing one) is not part of the text.
    if (const std::size_t end = text.find('\0'); end != std::string::npos)
        text.resize(end);
    return text;
}

bool RegistryProfileStore::WriteInt(const std::string& section, const std::string& name,
                                    std::int32_t value) {
    const DWORD data = static_cast<DWORD>(value);
    return Write(SectionKey(section), name, REG_DWORD, &data, sizeof(data));
}

bool RegistryProfileStore::WriteString(const std::string& section, const std::string& name,
                                       const std::string& value) {
    return Write(SectionKey(section), name, REG_SZ, value.c_str(),
                 static_cast<DWORD>(value.size() + 1));
}

bool RegistryProfileStore::ClearSection(const std::string& section) {
    const DWORD status = SHDeleteKeyA(HKEY_CURRENT_USER, SectionKey(section).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace win32
