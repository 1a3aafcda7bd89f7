#include "registration/memory_registry.h"

#include <cstddef>
#include <sstream>
#include <variant>

#include "settings/reg_text.h"

namespace registration {
namespace {

constexpr char kHeader[] = "REGEDIT4";
// The real registry's limit; it also keeps the work of a path linear in its length.
constexpr std::size_t kMaxDepth = 512;

std::string Fold(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = settings::LowerAscii(c);
    }
    return folded;
}

// The case-folded path, or nothing for an empty name, a control character or too many levels.
std::optional<std::string> FoldPath(std::string_view path) {
    if (path.empty()) {
        return std::string();
    }
    std::size_t depth = 1;
    bool nameStart = true;
    for (char c : path) {
        if (c == '\\') {
            if (nameStart || ++depth > kMaxDepth) {
                return std::nullopt;
            }
            nameStart = true;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            return std::nullopt;
        } else {
            nameStart = false;
        }
    }
    if (nameStart) {
        return std::nullopt;
    }
    return Fold(path);
}

// The keys below a key are those whose folded path starts with its own and '\\'; they sort
// together, though not right after the key: "k!" comes between "k" and "k\\x".
template <class Map>
auto Descendants(Map& keys, const std::string& folded) {
    if (folded.empty()) {
        return std::pair(keys.upper_bound(folded), keys.end());
    }
    return std::pair(keys.lower_bound(folded + '\\'), keys.lower_bound(folded + ']'));
}

// getline keeps the CR of a CR LF line end, and hand edits may leave blanks around it.
std::string_view TrimLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
        line.remove_suffix(1);
    }
    return settings::TrimBlanks(line);
}

struct ValueLine {
    std::string name;
    RegistryValue value;
};

// One `"name"=value` or `@=value` line.
std::optional<ValueLine> ParseValueLine(std::string_view line, std::string& error) {
    if (line.front() != '@' && line.front() != '"') {
        error = "expected a [key] or a \"quoted\" value name";
        return std::nullopt;
    }
    auto parsed = settings::ParseRegValueLine(line, settings::NulEscape::kAccept, error);
    if (!parsed) {
        return std::nullopt;
    }
    if (parsed->text) {
        return ValueLine{std::move(parsed->name), std::move(*parsed->text)};
    }
    constexpr std::string_view kDword = "dword:";
    std::optional<std::uint32_t> number;
    if (parsed->other.starts_with(kDword)) {
        number = settings::ParseDwordDigits(parsed->other.substr(kDword.size()));
    }
    if (!number) {
        error = "expected a \"string\" or dword:XXXXXXXX";
        return std::nullopt;
    }
    return ValueLine{std::move(parsed->name), *number};
}

}  // namespace

MemoryRegistry::MemoryRegistry() {
    for (RegistryRoot root : kRegistryRoots) {
        Keys(root)[""];
    }
}

MemoryRegistry::Key* MemoryRegistry::Find(RegistryRoot root, std::string_view path) {
    std::optional<std::string> folded = FoldPath(path);
    if (!folded) {
        return nullptr;
    }
    auto found = Keys(root).find(*folded);
    return found == Keys(root).end() ? nullptr : &found->second;
}

bool MemoryRegistry::KeyExists(RegistryRoot root, std::string_view path) {
    return Find(root, path) != nullptr;
}

bool MemoryRegistry::CreateKey(RegistryRoot root, std::string_view path) {
    std::optional<std::string> folded = FoldPath(path);
    if (!folded) {
        return false;
    }
    KeyMap& keys = Keys(root);
    if (keys.contains(*folded)) {
        return true;
    }
    // Each missing level takes its spelling from the path, existing ones keep theirs.
    std::string parentPath;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string_view::npos) {
            end = path.size();
        }
        auto [entry, inserted] = keys.try_emplace(folded->substr(0, end));
        if (inserted) {
            entry->second.path =
                parentPath.empty()
                    ? std::string(path.substr(start, end - start))
                    : parentPath + '\\' + std::string(path.substr(start, end - start));
        }
        parentPath = entry->second.path;
        start = end + 1;
    }
    return true;
}

bool MemoryRegistry::DeleteTree(RegistryRoot root, std::string_view path) {
    std::optional<std::string> folded = FoldPath(path);
    if (!folded || folded->empty()) {
        return false;
    }
    KeyMap& keys = Keys(root);
    auto [first, last] = Descendants(keys, *folded);
    keys.erase(first, last);
    keys.erase(*folded);
    return true;
}

std::vector<std::string> MemoryRegistry::SubKeys(RegistryRoot root, std::string_view path) {
    std::vector<std::string> names;
    std::optional<std::string> folded = FoldPath(path);
    if (!folded || !Keys(root).contains(*folded)) {
        return names;
    }
    const KeyMap& keys = Keys(root);
    const std::string prefix = folded->empty() ? std::string() : *folded + '\\';
    auto [it, end] = Descendants(keys, *folded);
    while (it != end) {
        std::string_view rest = std::string_view(it->first).substr(prefix.size());
        std::size_t separator = rest.find('\\');
        if (separator == std::string_view::npos) {
            const std::string& spelled = it->second.path;
            names.push_back(spelled.substr(spelled.size() - rest.size()));
            ++it;
        } else {
            // Skip the grandchildren: the child itself came first.
            it = keys.lower_bound(prefix + std::string(rest.substr(0, separator)) + ']');
        }
    }
    return names;
}

bool MemoryRegistry::SetValue(RegistryRoot root, std::string_view path, std::string_view name,
                              const RegistryValue& value) {
    Key* key = Find(root, path);
    if (key == nullptr) {
        return false;
    }
    auto [entry, inserted] = key->values.try_emplace(Fold(name), std::string(name), value);
    if (!inserted) {
        entry->second.second = value;
    }
    return true;
}

std::optional<RegistryValue> MemoryRegistry::GetValue(RegistryRoot root, std::string_view path,
                                                      std::string_view name) {
    Key* key = Find(root, path);
    if (key == nullptr) {
        return std::nullopt;
    }
    auto found = key->values.find(Fold(name));
    if (found == key->values.end()) {
        return std::nullopt;
    }
    return found->second.second;
}

bool MemoryRegistry::DeleteValue(RegistryRoot root, std::string_view path, std::string_view name) {
    Key* key = Find(root, path);
    if (key != nullptr) {
        key->values.erase(Fold(name));
    }
    return true;
}

std::vector<std::string> MemoryRegistry::ValueNames(RegistryRoot root, std::string_view path) {
    std::vector<std::string> names;
    if (Key* key = Find(root, path)) {
        for (const auto& [folded, entry] : key->values) {
            names.push_back(entry.first);
        }
    }
    return names;
}

void MemoryRegistry::Save(std::ostream& out) const {
    out << kHeader << '\n';
    for (RegistryRoot root : kRegistryRoots) {
        for (const auto& [folded, key] : roots_[static_cast<std::size_t>(root)]) {
            if (folded.empty() && key.values.empty()) {
                continue;
            }
            out << '\n' << '[' << RootName(root);
            if (!folded.empty()) {
                out << '\\' << key.path;
            }
            out << "]\n";
            for (const auto& [foldedName, entry] : key.values) {
                const std::string& name = entry.first;
                out << std::visit(
                    [&](const auto& value) { return settings::FormatRegValueLine(name, value); },
                    entry.second);
            }
        }
    }
}

std::string MemoryRegistry::Dump() const {
    std::ostringstream out;
    Save(out);
    return out.str();
}

bool MemoryRegistry::Load(std::istream& in, std::string& error) {
    MemoryRegistry loaded;
    std::optional<RegistryRoot> root;
    std::string path;
    std::string line;
    std::size_t number = 0;
    bool sawHeader = false;
    auto fail = [&](const std::string& reason) {
        error = "line " + std::to_string(number) + ": " + reason;
        return false;
    };
    while (std::getline(in, line)) {
        ++number;
        std::string_view text = TrimLine(line);
        if (text.empty() || text.front() == ';') {
            continue;
        }
        if (!sawHeader) {
            if (text != kHeader) {
                return fail(std::string("expected ") + kHeader);
            }
            sawHeader = true;
            continue;
        }
        if (text.front() == '[') {
            if (text.back() != ']') {
                return fail("expected ']' at the end of the key");
            }
            std::string_view full = text.substr(1, text.size() - 2);
            std::size_t separator = full.find('\\');
            std::string_view rootName = full.substr(0, separator);
            root = ParseRootName(rootName);
            if (!root) {
                return fail("unknown root '" + std::string(rootName) + "'");
            }
            path = separator == std::string_view::npos ? std::string()
                                                       : std::string(full.substr(separator + 1));
            if (!loaded.CreateKey(*root, path)) {
                return fail("malformed key '" + std::string(full) + "'");
            }
            continue;
        }
        if (!root) {
            return fail("a value before the first [key]");
        }
        std::string reason;
        std::optional<ValueLine> value = ParseValueLine(text, reason);
        if (!value) {
            return fail(reason);
        }
        loaded.SetValue(*root, path, value->name, value->value);
    }
    if (in.bad()) {
        error = "read error";
        return false;
    }
    if (!sawHeader) {
        number = 1;
        return fail(std::string("expected ") + kHeader);
    }
    *this = std::move(loaded);
    return true;
}

}  // namespace registration
