#include "files/lzss_codec.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace {

constexpr std::size_t kWindowSize = 2048;
constexpr std::size_t kMaxDistance = kWindowSize - 1;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 17;  // the most a 4-bit length field holds
constexpr int kBucketSlots = 16;
constexpr int kBucketCount = 64 * 64;
constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

struct Match {
    std::size_t length = 0;
    std::size_t position = 0;
};

// Recent input positions, bucketed by the low six bits of the two bytes that
// start there; slot 0 of a bucket is the most recent.
class MatchFinder {
public:
    MatchFinder(const std::uint8_t* data, std::size_t length)
        : data_(data), length_(length), slots_(kBucketCount * kBucketSlots, -1) {}

    // Records the position in its bucket (the last byte starts no pair).
    void Add(std::size_t position) {
        if (position + 1 >= length_) return;
        std::int32_t* bucket = Bucket(position);
        std::copy_backward(bucket, bucket + kBucketSlots - 1, bucket + kBucketSlots);
        bucket[0] = static_cast<std::int32_t>(position);
    }

    // The longest earlier match for the bytes at `position` within the window,
    // the most recent among equally long ones.
    Match Longest(std::size_t position) const {
        Match best;
        const std::size_t cap = std::min(kMaxMatch, length_ - position);
        if (cap < kMinMatch) return best;
        const std::int64_t window_start =
            static_cast<std::int64_t>(position > kMaxDistance ? position - kMaxDistance : 0);
        const std::int32_t* bucket = Bucket(position);
        int examined = 0;
        for (; examined < kBucketSlots && bucket[examined] >= window_start; ++examined) {
            if (Consider(static_cast<std::size_t>(bucket[examined]), position, cap, best)) return best;
        }
        // A full bucket may have dropped closer matches: search the rest of the window.
        if (examined == kBucketSlots) {
            for (std::int64_t c = bucket[kBucketSlots - 1] - 1; c >= window_start; --c) {
                if (Consider(static_cast<std::size_t>(c), position, cap, best)) return best;
            }
        }
        return best;
    }

private:
    std::int32_t* Bucket(std::size_t position) {
        return slots_.data() + BucketIndex(position) * kBucketSlots;
    }
    const std::int32_t* Bucket(std::size_t position) const {
        return slots_.data() + BucketIndex(position) * kBucketSlots;
    }
    std::size_t BucketIndex(std::size_t position) const {
        return (data_[position] & 63u) * 64u + (data_[position + 1] & 63u);
    }

    // Takes the candidate when it is strictly longer; true once the cap is reached.
    bool Consider(std::size_t candidate, std::size_t position, std::size_t cap, Match& best) const {
        std::size_t length = 0;
        while (length < cap && data_[candidate + length] == data_[position + length])
            ++length;
        if (length > best.length) best = {length, candidate};
        return best.length == cap;
    }

    const std::uint8_t* data_;
    std::size_t length_;
    std::vector<std::int32_t> slots_;
};

// Collects up to eight tokens behind their flag byte and writes the group out
// when it is full.
class GroupWriter {
public:
    explicit GroupWriter(ByteBuffer& out) : out_(out) {}

    bool Literal(std::uint8_t byte) { return Token(false, {byte}); }

    bool Match(std::size_t distance, std::size_t length) {
        // The high nibble of b1 carries distance >> 7, so b2 keeps the low seven bits.
        const auto b1 = static_cast<std::uint8_t>(((distance >> 7) << 4) | (length - 2));
        const auto b2 = static_cast<std::uint8_t>(distance & 0x7F);
        return Token(true, {b1, b2});
    }

    // The end token, then whatever group is still open.
    bool End() { return Token(true, {0}) && Flush(); }

private:
    bool Token(bool is_match, std::initializer_list<std::uint8_t> bytes) {
        if (is_match) flags_ |= static_cast<std::uint8_t>(0x80 >> tokens_);
        for (std::uint8_t byte : bytes)
            bytes_[byte_count_++] = byte;
        return ++tokens_ < 8 || Flush();
    }

    bool Flush() {
        if (tokens_ == 0) return true;
        bool ok = out_.Push(flags_, kNoLimit);
        for (int k = 0; ok && k < byte_count_; ++k)
            ok = out_.Push(bytes_[k], kNoLimit);
        flags_ = 0;
        tokens_ = 0;
        byte_count_ = 0;
        return ok;
    }

    ByteBuffer& out_;
    std::uint8_t flags_ = 0;
    int tokens_ = 0;
    std::array<std::uint8_t, 16> bytes_{};
    int byte_count_ = 0;
};

// The decoder's history: every byte it writes, the last 2048 of them kept.
class Window {
public:
    bool Emit(std::uint8_t byte, ByteBuffer& out) {
        bytes_[position_] = byte;
        position_ = (position_ + 1) % kWindowSize;
        return out.Push(byte, kMaxUnpackedLength);
    }
    std::uint8_t Back(std::size_t distance) const {
        return bytes_[(position_ + kWindowSize - distance % kWindowSize) % kWindowSize];
    }

private:
    std::array<std::uint8_t, kWindowSize> bytes_{};
    std::size_t position_ = 0;
};

bool Fail(ByteBuffer& out) {
    out.Clear();
    return false;
}

}  // namespace

bool LzssPack(const std::uint8_t* data, std::size_t length, ByteBuffer& out) {
    out.Clear();
    if (length > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return false;
    GroupWriter writer(out);
    MatchFinder finder(data, length);
    std::size_t p = 0;
    while (p < length) {
        const Match match = p == 0 ? Match{} : finder.Longest(p);
        if (match.length < kMinMatch) {
            if (!writer.Literal(data[p])) return Fail(out);
            finder.Add(p);
            ++p;
            continue;
        }
        if (!writer.Match(p - match.position, match.length)) return Fail(out);
        for (const std::size_t end = p + match.length; p < end; ++p)
            finder.Add(p);
    }
    return writer.End() || Fail(out);
}

bool LzssUnpack(const std::uint8_t* data, std::size_t length, ByteBuffer& out) {
    out.Clear();
    Window window;
    std::size_t i = 0;
    while (i < length) {
        const std::uint8_t flags = data[i++];
        for (int bit = 7; bit >= 0; --bit) {
            if (i >= length) return Fail(out);
            if ((flags >> bit & 1) == 0) {
                if (!window.Emit(data[i++], out)) return Fail(out);
                continue;
            }
            const std::uint8_t b1 = data[i++];
            if (b1 == 0) return true;
            if (i >= length) return Fail(out);
            const std::uint8_t b2 = data[i++];
            const std::size_t distance = ((b1 & 0xF0u) << 3) + b2;
            const std::size_t count = (b1 & 0x0Fu) + 2;
            for (std::size_t k = 0; k < count; ++k) {
                if (!window.Emit(window.Back(distance), out)) return Fail(out);
            }
        }
    }
    return Fail(out);
}
