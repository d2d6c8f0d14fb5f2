// The replay file: the input and the clock time of every frame of a run, so
// that the run can be played again exactly.
//
// Layout, every number little-endian:
//   header  "MVRP", then the format version as 32 bits (1)
//   frames  one after another up to the end of the file, the first being the
//           start of the run (start-up and the program's first frame):
//     time       64-bit IEEE-754 double: the program's clock during the frame,
//                finite and never less than the previous frame's
//     mouse      16-bit signed x and y movement since the previous frame
//     buttons    8 bits: 1 left, 2 right, 4 middle; the other bits are 0
//     keys       8-bit count n, then the n codes of the keys down, rising, none 0
//
// A frame is written whole as soon as it is known, so a file is complete up to
// its last frame even when the program ends abruptly. A reader takes every
// frame up to the first that is cut off or breaks a rule above and stops
// there: a damaged file replays its sound beginning and then ends.
#pragma once

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "platform/input_source.h"

inline constexpr std::uint32_t kReplayVersion = 1;

// What the program can observe during one frame.
struct ReplayFrame {
    double time = 0;
    MouseReading mouse;
    KeyStates keys{};  // kKeyDown or 0 for each code; code 0 is never down
};

// The key table as a replay holds it: each key down or up, code 0 (no key) up.
KeyStates CanonicalKeys(const KeyStates& keys);

class ReplayWriter {
public:
    // Writes the header at once.
    explicit ReplayWriter(std::unique_ptr<std::ostream> out);
    // Appends the frame and flushes it to the file; false once writing has failed.
    bool Write(const ReplayFrame& frame);

private:
    std::unique_ptr<std::ostream> out_;
};

class ReplayReader {
public:
    // Reads the header at once.
    explicit ReplayReader(std::unique_ptr<std::istream> in);
    // Whether the input starts with a replay header of the version read here.
    bool HeaderValid() const { return header_valid_; }
    // The next frame; nothing at the end of the file, at a bad header, and
    // from the first frame that is cut off or breaks the format on.
    std::optional<ReplayFrame> Next();

private:
    std::optional<ReplayFrame> ReadFrame();

    std::unique_ptr<std::istream> in_;
    bool header_valid_ = false;
    bool ended_ = false;
    std::optional<double> last_time_;
};

// A new replay file at the path (replacing one there); null when it cannot be created.
std::unique_ptr<ReplayWriter> CreateReplayFile(const std::string& path);
// The replay file at the path; null when it cannot be opened or is no replay.
std::unique_ptr<ReplayReader> OpenReplayFile(const std::string& path);
