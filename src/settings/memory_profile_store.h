// A profile held in memory: for tests, and for hosts that want a throwaway profile.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/profile_store.h"

namespace settings {

class MemoryProfileStore : public ProfileStore {
  public:
    using Value = ProfileValue;
    using Key = std::pair<std::string, std::string>;  // section, name

    struct Access {
        enum class Kind { kReadInt, kReadString, kWriteInt, kWriteString };
        Kind kind;
        std::string section;
        std::string name;
        bool operator==(const Access&) const = default;
    };

    std::optional<std::int32_t> ReadInt(const std::string& section,
                                        const std::string& name) override;
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& name) override;
    bool WriteInt(const std::string& section, const std::string& name, std::int32_t value) override;
    bool WriteString(const std::string& section, const std::string& name,
                     const std::string& value) override;

    // Raw access that bypasses the failure switch and the access log.
    bool ClearSection(const std::string& section) override;
    void Seed(const std::string& section, const std::string& name, Value value);
    std::optional<Value> Peek(const std::string& section, const std::string& name) const;
    const std::map<Key, Value>& Values() const { return values_; }

    // While set, writes change nothing and report failure (they are still logged).
    void SetWritesFail(bool fail) { writesFail_ = fail; }

    // Every read and write through the ProfileStore interface, in call order.
    const std::vector<Access>& Accesses() const { return accesses_; }
    void ClearAccesses() { accesses_.clear(); }

  private:
    bool Write(Access::Kind kind, const std::string& section, const std::string& name, Value value);

    std::map<Key, Value> values_;
    std::vector<Access> accesses_;
    bool writesFail_ = false;
};

}  // namespace settings
