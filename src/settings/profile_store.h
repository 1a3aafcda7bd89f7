// Where the profile's typed values live: the registry on Windows, a file elsewhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace settings {

// A stored value: a 32-bit number or a text.
using ProfileValue = std::variant<std::int32_t, std::string>;

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    // A value that is absent or of the other type reads as missing.
    virtual std::optional<std::int32_t> ReadInt(const std::string& section,
                                                const std::string& name) = 0;
    virtual std::optional<std::string> ReadString(const std::string& section,
                                                  const std::string& name) = 0;
    virtual bool WriteInt(const std::string& section, const std::string& name,
                          std::int32_t value) = 0;
    virtual bool WriteString(const std::string& section, const std::string& name,
                             const std::string& value) = 0;
    // Removes every value of the section; true when none is left.
    virtual bool ClearSection(const std::string& section) = 0;
};

}  // namespace settings
