#include "registration/registry_model.h"

#include <cstddef>

namespace registration {
namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

struct RootNames {
    RegistryRoot root;
    std::string_view longName;
    std::string_view shortName;
};

constexpr RootNames kRootNames[] = {
    {RegistryRoot::ClassesRoot, "HKEY_CLASSES_ROOT", "HKCR"},
    {RegistryRoot::LocalMachine, "HKEY_LOCAL_MACHINE", "HKLM"},
    {RegistryRoot::CurrentUser, "HKEY_CURRENT_USER", "HKCU"},
};

}  // namespace

std::string_view RootName(RegistryRoot root) {
    for (const RootNames& names : kRootNames) {
        if (names.root == root) {
            return names.longName;
        }
    }
    return {};
}

std::optional<RegistryRoot> ParseRootName(std::string_view name) {
    for (const RootNames& names : kRootNames) {
        if (SameName(name, names.longName) || SameName(name, names.shortName)) {
            return names.root;
        }
    }
    return std::nullopt;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> ReadString(RegistryModel& registry, RegistryRoot root,
                                      std::string_view path, std::string_view name) {
    std::optional<RegistryValue> value = registry.GetValue(root, path, name);
    if (!value || !std::holds_alternative<std::string>(*value)) {
        return std::nullopt;
    }
    return std::get<std::string>(std::move(*value));
}

}  // namespace registration
