#include "settings/memory_profile_store.h"

namespace settings {

std::optional<std::int32_t> MemoryProfileStore::ReadInt(const std::string& section,
                                                        const std::string& name) {
    accesses_.push_back({Access::Kind::kReadInt, section, name});
    auto value = Peek(section, name);
    if (!value || !std::holds_alternative<std::int32_t>(*value)) {
        return std::nullopt;
    }
    return std::get<std::int32_t>(*value);
}

std::optional<std::string> MemoryProfileStore::ReadString(const std::string& section,
                                                          const std::string& name) {
    accesses_.push_back({Access::Kind::kReadString, section, name});
    auto value = Peek(section, name);
    if (!value || !std::holds_alternative<std::string>(*value)) {
        return std::nullopt;
    }
    return std::get<std::string>(std::move(*value));
}

bool MemoryProfileStore::WriteInt(const std::string& section, const std::string& name,
                                  std::int32_t value) {
    return Write(Access::Kind::kWriteInt, section, name, value);
}

bool MemoryProfileStore::WriteString(const std::string& section, const std::string& name,
                                     const std::string& value) {
    return Write(Access::Kind::kWriteString, section, name, value);
}

bool MemoryProfileStore::ClearSection(const std::string& section) {
    if (writesFail_)
        return false;
    std::erase_if(values_, [&](const auto& entry) { return entry.first.first == section; });
    return true;
}

void MemoryProfileStore::Seed(const std::string& section, const std::string& name, Value value) {
    values_[{section, name}] = std::move(value);
}

std::optional<MemoryProfileStore::Value> MemoryProfileStore::Peek(const std::string& section,
                                                                  const std::string& name) const {
    auto found = values_.find({section, name});
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool MemoryProfileStore::Write(Access::Kind kind, const std::string& section,
                               const std::string& name, Value value) {
    accesses_.push_back({kind, section, name});
    if (writesFail_) {
        return false;
    }
    Seed(section, name, std::move(value));
    return true;
}

}  // namespace settings
