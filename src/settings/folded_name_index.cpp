#include "settings/folded_name_index.h"

#include <utility>

#include "settings/reg_text.h"

namespace settings {

// Slots for that many names at most three quarters full: a power of two.
std::size_t FoldedNameIndex::SlotsFor(std::size_t names) {
    std::size_t slots = 16;
    while (slots - slots / 4 < names)
        slots *= 2;
    return slots;
}

void FoldedNameIndex::Add(std::string_view name, std::size_t position) {
    if (SlotsFor(count_ + 1) > slots_.size())
        Regrow(SlotsFor(2 * (count_ + 1)));
    Place({Tag(name), static_cast<std::uint32_t>(position + 1)});
    ++count_;
}

void FoldedNameIndex::Reserve(std::size_t names) {
    if (SlotsFor(names) > slots_.size())
        Regrow(SlotsFor(names));
}

void FoldedNameIndex::Clear() {
    slots_.clear();
    count_ = 0;
}

std::uint32_t FoldedNameIndex::Tag(std::string_view name) {
    // FNV-1a over the folded bytes; its low bits depend on the bytes' low bits only, so the
    // multiply brings every bit into the high half kept.
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(LowerAscii(c));
        hash *= 1099511628211ull;
    }
    return static_cast<std::uint32_t>((hash * 0x9e3779b97f4a7c15ull) >> 32);
}

bool FoldedNameIndex::EqualFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

void FoldedNameIndex::Regrow(std::size_t slots) {
    std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(slots));
    for (const Slot& slot : old) {
        if (slot.filed != 0)
            Place(slot);
    }
}

void FoldedNameIndex::Place(Slot slot) {
    std::size_t at = Start(slot.tag);
    while (slots_[at].filed != 0)
        at = (at + 1) & (slots_.size() - 1);
    slots_[at] = slot;
}

}  // namespace settings
