// Positions in a list of names, found by name with ASCII case ignored, as the registry compares
// key and value names. One flat table probed in place: a lookup touches a slot or two and the
// one name it compares, so that loading stays linear in practice as well as in theory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace settings {

class FoldedNameIndex {
  public:
    static constexpr std::size_t kAbsent = static_cast<std::size_t>(-1);

    // The position filed under a name equal to `name`, or kAbsent. nameOf(position) gives the
    // name filed at a position.
    template <typename NameOf>
    std::size_t Find(std::string_view name, const NameOf& nameOf) const {
        if (slots_.empty())
            return kAbsent;
        const std::uint64_t hash = Hash(name);
        for (std::size_t at = Start(hash);; at = (at + 1) & (slots_.size() - 1)) {
            const Slot& slot = slots_[at];
            if (slot.position == kAbsent)
                return kAbsent;
            if (slot.hash == hash && EqualFolded(nameOf(slot.position), name))
                return slot.position;
        }
    }
    // Files `position` under `name`, which Find must not know yet.
    void Add(std::string_view name, std::size_t position);
    void Clear();

  private:
    struct Slot {
        std::uint64_t hash = 0;
        std::size_t position = kAbsent;  // kAbsent: empty
    };

    static std::uint64_t Hash(std::string_view name);
    static bool EqualFolded(std::string_view a, std::string_view b);
    std::size_t Start(std::uint64_t hash) const {
        return static_cast<std::size_t>(hash ^ (hash >> 32)) & (slots_.size() - 1);
    }
    void Place(Slot slot);

    std::vector<Slot> slots_;  // a power of two long, at most half full
    std::size_t count_ = 0;
};

}  // namespace settings
