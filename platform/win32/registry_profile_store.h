// The profile in the registry: HKEY_CURRENT_USER\<key>\<section>, numbers as REG_DWORD and
// texts as REG_SZ in the ANSI code page.
#pragma once

#include <string>

#include "settings/profile_store.h"

namespace win32 {

inline constexpr const char* kProfileKey = "Software\\Tarn\\Zentrel2";

class RegistryProfileStore : public settings::ProfileStore {
  public:
    explicit RegistryProfileStore(std::string key = kProfileKey) : key_(std::move(key)) {}

    std::optional<std::int32_t> ReadInt(const std::string& section,
                                        const std::string& name) override;
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& name) override;
    bool WriteInt(const std::string& section, const std::string& name, std::int32_t value) override;
    bool WriteString(const std::string& section, const std::string& name,
                     const std::string& value) override;
    bool ClearSection(const std::string& section) override;

  private:
    std::string SectionKey(const std::string& section) const;

    std::string key_;
};

}  // namespace win32
