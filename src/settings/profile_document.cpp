#include "settings/profile_document.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "settings/reg_text.h"

namespace settings {
namespace {

std::string KeyOf(std::string_view section) {
    std::string key = kProfileKey;
    if (!section.empty()) {
        key += '\\';
        key += section;
    }
    return key;
}

std::optional<std::string_view> SectionOf(std::string_view key) {
    std::string_view root = kProfileKey;
    if (!StartsWithIgnoringCase(key, root)) {
        return std::nullopt;
    }
    key.remove_prefix(root.size());
    if (key.empty()) {
        return key;
    }
    if (key.front() != '\\') {
        return std::nullopt;
    }
    return key.substr(1);
}

struct ValueLine {
    std::string name;
    ProfileValue value;
};

// One `"name"=value` or `@=value` line, already trimmed.
std::optional<ValueLine> ParseValueLine(std::string_view line, std::string& error) {
    if (line.front() != '@' && line.front() != '"') {
        error = "expected a key in [brackets] or a \"quoted\" value name";
        return std::nullopt;
    }
    auto parsed = ParseRegValueLine(line, NulEscape::kRefuse, error);
    if (!parsed) {
        return std::nullopt;
    }
    if (parsed->text) {
        return ValueLine{std::move(parsed->name), std::move(*parsed->text)};
    }
    constexpr std::string_view kDword = "dword:";
    if (!StartsWithIgnoringCase(parsed->other, kDword)) {
        error = "unsupported value type (only \"strings\" and dword: numbers are kept here)";
        return std::nullopt;
    }
    auto number = ParseDwordDigits(parsed->other.substr(kDword.size()));
    if (!number) {
        error = "a dword needs one to eight hexadecimal digits";
        return std::nullopt;
    }
    return ValueLine{std::move(parsed->name), static_cast<std::int32_t>(*number)};
}

// What a FoldedNameIndex over the list compares.
template <typename List>
auto NamesIn(const List& list) {
    return [&list](std::size_t position) { return std::string_view(list[position].name); };
}

bool Storable(std::string_view text) {
    return text.find('\0') == std::string_view::npos;
}

// The value lines from `pos` up to the next key line: room for them is made at once, so that a
// large section loads without regrowing its list and index again and again.
std::size_t ValueLinesAhead(std::string_view text, std::size_t pos) {
    std::size_t count = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = TrimBlanks(text.substr(pos, end - pos));
        if (!line.empty() && line.front() == '[')
            break;
        count += !line.empty() && (line.front() == '"' || line.front() == '@');
        pos = end + 1;
    }
    return count;
}

}  // namespace

std::variant<ProfileDocument, ProfileDocument::ParseError> ProfileDocument::Parse(
    std::string_view text) {
    ProfileDocument document;
    Section* section = nullptr;  // only a key line adds sections, and it resets this
    bool sawSignature = false;
    std::size_t lineNumber = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (!Storable(line)) {
            return ParseError{lineNumber, "NUL byte"};
        }
        line = TrimBlanks(line);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (!sawSignature) {
            if (line != "REGEDIT4") {
                return ParseError{lineNumber, "expected REGEDIT4"};
            }
            sawSignature = true;
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']') {
                return ParseError{lineNumber, "key without closing ']'"};
            }
            auto name = SectionOf(line.substr(1, line.size() - 2));
            if (!name) {
                return ParseError{lineNumber, std::string("key outside ") + kProfileKey};
            }
            section = &document.SectionNamed(*name);
            section->Reserve(section->entries.size() + ValueLinesAhead(text, pos));
            continue;
        }
        if (section == nullptr) {
            return ParseError{lineNumber, "value before the first key"};
        }
        std::string error;
        auto value = ParseValueLine(line, error);
        if (!value) {
            return ParseError{lineNumber, error};
        }
        section->entries.push_back({std::move(value->name), std::move(value->value)});
    }
    for (Section& read : document.sections_)
        read.IndexEntries();
    return document;
}

std::string ProfileDocument::Serialize() const {
    std::string text = "REGEDIT4\n";
    for (const Section& section : sections_) {
        text += "\n[" + KeyOf(section.name) + "]\n";
        for (const Entry& entry : section.entries) {
            if (const auto* number = std::get_if<std::int32_t>(&entry.value)) {
                text += FormatRegValueLine(entry.name, static_cast<std::uint32_t>(*number));
            } else {
                text += FormatRegValueLine(entry.name, std::get<std::string>(entry.value));
            }
        }
    }
    return text;
}

const ProfileValue* ProfileDocument::Find(std::string_view section, std::string_view name) const {
    const std::size_t found = byName_.Find(section, NamesIn(sections_));
    if (found == FoldedNameIndex::kAbsent) {
        return nullptr;
    }
    const Section& candidate = sections_[found];
    const std::size_t entry = candidate.byName.Find(name, NamesIn(candidate.entries));
    return entry == FoldedNameIndex::kAbsent ? nullptr : &candidate.entries[entry].value;
}

bool ProfileDocument::Set(std::string_view section, std::string_view name, ProfileValue value) {
    if (section.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos ||
        !Storable(name)) {
        return false;
    }
    if (const auto* text = std::get_if<std::string>(&value); text && !Storable(*text)) {
        return false;
    }
    Put(SectionNamed(section), name, std::move(value));
    return true;
}

bool ProfileDocument::RemoveSection(std::string_view section) {
    const std::size_t found = byName_.Find(section, NamesIn(sections_));
    if (found == FoldedNameIndex::kAbsent) {
        return false;
    }
    sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found));
    byName_.Clear();
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        byName_.Add(sections_[i].name, i);
    }
    return true;
}

ProfileDocument::Section& ProfileDocument::SectionNamed(std::string_view name) {
    const std::size_t found = byName_.Find(name, NamesIn(sections_));
    if (found != FoldedNameIndex::kAbsent) {
        return sections_[found];
    }
    byName_.Add(name, sections_.size());
    return sections_.emplace_back(Section{std::string(name), {}, {}});
}

// A later duplicate gives its value to the first entry of that name and goes.
void ProfileDocument::Section::IndexEntries() {
    byName.Clear();
    byName.Reserve(entries.size());
    std::vector<std::uint32_t> tags(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        tags[i] = FoldedNameIndex::Tag(entries[i].name);
    constexpr std::size_t kAhead = 16;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i + kAhead < tags.size())
            byName.Prefetch(tags[i + kAhead]);
        const std::size_t found =
            byName.FindOrAdd(tags[i], entries[i].name, kept, NamesIn(entries));
        if (found != FoldedNameIndex::kAbsent) {
            entries[found].value = std::move(entries[i].value);
            continue;
        }
        if (kept != i)
            entries[kept] = std::move(entries[i]);
        ++kept;
    }
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(kept), entries.end());
}

void ProfileDocument::Put(Section& section, std::string_view name, ProfileValue value) {
    const std::size_t found =
        section.byName.FindOrAdd(name, section.entries.size(), NamesIn(section.entries));
    if (found != FoldedNameIndex::kAbsent) {
        section.entries[found].value = std::move(value);
        return;
    }
    section.entries.push_back({std::string(name), std::move(value)});
}

}  // namespace settings
