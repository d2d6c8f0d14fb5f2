#include "net/packet_bundle.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> Unbundled(std::span<const std::uint8_t> bundle) {
    std::vector<Bytes> packets;
    ForEachBundled(bundle,
                   [&](std::span<const std::uint8_t> one) { packets.emplace_back(one.begin(), one.end()); });
    return packets;
}

// Packets of every size class (empty, small, over 255 and 65535 bytes) come
// out of their bundle whole and in order; a bundle cut anywhere gives the
// packets that arrived whole and never reads past its end.
TEST(PacketBundle, HoldsItsPacketsInOrderAndACutOneGivesThoseThatArrivedWhole) {
    const std::vector<Bytes> sent = {Bytes{'a'}, Bytes{}, Bytes(300, 'b'), Bytes(70000, 'c'),
                                     Bytes{'d', 'e'}};
    std::vector<ENetPacket*> packets;
    for (const Bytes& bytes : sent)
        packets.push_back(enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE));
    ENetPacket* bundle = BundlePackets(packets);
    ASSERT_NE(bundle, nullptr);
    const Bytes whole(bundle->data, bundle->data + bundle->dataLength);
    EXPECT_TRUE(IsBundle(whole));
    EXPECT_EQ(Unbundled(whole), sent);

    std::size_t end_of_packet = kBundleHeaderBytes;
    for (std::size_t whole_packets = 0; whole_packets < sent.size(); ++whole_packets) {
        const std::size_t next_end = end_of_packet + 4 + sent[whole_packets].size();
        for (const std::size_t cut : {end_of_packet + 1, end_of_packet + 4, next_end - 1}) {
            if (cut >= next_end) continue;
            const std::vector<Bytes> got = Unbundled(Bytes(whole.begin(), whole.begin() + cut));
            EXPECT_EQ(got, std::vector<Bytes>(sent.begin(), sent.begin() + whole_packets))
                << "cut at " << cut;
        }
        end_of_packet = next_end;
    }
    for (ENetPacket* packet : packets)
        enet_packet_destroy(packet);
    enet_packet_destroy(bundle);
}

}  // namespace
