#include "net/packet_bundle.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::uint8_t, kBundleHeaderBytes> kBundleTag = {'M', 'V', 0xB0};
constexpr std::size_t kLengthBytes = 4;

}  // namespace

ENetPacket* BundlePackets(std::span<ENetPacket* const> packets) {
    std::size_t size = kBundleTag.size();
    for (const ENetPacket* packet : packets)
        size += kLengthBytes + packet->dataLength;
    ENetPacket* bundle = enet_packet_create(nullptr, size, ENET_PACKET_FLAG_RELIABLE);
    if (bundle == nullptr) return nullptr;
    std::uint8_t* out = std::copy(kBundleTag.begin(), kBundleTag.end(), bundle->data);
    for (const ENetPacket* packet : packets) {
        const auto length = static_cast<std::uint32_t>(packet->dataLength);
        for (std::size_t i = 0; i < kLengthBytes; ++i)
            *out++ = static_cast<std::uint8_t>(length >> (8 * i));
        if (length != 0) out = std::copy_n(packet->data, length, out);
    }
    return bundle;
}

bool IsBundle(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kBundleTag.size() &&
           std::equal(kBundleTag.begin(), kBundleTag.end(), bytes.begin());
}
