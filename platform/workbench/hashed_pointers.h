// Pointers filed under hashes the caller works out, in one flat table probed in place. A lookup
// touches a slot or two and looks at an item only when its whole hash matches, so an index of
// tens of thousands of items costs little more per item once it no longer fits in the cache.
// Each hash has one slot holding all the items filed under it, so that many items under one
// hash (one key chord held by thousands of commands) cost no longer probes; the caller tells
// them apart.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_set>
#include <utility>
#include <vector>

namespace workbench {

template <typename T>
class HashedPointers {
  public:
    // The first item filed under `hash` that `match` takes, or null.
    template <typename Match>
    T* FindIf(std::uint64_t hash, Match&& match) const {
        const std::size_t at = SlotOf(hash);
        if (at == kNone)
            return nullptr;
        const Slot& slot = slots_[at];
        if (match(*slot.first))
            return slot.first;
        if (slot.more) {
            for (T* item : *slot.more) {
                if (match(*item))
                    return item;
            }
        }
        return nullptr;
    }
    bool Contains(std::uint64_t hash, const T* item) const {
        const std::size_t at = SlotOf(hash);
        return at != kNone &&
               (slots_[at].first == item ||
                (slots_[at].more && slots_[at].more->contains(const_cast<T*>(item))));
    }

    // Files the item (not null) under the hash; false when it is filed there already.
    bool Insert(std::uint64_t hash, T* item) {
        if (SlotsFor(used_ + 1) > slots_.size())
            Regrow(SlotsFor(2 * (used_ + 1)));
        std::size_t at = Start(hash);
        for (; slots_[at].first != nullptr && slots_[at].hash != hash; at = Next(at)) {
        }
        Slot& slot = slots_[at];
        if (slot.first == nullptr) {
            slot.hash = hash;
            slot.first = item;
            ++used_;
        } else if (slot.first == item) {
            return false;
        } else {
            if (!slot.more)
                slot.more = std::make_unique<std::unordered_set<T*>>();
            if (!slot.more->insert(item).second)
                return false;
        }
        ++count_;
        return true;
    }

    // Files each item under its hash. Each filing first asks for the slot of one further on, so
    // that filing tens of thousands does not wait on every slot in turn.
    void InsertAll(const std::vector<std::pair<std::uint64_t, T*>>& items) {
        constexpr std::size_t kAhead = 16;
        Reserve(used_ + items.size());
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i + kAhead < items.size())
                Prefetch(items[i + kAhead].first);
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
        const std::size_t at = SlotOf(hash);
        if (at == kNone)
            return false;
        Slot& slot = slots_[at];
        if (slot.first != item) {
            if (!slot.more || slot.more->erase(const_cast<T*>(item)) == 0)
                return false;
        } else if (slot.more && !slot.more->empty()) {
            slot.first = *slot.more->begin();
            slot.more->erase(slot.more->begin());
        } else {
            Vacate(at);
        }
        --count_;
        return true;
    }

    // Room for that many hashes in all, so that filing them never regrows the table.
    void Reserve(std::size_t hashes) {
        if (SlotsFor(hashes) > slots_.size())
            Regrow(SlotsFor(hashes));
    }
    void Clear() {
        slots_.clear();
        used_ = 0;
        count_ = 0;
    }
    // Items filed.
    std::size_t Size() const {
        return count_;
    }

  private:
    struct Slot {
        std::uint64_t hash = 0;
        T* first = nullptr;  // null: empty
        std::unique_ptr<std::unordered_set<T*>> more;
    };

    // A power of two, at most three quarters full.
    static std::size_t SlotsFor(std::size_t hashes) {
        std::size_t slots = 16;
        while (slots - slots / 4 < hashes)
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

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    // The slot holding the hash, or kNone.
    std::size_t SlotOf(std::uint64_t hash) const {
        if (used_ == 0)
            return kNone;
        for (std::size_t at = Start(hash);; at = Next(at)) {
            if (slots_[at].first == nullptr)
                return kNone;
            if (slots_[at].hash == hash)
                return at;
        }
    }
    // Empties the slot and shifts later slots of its run back over it, so no probe stops short.
    void Vacate(std::size_t at) {
        for (std::size_t next = Next(at); slots_[next].first != nullptr; next = Next(next)) {
            const std::size_t home = Start(slots_[next].hash);
            if (((next - home) & Mask()) >= ((next - at) & Mask())) {
                slots_[at] = std::move(slots_[next]);
                at = next;
            }
        }
        slots_[at] = Slot{};
        --used_;
    }
    void Regrow(std::size_t slots) {
        std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(slots));
        for (Slot& slot : old) {
            if (slot.first == nullptr)
                continue;
            std::size_t at = Start(slot.hash);
            while (slots_[at].first != nullptr)
                at = Next(at);
            slots_[at] = std::move(slot);
        }
    }

    std::vector<Slot> slots_;
    std::size_t used_ = 0;   // slots holding a hash
    std::size_t count_ = 0;  // items
};

}  // namespace workbench
