// A cell the search has reached: its best known way back to the start and its
// place in the search. The cost of that way, g, is kept beside the node in its
// tile (see node_factory.h).
#pragma once

#include <cstdint>

struct Node {
    enum State : std::uint8_t { kUnreached, kOpen, kClosed };

    Node* parent;  // the cell it is best reached from; null for the start
    std::int32_t x;
    std::int32_t y;
    float f;      // the ordering key of the open list
    State state;  // on the open list, in the closed set, or neither
};
