// The system registry as the registrar sees it: keys under three roots, each holding named
// values (the name "" is the key's default value). Windows implements it over the real
// registry; MemoryRegistry keeps it in memory (and in a file) for the POSIX host and tests.
//
// A path names keys below the root, separated by single '\' (no leading or trailing one);
// the empty path is the root itself. Key and value names compare ignoring ASCII case and keep
// the spelling they were created with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace registration {

enum class RegistryRoot { ClassesRoot, LocalMachine, CurrentUser };

inline constexpr RegistryRoot kRegistryRoots[] = {
    RegistryRoot::ClassesRoot, RegistryRoot::LocalMachine, RegistryRoot::CurrentUser};

// "HKEY_CLASSES_ROOT", "HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER".
std::string_view RootName(RegistryRoot root);
// The long name or its short form ("HKCR", "HKLM", "HKCU"), in any case.
std::optional<RegistryRoot> ParseRootName(std::string_view name);

// How the registry compares names: ASCII letters ignoring case, other bytes exactly.
bool SameName(std::string_view a, std::string_view b);

// A string or a DWORD.
using RegistryValue = std::variant<std::string, std::uint32_t>;

class RegistryModel {
  public:
    virtual ~RegistryModel() = default;

    virtual bool KeyExists(RegistryRoot root, std::string_view path) = 0;
    // Creates the key and every missing key above it; true when it exists afterwards.
    virtual bool CreateKey(RegistryRoot root, std::string_view path) = 0;
    // Deletes the key with its values and everything beneath it; true when it no longer
    // exists afterwards (so an absent key is no failure). A root cannot be deleted.
    virtual bool DeleteTree(RegistryRoot root, std::string_view path) = 0;
    // Names of the key's direct subkeys; empty for an absent key.
    virtual std::vector<std::string> SubKeys(RegistryRoot root, std::string_view path) = 0;

    // The key must exist.
    virtual bool SetValue(RegistryRoot root, std::string_view path, std::string_view name,
                          const RegistryValue& value) = 0;
    virtual std::optional<RegistryValue> GetValue(RegistryRoot root, std::string_view path,
                                                  std::string_view name) = 0;
    // True when the value no longer exists afterwards.
    virtual bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) = 0;
    // Names of the key's values, "" for a default value that is set.
    virtual std::vector<std::string> ValueNames(RegistryRoot root, std::string_view path) = 0;
};

// The value as a string; empty when it is absent or a DWORD.
std::optional<std::string> ReadString(RegistryModel& registry, RegistryRoot root,
                                      std::string_view path, std::string_view name);

}  // namespace registration
