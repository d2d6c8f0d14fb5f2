// Fuzz harness: a packet from the network through the session protocol's
// decoder, each of a bundle's packets on its own. What it accepts must encode back to the very same bytes:
// the protocol has one spelling for each message, so a decoder that read past a field, or took a length from
// the wrong place, shows up here.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "net/net_protocol.h"
#include "net/packet_bundle.h"

namespace {

void DecodeOne(std::span<const std::uint8_t> packet) {
    const std::optional<NetMessage> message = DecodeMessage(packet);
    if (message && EncodeMessage(*message) != std::vector<std::uint8_t>(packet.begin(), packet.end()))
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    // Inputs that start with an even byte get the protocol's magic and a kind
    // in range, so that the fields behind them are reached.
    if (size >= 2 && data[0] % 2 == 0) {
        bytes[0] = static_cast<std::uint8_t>(data[1] % 12);
        bytes.insert(bytes.begin(), {'M', 'V'});
        bytes.erase(bytes.begin() + 3);
    }
    if (IsBundle(bytes)) {
        ForEachBundled(bytes, DecodeOne);
    } else {
        DecodeOne(bytes);
    }
    return 0;
}
