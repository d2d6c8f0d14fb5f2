// Several packets for one connection carried as one: a program that sends a
// connection many small guaranteed packets in one pass (a host relaying the
// texts of all its joiners) hands ENet one packet instead, so that ENet
// queues, sends and acknowledges one command where it would have many.
//
// A bundle starts with the bytes 'M', 'V' and a kind that no session message
// uses, then holds each packet as a 32-bit little-endian length and its bytes.
// A packet on its own is sent as it is.
#pragma once

#include <enet/enet.h>

#include <cstddef>
#include <cstdint>
#include <span>

#include "net/wire_bytes.h"

inline constexpr std::size_t kBundleHeaderBytes = 3;

// One guaranteed packet holding the given ones, in their order; null when
// none could be made.
ENetPacket* BundlePackets(std::span<ENetPacket* const> packets);

// True when the bytes are a bundle.
bool IsBundle(std::span<const std::uint8_t> bytes);

// Hands each packet of a bundle to `each`, in order, and stops at the first
// whose length runs past the bytes that arrived.
template <class Each>
void ForEachBundled(std::span<const std::uint8_t> bundle, Each each) {
    if (bundle.size() < kBundleHeaderBytes) return;
    WireReader reader(bundle.subspan(kBundleHeaderBytes));
    std::uint32_t length = 0;
    std::span<const std::uint8_t> packet;
    while (reader.U32(length) && reader.View(length, packet))
        each(packet);
}
