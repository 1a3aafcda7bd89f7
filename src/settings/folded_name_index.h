// Positions in a list of names, found by name with ASCII case ignored, as the registry compares
// key and value names. One flat table of small slots probed in place: a lookup touches a slot
// or two and the one name it compares, and the table stays small enough to stay in the cache
// while a large list loads.
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
        const std::uint32_t tag = Tag(name);
        for (std::size_t at = Start(tag);; at = (at + 1) & (slots_.size() - 1)) {
            const Slot& slot = slots_[at];
            if (slot.filed == 0)
                return kAbsent;
            if (slot.tag == tag && EqualFolded(nameOf(slot.filed - 1), name))
                return slot.filed - 1;
        }
    }
    // Find, and when nothing is filed under the name yet, files `position` under it in the same
    // probe.
    template <typename NameOf>
    std::size_t FindOrAdd(std::string_view name, std::size_t position, const NameOf& nameOf) {
        return FindOrAdd(Tag(name), name, position, nameOf);
    }
    // The same with the name's tag worked out ahead.
    template <typename NameOf>
    std::size_t FindOrAdd(std::uint32_t tag, std::string_view name, std::size_t position,
                          const NameOf& nameOf) {
        if (SlotsFor(count_ + 1) > slots_.size())
            Regrow(SlotsFor(2 * (count_ + 1)));
        for (std::size_t at = Start(tag);; at = (at + 1) & (slots_.size() - 1)) {
            Slot& slot = slots_[at];
            if (slot.filed == 0) {
                slot = {tag, static_cast<std::uint32_t>(position + 1)};
                ++count_;
                return kAbsent;
            }
            if (slot.tag == tag && EqualFolded(nameOf(slot.filed - 1), name))
                return slot.filed - 1;
        }
    }
    // Asks for the slot a name of this tag starts at ahead of its lookup, so that filing many
    // names costs little more per name once the table no longer fits in the cache. Only once
    // the index has room (Reserve).
    void Prefetch(std::uint32_t tag) const {
#if defined(__GNUC__)
        __builtin_prefetch(slots_.data() + Start(tag));
#else
        (void)tag;
#endif
    }
    // A hash of the folded name: its low bits choose the first slot, all of it tells names apart
    // before they are compared.
    static std::uint32_t Tag(std::string_view name);
    // Files `position` under `name`, which Find must not know yet. Positions stay below 2^32 - 1:
    // a list that long would not fit in memory.
    void Add(std::string_view name, std::size_t position);
    // Room for that many names in all, so that adding them never regrows the table.
    void Reserve(std::size_t names);
    void Clear();

  private:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t filed = 0;  // position + 1; 0: empty
    };

    static std::size_t SlotsFor(std::size_t names);
    static bool EqualFolded(std::string_view a, std::string_view b);
    std::size_t Start(std::uint32_t tag) const {
        return tag & (slots_.size() - 1);
    }
    void Regrow(std::size_t slots);
    void Place(Slot slot);

    std::vector<Slot> slots_;  // a power of two long, at most three quarters full
    std::size_t count_ = 0;
};

}  // namespace settings
