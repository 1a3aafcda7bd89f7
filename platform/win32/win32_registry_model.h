// The registrar's view of the real registry. Names and texts cross as UTF-16 converted with
// the ANSI code page; strings are written as REG_SZ, numbers as REG_DWORD.
#pragma once

#include "win32/win_api.h"

#include "registration/registry_model.h"

namespace win32 {

class SystemRegistry final : public registration::RegistryModel {
  public:
    bool KeyExists(registration::RegistryRoot root, std::string_view path) override;
    bool CreateKey(registration::RegistryRoot root, std::string_view path) override;
    bool DeleteTree(registration::RegistryRoot root, std::string_view path) override;
    std::vector<std::string> SubKeys(registration::RegistryRoot root,
                                     std::string_view path) override;
    bool SetValue(registration::RegistryRoot root, std::string_view path, std::string_view name,
                  const registration::RegistryValue& value) override;
    std::optional<registration::RegistryValue> GetValue(registration::RegistryRoot root,
                                                        std::string_view path,
                                                        std::string_view name) override;
    bool DeleteValue(registration::RegistryRoot root, std::string_view path,
                     std::string_view name) override;
    std::vector<std::string> ValueNames(registration::RegistryRoot root,
                                        std::string_view path) override;
};

HKEY RootKey(registration::RegistryRoot root);

}  // namespace win32
