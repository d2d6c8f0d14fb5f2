// The example programs played headless on a replay written here, their screenshots checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <numeric>
#include <ranges>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "gfx2d/bitmap_file.h"
#include "net/peer_process.h"
#include "platform/replay_file.h"

namespace {

namespace fs = std::filesystem;

using HeldKey = std::tuple<std::uint8_t, int, int>;  // the key's code, its first and last frame held

constexpr std::uint8_t kUp = 200, kLeft = 203, kRight = 205, kSpace = 57, kM = 50;

// Plays the program on `frames` frames 1/60 s apart with the keys held; the screenshots asked for.
std::map<int, BitmapFile> Play(const fs::path& program, const std::string& name, int frames,
                               const std::vector<HeldKey>& keys, const std::string& shot_list,
                               const std::string& environment = "") {
    const fs::path folder = fs::path(std::getenv("TMPDIR")) / name;
    fs::create_directories(folder / "shots");
    if (std::unique_ptr<ReplayWriter> writer = CreateReplayFile((folder / "script.replay").string())) {
        for (int frame = 0; frame < frames; ++frame) {
            ReplayFrame replay_frame;
            replay_frame.time = frame * 1000.0 / 60;  // milliseconds
            for (const auto& [code, first, last] : keys)
                replay_frame.keys[code] |= frame >= first && frame <= last ? kKeyDown : 0;
            EXPECT_TRUE(writer->Write(replay_frame));
        }
    }
    const std::string command =
        "MORVANE_NO_NOTICE=1 MORVANE_REPLAY_SPEED=0 MORVANE_REPLAY='" + (folder / "script.replay").string() +
        "' MORVANE_SHOTS='" + (folder / "shots").string() + "' MORVANE_SHOT_FRAMES=" + shot_list + " " +
        environment + " '" + program.string() + "' > '" + (folder / "output.txt").string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::map<int, BitmapFile> shots;
    std::istringstream asked(shot_list);
    for (int frame; asked >> frame; asked.ignore()) {
        std::optional<BitmapFile> shot =
            ReadBitmapFile((folder / "shots" / ("frame-" + std::to_string(frame) + ".bmp")).string());
        EXPECT_TRUE(shot) << name << " wrote no screenshot of frame " << frame;  // then it reads as black
        shots.emplace(frame,
                      shot.value_or(BitmapFile{640, 480, 24, 1920, {}, std::vector<std::uint8_t>(921600)}));
    }
    return shots;
}

struct Rgb {
    int red, green, blue;
};
using ColourTest = std::function<bool(const Rgb&)>;

Rgb PixelOf(const BitmapFile& shot, int x, int y) {
    std::uint8_t red, green, blue;
    shot.PixelAt(x, y, red, green, blue);
    return {red, green, blue};
}

ColourTest Near(Rgb wanted) {
    return [wanted](const Rgb& c) {
        return std::max({std::abs(c.red - wanted.red), std::abs(c.green - wanted.green),
                         std::abs(c.blue - wanted.blue)}) <= 12;
    };
}

// How many pixels of the rectangle [x0, x1) x [y0, y1) pass the test.
int Count(const BitmapFile& shot, const ColourTest& test, int x0 = 0, int y0 = 0, int x1 = 640,
          int y1 = 480) {
    return static_cast<int>(std::ranges::count_if(std::views::iota(0, (x1 - x0) * (y1 - y0)), [&](int i) {
        return test(PixelOf(shot, x0 + i % (x1 - x0), y0 + i / (x1 - x0)));
    }));
}

// The first column of row y, from the left or from the right, whose pixel passes the test; -1 for none.
int EdgeInRow(const BitmapFile& shot, int y, const ColourTest& test, bool from_left) {
    for (int k = 0, x = from_left ? 0 : shot.width - 1; k < shot.width; ++k, x += from_left ? 1 : -1)
        if (test(PixelOf(shot, x, y))) return x;
    return -1;
}

const ColourTest kLit = [](const Rgb& c) { return c.red > 200 && c.green > 200 && c.blue > 200; };

TEST(Examples, SpritesMoveByTheArrowsAndABallThatTouchesThePaddleTurnsGreen) {
    auto shots = Play(SPRITES_PROGRAM, "sprites", 140, {{kRight, 1, 20}, {kLeft, 21, 40}}, "20,120");
    const ColourTest paddle = Near({40, 90, 230}), ball = Near({230, 40, 40}), hit = Near({40, 200, 60});
    EXPECT_NEAR(EdgeInRow(shots[20], 448, paddle, true), 392, 12);  // 120 pixels right, then back
    EXPECT_NEAR(EdgeInRow(shots[120], 448, paddle, true), 272, 6);
    // Three red balls at first; the one that falls onto the paddle is green after it.
    EXPECT_GT(Count(shots[20], ball), 3 * 500);
    EXPECT_GT(Count(shots[120], hit), 500);
    EXPECT_GT(Count(shots[120], ball, 250, 150, 300, 200), 500);  // the third ball, off the top edge at 67
    EXPECT_GT(Count(shots[120], kLit, 10, 10, 80, 26), 20);       // "Hits: 1"
}

TEST(Examples, TextInputGreetsTheTypedName) {
    // "anna" and Enter, a key a frame with a frame between.
    auto shots =
        Play(TEXT_INPUT_PROGRAM, "text_input", 60,
             {{0x1E, 10, 10}, {0x31, 12, 12}, {0x31, 14, 14}, {0x1E, 16, 16}, {0x1C, 18, 18}}, "5,40");
    EXPECT_GT(Count(shots[5], kLit, 20, 20, 20 + 18 * 8, 36), 100);  // the prompt, in cells of 8 x 16
    // "Hello, anna!" ends in its twelfth cell, and the yellow line under it is as long.
    EXPECT_EQ((EdgeInRow(shots[40], 125, kLit, false) - 20) / 8, 11);
    EXPECT_EQ(std::pair(EdgeInRow(shots[40], 138, Near({255, 255, 0}), true),
                        EdgeInRow(shots[40], 138, Near({255, 255, 0}), false)),
              std::pair(20, 20 + 12 * 8 - 1));
}

TEST(Examples, BuiltObjectsStopTheBallAtTheWall) {
    auto shots = Play(BUILT_OBJECTS_PROGRAM, "built_objects", 200, {{kUp, 5, 199}}, "20,190");
    const ColourTest ball = Near({255, 208, 0}), wall = Near({0xC0, 0x20, 0x20}), bar = Near({255, 0, 0});
    for (auto& [frame, shot] : shots)  // the ball in front of the wall, never through it
        EXPECT_TRUE(Count(shot, ball) > 200 && Count(shot, wall) > 5000) << frame;
    EXPECT_FALSE(bar(PixelOf(shots[20], 320, 4)));
    EXPECT_TRUE(bar(PixelOf(shots[190], 320, 4)));               // touching: the red bar
    EXPECT_LT(Count(shots[190], ball), Count(shots[20], ball));  // nearer the wall, smaller
}

TEST(Examples, Scene3dShowsTheConvertedHousesAndTheCameraMoves) {
    auto shots = Play(SCENE3D_PROGRAM, "scene3d", 100, {{kRight, 30, 60}}, "20,80");
    for (const auto& [looks_like, least] : std::vector<std::pair<ColourTest, int>>{
             {[](const Rgb& c) { return c.red > 110 && c.green < 60 && c.blue < 60; }, 1000},  // roofs
             {[](const Rgb& c) { return c.red > 140 && c.green > 120 && c.blue > 80 && c.blue < c.red - 20; },
              1000},
             {[](const Rgb& c) { return c.green > c.red + 30 && c.green > c.blue + 30; }, 20000}})  // lawn
        EXPECT_GT(Count(shots[20], looks_like), least);
    const std::vector<std::uint8_t>& before = shots[20].pixels;  // the camera moved
    EXPECT_GT(std::inner_product(before.begin(), before.end(), shots[80].pixels.begin(), 0, std::plus<>(),
                                 std::not_equal_to<>()),
              5000);
}

// The program alone in an empty folder: the level and the coins come from the container inside it.
TEST(Examples, TheContainerCarriesTheLevelAndTheCoinsToAFolderOfTheirOwn) {
    const fs::path alone = fs::path(std::getenv("TMPDIR")) / "carried-alone";
    fs::create_directories(alone);
    fs::copy_file(CARRIED_DATA_PROGRAM, alone / "program", fs::copy_options::overwrite_existing);
    auto shots = Play(alone / "program", "carried", 10, {}, "5");
    // Tile (0, 0) is a wall, (3, 1) a coin, (1, 1) floor: 32 pixels a tile.
    for (const auto& [x, y, colour] :
         {std::tuple{0, 0, Rgb{0xA0, 0x50, 0x30}}, {3, 1, {250, 200, 30}}, {1, 1, {0x30, 0x30, 0x30}}})
        EXPECT_TRUE(Near(colour)(PixelOf(shots[5], x * 32 + 16, y * 32 + 16))) << x << ", " << y;
}

TEST(Examples, SoundMusicPlaysTheTuneTheSoundWhereTheMarkerStandsAndStopsTheTune) {
    // At the recorded pace, for the sound to play: Left to the left end, Space at 40, M (music off) at 80.
    const fs::path mixed = fs::path(std::getenv("TMPDIR")) / "sound_music.raw";
    auto shots = Play(
        SOUND_MUSIC_PROGRAM, "sound_music", 140, {{kLeft, 1, 30}, {kSpace, 40, 41}, {kM, 80, 81}}, "45,130",
        "MORVANE_REPLAY_SPEED=1 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE='" + mixed.string() + "'");
    EXPECT_TRUE(Near({255, 255, 0})(PixelOf(shots[45], 100, 240)));  // the marker lit, at the left end
    EXPECT_GT(Count(shots[130], kLit, 82, 10, 90, 26), 0);           // "Music: off" has ten characters
    // What the disk driver wrote: 16-bit stereo, 22050 frames a second; the sound peaks near 27500.
    std::vector<std::int16_t> pcm(fs::file_size(mixed) / 2);  // left and right in turn
    std::ifstream(mixed, std::ios::binary)
        .read(reinterpret_cast<char*>(pcm.data()), static_cast<std::streamsize>(pcm.size() * 2));
    const std::size_t frames = pcm.size() / 2;
    const auto count = [&](std::size_t from, std::size_t to, auto test) {
        return std::ranges::count_if(std::views::iota(from, to),
                                     [&](std::size_t i) { return test(pcm[2 * i], pcm[2 * i + 1]); });
    };
    std::size_t start = frames, end = 0;  // of the loud sound on the left
    for (std::size_t i = 0; i < frames; ++i)
        if (std::abs(pcm[2 * i]) > 12000) start = std::min(start, i), end = i + 1;
    ASSERT_LT(start, frames) << "the sound was not heard";
    const auto audible = [](int left, int right) { return left != 0 || right != 0; };
    EXPECT_GT(count(0, start, audible), 22050 / 4);  // the tune from the start
    EXPECT_NEAR(static_cast<double>(end - start), 0.25 * 22050, 0.1 * 22050);
    EXPECT_EQ(count(start, end, [](int, int right) { return std::abs(right) >= 8000; }), 0);  // panned left
    EXPECT_EQ(count(frames - 22050 / 3, frames, audible), 0);  // the music stopped: silence at the end
}

TEST(Examples, PathFindingDotsAPathAroundTheWallsToTheGoal) {
    // Up, three presses: the goal goes from cell (18, 13) to (18, 10).
    auto shots =
        Play(PATH_FINDING_PROGRAM, "path_finding", 60, {{kUp, 10, 11}, {kUp, 20, 21}, {kUp, 30, 31}}, "5,50");
    const Rgb wall{0x40, 0x40, 0x40}, goal{255, 0, 0}, dot{255, 255, 0};
    for (const auto& [frame, goal_y] : {std::pair{5, 13}, std::pair{50, 10}}) {
        SCOPED_TRACE(frame);
        const BitmapFile& shot = shots[frame];
        EXPECT_TRUE(Near(goal)(PixelOf(shot, 18 * 32 + 4, goal_y * 32 + 4)));
        EXPECT_FALSE(Near(goal)(PixelOf(shot, 18 * 32 + 1, goal_y * 32 + 4)));  // the marker within its cell
        // Dotted cells (the dot mid-cell): none a wall, all joined into one chain from start to goal.
        std::set<std::pair<int, int>> dotted;
        for (int x = 0, y = 0; y < 15; x = (x + 1) % 20, y += x == 0) {
            if (!Near(dot)(PixelOf(shot, x * 32 + 16, y * 32 + 16))) continue;
            dotted.insert({x, y});
            EXPECT_FALSE(Near(wall)(PixelOf(shot, x * 32 + 4, y * 32 + 4))) << x << ", " << y;
        }
        std::set<std::pair<int, int>> reached{{1, 1}};
        for (std::vector<std::pair<int, int>> open{{1, 1}}; !open.empty();) {
            const auto [x, y] = open.back();
            open.pop_back();
            for (const std::pair<int, int>& next : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}})
                if (dotted.count(next) != 0 && reached.insert(next).second) open.push_back(next);
        }
        EXPECT_EQ(reached, dotted);
        EXPECT_EQ(reached.count({18, goal_y}), 1u);
    }
}

TEST(Examples, NetChatCarriesTheConversationBothWaysUntilTheHostLeaves) {
    int port = 0;  // a free port of 127.0.0.1
    auto alice = StartHost(
        port,
        [](PeerProcess& p) { return p.NextLine() == "Chatting as Alice: type a line and press Enter."; },
        {"host", "Alice"});
    ASSERT_TRUE(alice);
    auto bob = std::make_unique<PeerProcess>(port, std::vector<std::string>{"join", "Bob"});
    EXPECT_EQ(bob->NextLine(), "Chatting as Bob: type a line and press Enter.");
    bob->Tell("Hello Alice");
    EXPECT_EQ(alice->NextLine(), "Bob: Hello Alice");
    alice->Tell("Hi Bob, welcome");
    EXPECT_EQ(bob->NextLine(), "Alice: Hi Bob, welcome");
    alice.reset();
    EXPECT_EQ(bob->NextLine(), "The host has ended the chat.");
}

}  // namespace
