// The registry held in memory, for the POSIX host (kept in a file between runs) and tests.
//
// Its text form is the registry-export style, one section per key, keys and values sorted by
// their case-folded names so that the same content always gives the same text:
//
//   REGEDIT4
//
//   [HKEY_CLASSES_ROOT\Zentrel2.1]
//   @="Zentrel2 Class"
//
//   [HKEY_CURRENT_USER\Software\Tarn\Zentrel2\Options]
//   "Paste Space"=dword:00000000
//
// Strings and value names escape `\`, `"` and control characters (\xHH). Every key below a
// root has its section, so empty keys survive; a root has one only when it holds values.
// Key names may not contain control characters.
#pragma once

#include <array>
#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "registration/registry_model.h"

namespace registration {

class MemoryRegistry : public RegistryModel {
  public:
    MemoryRegistry();

    bool KeyExists(RegistryRoot root, std::string_view path) override;
    bool CreateKey(RegistryRoot root, std::string_view path) override;
    bool DeleteTree(RegistryRoot root, std::string_view path) override;
    std::vector<std::string> SubKeys(RegistryRoot root, std::string_view path) override;
    bool SetValue(RegistryRoot root, std::string_view path, std::string_view name,
                  const RegistryValue& value) override;
    std::optional<RegistryValue> GetValue(RegistryRoot root, std::string_view path,
                                          std::string_view name) override;
    bool DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) override;
    std::vector<std::string> ValueNames(RegistryRoot root, std::string_view path) override;

    void Save(std::ostream& out) const;
    // Replaces the whole content by the text's. On failure nothing changes and `error` reads
    // "line N: reason".
    bool Load(std::istream& in, std::string& error);
    // The text Save writes.
    std::string Dump() const;

  private:
    struct Key {
        std::string path;  // as first spelled
        // By case-folded name: the name as first spelled and the value.
        std::map<std::string, std::pair<std::string, RegistryValue>> values;
    };
    // By case-folded path; the entry "" is the root itself and always present.
    using KeyMap = std::map<std::string, Key>;

    KeyMap& Keys(RegistryRoot root) { return roots_[static_cast<std::size_t>(root)]; }
    Key* Find(RegistryRoot root, std::string_view path);

    std::array<KeyMap, 3> roots_;
};

}  // namespace registration
