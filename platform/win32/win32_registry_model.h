// The registrar's view of the real registry. Names and texts cross as UTF-16 converted with
// the ANSI code page; strings are written as REG_SZ, numbers as REG_DWORD.
#pragma once

#include "win32/win_api.h"

#include "host/registry_model.h"

namespace win32 {

class SystemRegistry final : public host::RegistryModel {
  public:
    bool KeyExists(host::RegistryRoot root, std::string_view path) override;
    bool CreateKey(host::RegistryRoot root, std::string_view path) override;
    bool DeleteTree(host::RegistryRoot root, std::string_view path) override;
    std::vector<std::string> SubKeys(host::RegistryRoot root, std::string_view path) override;
    bool SetValue(host::RegistryRoot root, std::string_view path, std::string_view name,
                  const host::RegistryValue& value) override;
    std::optional<host::RegistryValue> GetValue(host::RegistryRoot root, std::string_view path,
                                                std::string_view name) override;
    bool DeleteValue(host::RegistryRoot root, std::string_view path,
                     std::string_view name) override;
    std::vector<std::string> ValueNames(host::RegistryRoot root, std::string_view path) override;
};

HKEY RootKey(host::RegistryRoot root);

}  // namespace win32
