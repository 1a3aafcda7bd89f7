#include "host/memory_registry.h"

#include <cstddef>
#include <sstream>

namespace host {
namespace {

constexpr char kHeader[] = "REGEDIT4";
constexpr char kHexDigits[] = "0123456789abcdef";
// The real registry's limit; it also keeps the work of a path linear in its length.
constexpr std::size_t kMaxDepth = 512;

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Fold(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = LowerAscii(c);
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

std::string Quote(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            quoted += "\\x";
            quoted += kHexDigits[byte >> 4];
            quoted += kHexDigits[byte & 0xf];
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Reads the quoted text starting at text[pos] == '"' and moves pos past its closing quote.
std::optional<std::string> Unquote(std::string_view text, std::size_t& pos, std::string& error) {
    std::string unquoted;
    for (++pos; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c == '"') {
            ++pos;
            return unquoted;
        }
        if (c != '\\') {
            unquoted += c;
            continue;
        }
        if (++pos == text.size()) {
            break;
        }
        char escaped = text[pos];
        if (escaped == '\\' || escaped == '"') {
            unquoted += escaped;
            continue;
        }
        int high = pos + 2 < text.size() ? HexValue(text[pos + 1]) : -1;
        int low = high >= 0 ? HexValue(text[pos + 2]) : -1;
        if (escaped != 'x' || low < 0) {
            error = "unknown escape sequence";
            return std::nullopt;
        }
        unquoted += static_cast<char>(high * 16 + low);
        pos += 2;
    }
    error = "unterminated string";
    return std::nullopt;
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<std::uint32_t> ParseDword(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : digits) {
        int digit = HexValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

void WriteValue(std::ostream& out, const std::string& name, const RegistryValue& value) {
    out << (name.empty() ? std::string("@") : Quote(name)) << '=';
    if (const auto* text = std::get_if<std::string>(&value)) {
        out << Quote(*text) << '\n';
        return;
    }
    std::uint32_t bits = std::get<std::uint32_t>(value);
    out << "dword:";
    for (int shift = 28; shift >= 0; shift -= 4) {
        out << kHexDigits[(bits >> shift) & 0xf];
    }
    out << '\n';
}

struct ValueLine {
    std::string name;
    RegistryValue value;
};

// One `"name"=value` or `@=value` line.
std::optional<ValueLine> ParseValueLine(std::string_view line, std::string& error) {
    ValueLine parsed;
    std::size_t pos = 0;
    if (line.front() == '@') {
        pos = 1;
    } else if (line.front() == '"') {
        auto name = Unquote(line, pos, error);
        if (!name) {
            return std::nullopt;
        }
        parsed.name = std::move(*name);
    } else {
        error = "expected a [key] or a \"quoted\" value name";
        return std::nullopt;
    }
    std::string_view rest = Trim(line.substr(pos));
    if (rest.empty() || rest.front() != '=') {
        error = "expected '=' after the value name";
        return std::nullopt;
    }
    rest = Trim(rest.substr(1));
    if (!rest.empty() && rest.front() == '"') {
        pos = 0;
        auto text = Unquote(rest, pos, error);
        if (!text) {
            return std::nullopt;
        }
        if (pos != rest.size()) {
            error = "unexpected text after the closing quote";
            return std::nullopt;
        }
        parsed.value = std::move(*text);
        return parsed;
    }
    constexpr std::string_view kDword = "dword:";
    std::optional<std::uint32_t> number;
    if (rest.substr(0, kDword.size()) == kDword) {
        number = ParseDword(rest.substr(kDword.size()));
    }
    if (!number) {
        error = "expected a \"string\" or dword:XXXXXXXX";
        return std::nullopt;
    }
    parsed.value = *number;
    return parsed;
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
                WriteValue(out, entry.first, entry.second);
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
        std::string_view text = Trim(line);
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

}  // namespace host
