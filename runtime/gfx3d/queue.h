// Queue<T>: the growable array that mesh objects are made of. It grows to 512
// elements when empty and then by half its size (at least 128) at a time, so
// appending stays cheap however large an object gets; readers that know how
// many elements are coming reserve them at once instead.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

template <typename T>
class Queue {
public:
    std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
    std::int32_t Capacity() const { return static_cast<std::int32_t>(items_.capacity()); }
    bool Empty() const { return items_.empty(); }

    T& operator[](std::int32_t index) { return items_[static_cast<std::size_t>(index)]; }
    const T& operator[](std::int32_t index) const { return items_[static_cast<std::size_t>(index)]; }
    T& Last() { return items_.back(); }

    T* begin() { return items_.data(); }
    T* end() { return items_.data() + items_.size(); }
    const T* begin() const { return items_.data(); }
    const T* end() const { return items_.data() + items_.size(); }

    void Add(const T& item) {
        if (Count() < Capacity()) {
            items_.push_back(item);
        } else {
            T copy = item;  // the item may live in this queue, which is about to move
            MakeRoomForOneMore();
            items_.push_back(std::move(copy));
        }
    }
    void Add(T&& item) {
        MakeRoomForOneMore();
        items_.push_back(std::move(item));
    }

    // Makes room for at least `count` elements in all.
    void Reserve(std::int32_t count) {
        if (count > Capacity()) items_.reserve(static_cast<std::size_t>(count));
    }

    // Empties the queue; with `free` its memory is released as well.
    void Clear(bool free) {
        if (free) {
            std::vector<T>().swap(items_);
        } else {
            items_.clear();
        }
    }

private:
    static constexpr std::int32_t kFirstCapacity = 512;
    static constexpr std::int32_t kLeastGrowth = 128;

    void MakeRoomForOneMore() {
        if (Count() < Capacity()) return;
        const std::int64_t capacity = Capacity();
        const std::int64_t grown =
            capacity == 0 ? kFirstCapacity : capacity + std::max<std::int64_t>(kLeastGrowth, capacity / 2);
        Reserve(static_cast<std::int32_t>(std::min<std::int64_t>(grown, INT32_MAX)));
    }

    std::vector<T> items_;
};
