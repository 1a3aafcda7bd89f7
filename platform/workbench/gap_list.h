// A sequence with constant-time access by position whose insertions and erasures cost the
// distance from the previous one: the IDE's collections are walked by index while items are
// deleted, and a plain vector would shift the whole tail at every deletion.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace workbench {

template <typename T>
class GapList {
  public:
    std::size_t Size() const { return front_.size() + back_.size(); }
    bool Empty() const { return Size() == 0; }
    // Where the last insertion or erasure happened: the next one there costs nothing.
    std::size_t Gap() const { return front_.size(); }

    // position < Size()
    const T& operator[](std::size_t position) const {
        return position < front_.size() ? front_[position]
                                        : back_[back_.size() - 1 - (position - front_.size())];
    }

    void PushBack(T item) {
        MoveGapTo(Size());
        front_.push_back(std::move(item));
    }

    // position < Size()
    void Erase(std::size_t position) {
        MoveGapTo(position);
        back_.pop_back();
    }

    void Clear() {
        front_.clear();
        back_.clear();
    }

    // Calls visit(item) for every item in order.
    template <typename Visit>
    void ForEach(Visit&& visit) const {
        for (const T& item : front_)
            visit(item);
        for (auto item = back_.rbegin(); item != back_.rend(); ++item)
            visit(*item);
    }

  private:
    void MoveGapTo(std::size_t position) {
        while (front_.size() > position) {
            back_.push_back(std::move(front_.back()));
            front_.pop_back();
        }
        while (front_.size() < position) {
            front_.push_back(std::move(back_.back()));
            back_.pop_back();
        }
    }

    std::vector<T> front_;  // the items before the gap, in order
    std::vector<T> back_;   // the items after it, last item first
};

}  // namespace workbench
