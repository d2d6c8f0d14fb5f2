#include "pathfinding/open_list.h"

#include <algorithm>

void OpenList::allocate(std::size_t capacity) {
    capacity_ = capacity;
    clear();
}

std::size_t OpenList::placeFor(float f) const {
    const auto larger = [f](const Entry& e) { return e.f > f; };
    // Steps back from the end in doubling strides to an entry with a larger
    // key, then halves the last stride.
    std::size_t high = entries_.size();  // no key from here on is larger than f
    for (std::size_t stride = 1; high > 0; stride *= 2) {
        const std::size_t low = high > stride ? high - stride : 0;
        if (larger(entries_[low])) {
            const auto begin = entries_.begin();
            return static_cast<std::size_t>(std::partition_point(begin + static_cast<std::ptrdiff_t>(low) + 1,
                                                                 begin + static_cast<std::ptrdiff_t>(high),
                                                                 larger) -
                                            begin);
        }
        high = low;
    }
    return 0;
}

std::size_t OpenList::indexOf(const Node* node) const {
    // The node stands among the entries of its key, which begin at its place.
    std::size_t i = placeFor(node->f);
    while (entries_[i].node != node)
        ++i;
    return i;
}

void OpenList::push(Node* node) {
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(placeFor(node->f)), {node->f, node});
    node->state = Node::kOpen;
}

void OpenList::update(Node* node, float f) {
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(indexOf(node)));
    node->f = f;
    push(node);
}

void OpenList::restore(Node* node) {
    entries_.push_back({node->f, node});
    node->state = Node::kOpen;
}

Node* OpenList::pop() {
    if (entries_.empty()) return nullptr;
    Node* next = entries_.back().node;
    entries_.pop_back();
    return next;
}
