#include "settings/folded_name_index.h"

#include <algorithm>
#include <utility>

#include "settings/reg_text.h"

namespace settings {

void FoldedNameIndex::Add(std::string_view name, std::size_t position) {
    if (2 * (count_ + 1) > slots_.size()) {
        std::vector<Slot> old =
            std::exchange(slots_, std::vector<Slot>(std::max<std::size_t>(16, 2 * slots_.size())));
        for (const Slot& slot : old) {
            if (slot.position != kAbsent)
                Place(slot);
        }
    }
    Place({Hash(name), position});
    ++count_;
}

void FoldedNameIndex::Clear() {
    slots_.clear();
    count_ = 0;
}

std::uint64_t FoldedNameIndex::Hash(std::string_view name) {
    // FNV-1a over the folded bytes.
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(LowerAscii(c));
        hash *= 1099511628211ull;
    }
    return hash;
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

void FoldedNameIndex::Place(Slot slot) {
    std::size_t at = Start(slot.hash);
    while (slots_[at].position != kAbsent)
        at = (at + 1) & (slots_.size() - 1);
    slots_[at] = slot;
}

}  // namespace settings
