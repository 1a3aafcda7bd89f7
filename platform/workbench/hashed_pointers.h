// Pointers filed under hashes the caller works out, in one flat table probed in place. A lookup
// touches a slot or two and looks at an item only when its whole hash matches, so an index of
// tens of thousands of items costs little more per item once it no longer fits in the cache.
// Several items may share a hash; the caller tells them apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace workbench {

template <typename T>
class HashedPointers {
  public:
    // The first item filed under `hash` that `match` takes, or null.
    template <typename Match>
    T* FindIf(std::uint64_t hash, Match&& match) const {
        if (count_ == 0)
            return nullptr;
        for (std::size_t at = Start(hash);; at = Next(at)) {
            const Slot& slot = slots_[at];
            if (slot.item == nullptr)
                return nullptr;
            if (slot.hash == hash && match(*slot.item))
                return slot.item;
        }
    }
    bool Contains(std::uint64_t hash, const T* item) const {
        return FindIf(hash, [&](const T& filed) { return &filed == item; }) != nullptr;
    }

    // item is not null.
    void Insert(std::uint64_t hash, T* item) {
        if (SlotsFor(count_ + 1) > slots_.size())
            Regrow(SlotsFor(2 * (count_ + 1)));
        Place({hash, item});
        ++count_;
    }

    // Files each item not yet filed under its hash. Each filing first asks for the slot of one
    // further on, so that filing tens of thousands does not wait on every slot in turn.
    void InsertAll(const std::vector<std::pair<std::uint64_t, T*>>& items) {
        constexpr std::size_t kAhead = 16;
        Reserve(count_ + items.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i + kAhead < items.size())
                Prefetch(items[i + kAhead].first);
            if (!Contains(items[i].first, items[i].second))
                Insert(items[i].first, items[i].second);
        }
    }

    // Asks for the slot a lookup of the hash starts at, ahead of it. Always inlined: GCC takes a
    // call whose only effect is a prefetch for one without effect, and drops it.
    [[gnu::always_inline]] void Prefetch(std::uint64_t hash) const {
#if defined(__GNUC__)
        if (!slots_.empty())
            __builtin_prefetch(slots_.data() + Start(hash));
#else
        (void)hash;
#endif
    }

    // False when the item is not filed under the hash.
    bool Erase(std::uint64_t hash, const T* item) {
        if (count_ == 0)
            return false;
        std::size_t at = Start(hash);
        for (; slots_[at].item != item || slots_[at].hash != hash; at = Next(at)) {
            if (slots_[at].item == nullptr)
                return false;
        }
        // Shift later slots of the run back over the hole, so that no probe stops short.
        for (std::size_t next = Next(at); slots_[next].item != nullptr; next = Next(next)) {
            const std::size_t home = Start(slots_[next].hash);
            if (((next - home) & Mask()) >= ((next - at) & Mask())) {
                slots_[at] = slots_[next];
                at = next;
            }
        }
        slots_[at] = {};
        --count_;
        return true;
    }

    // Room for that many items in all, so that filing them never regrows the table.
    void Reserve(std::size_t items) {
        if (SlotsFor(items) > slots_.size())
            Regrow(SlotsFor(items));
    }
    void Clear() {
        slots_.clear();
        count_ = 0;
    }
    std::size_t Size() const {
        return count_;
    }

  private:
    struct Slot {
        std::uint64_t hash = 0;
        T* item = nullptr;  // null: empty
    };

    // A power of two, at most three quarters full.
    static std::size_t SlotsFor(std::size_t items) {
        std::size_t slots = 16;
        while (slots - slots / 4 < items)
            slots *= 2;
        return slots;
    }
    std::size_t Mask() const {
        return slots_.size() - 1;
    }
    // The multiply spreads every bit of the hash over the bits that choose the slot.
    std::size_t Start(std::uint64_t hash) const {
        return static_cast<std::size_t>((hash * 0x9e3779b97f4a7c15ull) >> 32) & Mask();
    }
    std::size_t Next(std::size_t at) const {
        return (at + 1) & Mask();
    }

    void Place(Slot slot) {
        std::size_t at = Start(slot.hash);
        while (slots_[at].item != nullptr)
            at = Next(at);
        slots_[at] = slot;
    }
    void Regrow(std::size_t slots) {
        std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(slots));
        for (const Slot& slot : old) {
            if (slot.item != nullptr)
                Place(slot);
        }
    }

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};

}  // namespace workbench
