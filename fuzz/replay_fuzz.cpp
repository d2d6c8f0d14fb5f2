// Fuzz harness: a replay file read frame by frame to its end.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>

#include "platform/replay_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Half of the inputs get a valid header, so the frames behind it are reached.
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (size > 0 && data[0] % 2 == 0) bytes = std::string("MVRP\x01\x00\x00\x00", 8) + bytes.substr(1);
    ReplayReader reader(std::make_unique<std::istringstream>(bytes));
    std::size_t frames = 0;
    while (reader.Next())
        ++frames;
    // Every frame takes at least 14 bytes of the input.
    if (frames * 14 > bytes.size()) __builtin_trap();
    return 0;
}
