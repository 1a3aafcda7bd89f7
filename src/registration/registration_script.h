// The registrar's script: the keys and values a COM server writes at registration, in the
// usual registrar syntax.
//
//   HKCR
//   {
//       NoRemove CLSID
//       {
//           ForceRemove {GUID} = s 'Class name'
//           {
//               InprocServer32 = s '%MODULE%'
//               {
//                   val ThreadingModel = s 'Apartment'
//               }
//           }
//       }
//   }
//
// Tokens are separated by white space. A script is a list of roots (HKCR, HKLM, HKCU or their
// long names), each with a braced body of keys. A key is an optional flag (NoRemove or
// ForceRemove), a name, an optional default value (`= type data`) and an optional braced body
// of subkeys and named values (`val name = type data`). Names and texts may be quoted with
// ', where '' stands for one quote; a quoted word is never a keyword. The types are s (a text,
// quoted) and d (a DWORD: decimal or 0x hexadecimal, quoted or not). Keywords, roots and
// types ignore case. %NAME% replacements stay in the texts; the registrar fills them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "registration/registry_model.h"

namespace registration {

// The registry's own limit on nesting; deeper scripts are refused.
inline constexpr std::size_t kMaxScriptDepth = 512;

struct ScriptError {
    std::size_t line = 0;  // counted from 1; 0 when the error has no place in the script
    std::string message;

    // "line N: message", or the message alone.
    std::string ToString() const;
};

enum class KeyFlag { None, NoRemove, ForceRemove };

struct ScriptValue {
    std::string name;
    RegistryValue data;
    std::size_t line = 0;
};

inline constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

struct ScriptKey {
    RegistryRoot root = RegistryRoot::ClassesRoot;
    std::size_t parent = kNoParent;  // index in RegistrationScript::keys; none right below a root
    std::string name;
    KeyFlag flag = KeyFlag::None;
    std::optional<RegistryValue> defaultValue;
    std::vector<ScriptValue> values;
    std::size_t line = 0;
};

struct RegistrationScript {
    // In script order: a key follows its parent, and its subtree follows it without a gap.
    std::vector<ScriptKey> keys;

    static std::variant<RegistrationScript, ScriptError> Parse(std::string_view text);
};

}  // namespace registration
