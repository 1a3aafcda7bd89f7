#include "registration/registrar.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace registration {
namespace {

struct ResolvedValue {
    std::string name;
    RegistryValue data;
};

// A script key with its replacements filled and its path below the root.
struct ResolvedKey {
    std::string path;
    std::optional<RegistryValue> defaultValue;
    std::vector<ResolvedValue> values;
};

std::string Describe(RegistryRoot root, const std::string& path) {
    return std::string(RootName(root)) + '\\' + path;
}

class Resolver {
  public:
    explicit Resolver(const std::map<std::string, std::string, std::less<>>& replacements)
        : replacements_(replacements) {}

    std::optional<ScriptError> Expand(const std::string& text, std::size_t line,
                                      std::string& out) const {
        out.clear();
        for (std::size_t pos = 0; pos < text.size(); ++pos) {
            if (text[pos] != '%') {
                out += text[pos];
                continue;
            }
            std::size_t close = text.find('%', pos + 1);
            if (close == std::string::npos) {
                return ScriptError{line, "a '%' without its closing '%' in '" + text +
                                             "'; write %% for a percent sign"};
            }
            std::string_view name = std::string_view(text).substr(pos + 1, close - pos - 1);
            if (name.empty()) {
                out += '%';
            } else if (auto found = replacements_.find(name); found != replacements_.end()) {
                out += found->second;
            } else {
                return ScriptError{line, "unknown replacement %" + std::string(name) + "%"};
            }
            pos = close;
        }
        return std::nullopt;
    }

    std::optional<ScriptError> ExpandData(const RegistryValue& data, std::size_t line,
                                          RegistryValue& out) const {
        const auto* text = std::get_if<std::string>(&data);
        if (text == nullptr) {
            out = data;
            return std::nullopt;
        }
        std::string expanded;
        std::optional<ScriptError> error = Expand(*text, line, expanded);
        out = std::move(expanded);
        return error;
    }

    std::optional<ScriptError> Resolve(const RegistrationScript& script,
                                       std::vector<ResolvedKey>& resolved) const {
        resolved.resize(script.keys.size());
        for (std::size_t i = 0; i < script.keys.size(); ++i) {
            const ScriptKey& key = script.keys[i];
            ResolvedKey& out = resolved[i];
            if (key.parent != kNoParent && key.parent >= i) {
                return ScriptError{key.line, "a key listed before its parent"};
            }
            std::string name;
            if (auto error = Expand(key.name, key.line, name)) {
                return error;
            }
            if (name.empty() || name.find('\\') != std::string::npos) {
                return ScriptError{key.line, "the key name '" + key.name + "' reads '" + name +
                                                 "', which is empty or contains '\\'"};
            }
            out.path = key.parent == kNoParent ? name : resolved[key.parent].path + '\\' + name;
            if (key.defaultValue) {
                out.defaultValue.emplace();
                if (auto error = ExpandData(*key.defaultValue, key.line, *out.defaultValue)) {
                    return error;
                }
            }
            for (const ScriptValue& value : key.values) {
                ResolvedValue& expanded = out.values.emplace_back();
                if (auto error = Expand(value.name, value.line, expanded.name)) {
                    return error;
                }
                if (auto error = ExpandData(value.data, value.line, expanded.data)) {
                    return error;
                }
            }
        }
        return std::nullopt;
    }

  private:
    const std::map<std::string, std::string, std::less<>>& replacements_;
};

std::optional<ScriptError> Register(const RegistrationScript& script,
                                    const std::vector<ResolvedKey>& resolved,
                                    RegistryModel& registry) {
    for (std::size_t i = 0; i < script.keys.size(); ++i) {
        const ScriptKey& key = script.keys[i];
        const ResolvedKey& out = resolved[i];
        auto failure = [&](std::string_view what) {
            return ScriptError{key.line, std::string(what) + ' ' + Describe(key.root, out.path)};
        };
        if (key.flag == KeyFlag::ForceRemove && !registry.DeleteTree(key.root, out.path)) {
            return failure("cannot delete the key");
        }
        if (!registry.CreateKey(key.root, out.path)) {
            return failure("cannot create the key");
        }
        if (out.defaultValue && !registry.SetValue(key.root, out.path, "", *out.defaultValue)) {
            return failure("cannot set the default value of");
        }
        for (const ResolvedValue& value : out.values) {
            if (!registry.SetValue(key.root, out.path, value.name, value.data)) {
                return failure("cannot set the value '" + value.name + "' of");
            }
        }
    }
    return std::nullopt;
}

std::optional<ScriptError> Unregister(const RegistrationScript& script,
                                      const std::vector<ResolvedKey>& resolved,
                                      RegistryModel& registry) {
    std::optional<ScriptError> first;
    // Reverse script order visits every key after all of its subkeys.
    for (std::size_t i = script.keys.size(); i-- > 0;) {
        const ScriptKey& key = script.keys[i];
        const ResolvedKey& out = resolved[i];
        auto fail = [&](std::string_view what) {
            if (!first) {
                first =
                    ScriptError{key.line, std::string(what) + ' ' + Describe(key.root, out.path)};
            }
        };
        if (!registry.KeyExists(key.root, out.path)) {
            continue;
        }
        if (key.flag == KeyFlag::ForceRemove) {
            if (!registry.DeleteTree(key.root, out.path)) {
                fail("cannot delete the key");
            }
            continue;
        }
        for (const ResolvedValue& value : out.values) {
            if (!registry.DeleteValue(key.root, out.path, value.name)) {
                fail("cannot delete the value '" + value.name + "' of");
            }
        }
        if (key.flag == KeyFlag::NoRemove) {
            continue;
        }
        if (out.defaultValue && !registry.DeleteValue(key.root, out.path, "")) {
            fail("cannot delete the default value of");
        }
        if (registry.SubKeys(key.root, out.path).empty() &&
            registry.ValueNames(key.root, out.path).empty() &&
            !registry.DeleteTree(key.root, out.path)) {
            fail("cannot delete the key");
        }
    }
    return first;
}

}  // namespace

void Registrar::AddReplacement(std::string name, std::string text) {
    replacements_.insert_or_assign(std::move(name), std::move(text));
}

void Registrar::AddModuleReplacements(std::string_view modulePath, editor::PathStyle style) {
    std::size_t separator = modulePath.rfind(editor::Separator(style));
    std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    AddReplacement("MODULE", std::string(modulePath));
    AddReplacement("MODULEPATH", std::string(modulePath.substr(0, nameStart)));
    AddReplacement("MODULENAME", std::string(modulePath.substr(nameStart)));
}

std::optional<ScriptError> Registrar::Run(const RegistrationScript& script, RegistrarMode mode,
                                          RegistryModel& registry) const {
    std::vector<ResolvedKey> resolved;
    if (auto error = Resolver(replacements_).Resolve(script, resolved)) {
        return error;
    }
    return mode == RegistrarMode::Register ? Register(script, resolved, registry)
                                           : Unregister(script, resolved, registry);
}

}  // namespace registration
