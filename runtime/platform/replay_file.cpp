#include "platform/replay_file.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

constexpr char kMagic[4] = {'M', 'V', 'R', 'P'};
constexpr std::uint8_t kLeftButton = 1;
constexpr std::uint8_t kRightButton = 2;
constexpr std::uint8_t kMiddleButton = 4;
constexpr std::uint8_t kButtonBits = kLeftButton | kRightButton | kMiddleButton;
// time, mouse x and y, buttons, key count
constexpr std::size_t kFixedFrameBytes = 8 + 2 + 2 + 1 + 1;

using Bytes = std::vector<std::uint8_t>;

template <class Unsigned>
void Put(Bytes& bytes, Unsigned value) {
    for (std::size_t k = 0; k < sizeof(Unsigned); ++k)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * k)));
}

template <class Unsigned>
Unsigned Get(const std::uint8_t* at) {
    Unsigned value = 0;
    for (std::size_t k = 0; k < sizeof(Unsigned); ++k)
        value |= static_cast<Unsigned>(static_cast<Unsigned>(at[k]) << (8 * k));
    return value;
}

std::uint8_t ButtonBits(const MouseReading& mouse) {
    return static_cast<std::uint8_t>((mouse.left ? kLeftButton : 0) | (mouse.right ? kRightButton : 0) |
                                     (mouse.middle ? kMiddleButton : 0));
}

Bytes EncodeFrame(const ReplayFrame& frame) {
    Bytes bytes;
    Put(bytes, std::bit_cast<std::uint64_t>(frame.time));
    Put(bytes, static_cast<std::uint16_t>(frame.mouse.dx));
    Put(bytes, static_cast<std::uint16_t>(frame.mouse.dy));
    bytes.push_back(ButtonBits(frame.mouse));
    Bytes codes;
    for (int code = 1; code < 256; ++code) {
        if ((frame.keys[static_cast<std::size_t>(code)] & kKeyDown) != 0)
            codes.push_back(static_cast<std::uint8_t>(code));
    }
    // Codes 1 to 255: the count always fits its byte.
    bytes.push_back(static_cast<std::uint8_t>(codes.size()));
    bytes.insert(bytes.end(), codes.begin(), codes.end());
    return bytes;
}

bool ReadExactly(std::istream& in, std::uint8_t* data, std::size_t n) {
    in.read(reinterpret_cast<char*>(data), static_cast<std::streamsize>(n));
    return static_cast<std::size_t>(in.gcount()) == n;
}

// Fills the key table from n codes that must rise and must not be 0.
bool DecodeKeys(const std::uint8_t* codes, std::size_t n, KeyStates& keys) {
    int previous = 0;
    for (std::size_t k = 0; k < n; ++k) {
        if (codes[k] <= previous) return false;
        previous = codes[k];
        keys[codes[k]] = kKeyDown;
    }
    return true;
}

}  // namespace

KeyStates CanonicalKeys(const KeyStates& keys) {
    KeyStates canonical{};
    for (std::size_t code = 1; code < canonical.size(); ++code)
        canonical[code] = (keys[code] & kKeyDown) != 0 ? kKeyDown : 0;
    return canonical;
}

ReplayWriter::ReplayWriter(std::unique_ptr<std::ostream> out) : out_(std::move(out)) {
    Bytes header(std::begin(kMagic), std::end(kMagic));
    Put(header, kReplayVersion);
    out_->write(reinterpret_cast<const char*>(header.data()), static_cast<std::streamsize>(header.size()));
    out_->flush();
}

bool ReplayWriter::Write(const ReplayFrame& frame) {
    const Bytes bytes = EncodeFrame(frame);
    out_->write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out_->flush();
    return out_->good();
}

ReplayReader::ReplayReader(std::unique_ptr<std::istream> in) : in_(std::move(in)) {
    std::uint8_t header[8];
    header_valid_ = ReadExactly(*in_, header, sizeof header) &&
                    std::memcmp(header, kMagic, sizeof kMagic) == 0 &&
                    Get<std::uint32_t>(header + 4) == kReplayVersion;
    ended_ = !header_valid_;
}

std::optional<ReplayFrame> ReplayReader::Next() {
    if (ended_) return std::nullopt;
    std::optional<ReplayFrame> frame = ReadFrame();
    if (!frame) {
        ended_ = true;
        return std::nullopt;
    }
    last_time_ = frame->time;
    return frame;
}

std::optional<ReplayFrame> ReplayReader::ReadFrame() {
    std::uint8_t fixed[kFixedFrameBytes];
    if (!ReadExactly(*in_, fixed, sizeof fixed)) return std::nullopt;
    ReplayFrame frame;
    frame.time = std::bit_cast<double>(Get<std::uint64_t>(fixed));
    if (!std::isfinite(frame.time) || (last_time_ && frame.time < *last_time_)) return std::nullopt;
    frame.mouse.dx = static_cast<std::int16_t>(Get<std::uint16_t>(fixed + 8));
    frame.mouse.dy = static_cast<std::int16_t>(Get<std::uint16_t>(fixed + 10));
    const std::uint8_t buttons = fixed[12];
    if ((buttons & ~kButtonBits) != 0) return std::nullopt;
    frame.mouse.left = (buttons & kLeftButton) != 0;
    frame.mouse.right = (buttons & kRightButton) != 0;
    frame.mouse.middle = (buttons & kMiddleButton) != 0;
    const std::size_t key_count = fixed[13];
    std::uint8_t codes[256];
    if (!ReadExactly(*in_, codes, key_count) || !DecodeKeys(codes, key_count, frame.keys))
        return std::nullopt;
    return frame;
}

std::unique_ptr<ReplayWriter> CreateReplayFile(const std::string& path) {
    auto file = std::make_unique<std::ofstream>(path, std::ios::binary | std::ios::trunc);
    if (!file->is_open()) return nullptr;
    return std::make_unique<ReplayWriter>(std::move(file));
}

std::unique_ptr<ReplayReader> OpenReplayFile(const std::string& path) {
    auto file = std::make_unique<std::ifstream>(path, std::ios::binary);
    if (!file->is_open()) return nullptr;
    auto reader = std::make_unique<ReplayReader>(std::move(file));
    if (!reader->HeaderValid()) return nullptr;
    return reader;
}
