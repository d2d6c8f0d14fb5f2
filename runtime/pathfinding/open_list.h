// The open list: the nodes waiting to be expanded, taken smallest key first.
// Among equal keys the node put on the list first leaves first, and a node
// whose key changes counts as put on anew.
//
// The list is an array sorted by key from the largest at the front to the
// smallest at the back, and a node put on goes in front of every node of equal
// key, so the order of putting on needs no record of its own. With the
// weighted keys of the search a new key nearly always lands a few places from
// the back, so places are searched from the back in growing strides, and
// putting a node on moves only the few entries behind it.
#pragma once

#include <cstddef>
#include <vector>

#include "pathfinding/node.h"

class OpenList {
public:
    // Empties the list and sets how many nodes it may hold.
    void allocate(std::size_t capacity);
    // Empties the list; the nodes are not touched.
    void clear() { entries_.clear(); }

    bool full() const { return entries_.size() >= capacity_; }
    bool empty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }

    // Puts a node that is not on the list on it, after every node of equal key.
    void push(Node* node);
    // Gives a node on the list a new key: it moves as if put on anew.
    void update(Node* node, float f);
    // Takes off the node with the smallest key, or null when the list is empty.
    Node* pop();
    // Puts the node just taken back in its old place, so that it is taken next.
    void restore(Node* node);

    template <class Visit>
    void forEach(Visit visit) const {
        for (const Entry& entry : entries_)
            visit(*entry.node);
    }

private:
    struct Entry {
        float f;
        Node* node;
    };
    // The number of entries whose key is larger than f.
    std::size_t placeFor(float f) const;
    // The index of the node's entry.
    std::size_t indexOf(const Node* node) const;

    std::vector<Entry> entries_;  // the next to leave at the back
    std::size_t capacity_ = 0;
};
