// The example programs, each played headless on scripted input (a replay file
// written here) for a few hundred frames at most, with their screenshots read
// back and checked for what the example is meant to show.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "gfx2d/bitmap_file.h"
#include "net/peer_process.h"
#include "platform/replay_file.h"

namespace {

namespace fs = std::filesystem;

struct HeldKey {
    std::uint8_t code;
    int first_frame, last_frame;  // both included
};

constexpr std::uint8_t kUp = 200, kDown = 208, kLeft = 203, kRight = 205, kSpace = 57, kM = 50;

// Plays the program on a replay of `frames` frames, 1/60 s apart, with the keys
// held as given, as fast as it goes unless `environment` ("NAME=value ...") says
// otherwise, and returns the screenshots of the frames asked for.
std::map<int, BitmapFile> Play(const fs::path& program, const std::string& name, int frames,
                               const std::vector<HeldKey>& keys, const std::vector<int>& shot_frames,
                               const std::string& environment = "") {
    const fs::path folder = fs::path(std::getenv("TMPDIR")) / name;
    fs::create_directories(folder / "shots");
    if (std::unique_ptr<ReplayWriter> writer = CreateReplayFile((folder / "script.replay").string())) {
        for (int frame = 0; frame < frames; ++frame) {
            ReplayFrame replay_frame;
            replay_frame.time = frame * 1000.0 / 60;  // milliseconds
            for (const HeldKey& key : keys) {
                if (frame >= key.first_frame && frame <= key.last_frame)
                    replay_frame.keys[key.code] = kKeyDown;
            }
            EXPECT_TRUE(writer->Write(replay_frame));
        }
    }
    std::string shot_list;
    for (int frame : shot_frames)
        shot_list += (shot_list.empty() ? "" : ",") + std::to_string(frame);
    const std::string command =
        "MORVANE_NO_NOTICE=1 MORVANE_REPLAY_SPEED=0 MORVANE_REPLAY='" + (folder / "script.replay").string() +
        "' MORVANE_SHOTS='" + (folder / "shots").string() + "' MORVANE_SHOT_FRAMES=" + shot_list + " " +
        environment + " '" + program.string() + "' > '" + (folder / "output.txt").string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::map<int, BitmapFile> shots;
    for (int frame : shot_frames) {
        std::optional<BitmapFile> shot =
            ReadBitmapFile((folder / "shots" / ("frame-" + std::to_string(frame) + ".bmp")).string());
        EXPECT_TRUE(shot) << name << " wrote no screenshot of frame " << frame;  // then it reads as black
        shots.emplace(frame, shot.value_or(BitmapFile{
                                 640, 480, 24, 640 * 3, {}, std::vector<std::uint8_t>(640 * 480 * 3)}));
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

// Within a few steps of the colour in each channel.
ColourTest Near(Rgb wanted) {
    return [wanted](const Rgb& c) {
        return std::abs(c.red - wanted.red) <= 12 && std::abs(c.green - wanted.green) <= 12 &&
               std::abs(c.blue - wanted.blue) <= 12;
    };
}

bool IsNear(const BitmapFile& shot, int x, int y, Rgb wanted) {
    return Near(wanted)(PixelOf(shot, x, y));
}

// How many pixels of the rectangle [x0, x1) x [y0, y1) pass the test.
int Count(const BitmapFile& shot, const ColourTest& test, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1) {
    int count = 0;
    for (int y = y0; y < (y1 < 0 ? shot.height : y1); ++y) {
        for (int x = x0; x < (x1 < 0 ? shot.width : x1); ++x)
            count += test(PixelOf(shot, x, y)) ? 1 : 0;
    }
    return count;
}

// The first column of row y, from the left or from the right, whose pixel passes the test; -1 for none.
int EdgeInRow(const BitmapFile& shot, int y, const ColourTest& test, bool from_left) {
    for (int k = 0; k < shot.width; ++k) {
        const int x = from_left ? k : shot.width - 1 - k;
        if (test(PixelOf(shot, x, y))) return x;
    }
    return -1;
}

const ColourTest kLit = [](const Rgb& c) { return c.red > 200 && c.green > 200 && c.blue > 200; };

TEST(Examples, SpritesMoveByTheArrowsAndABallThatTouchesThePaddleTurnsGreen) {
    // Right for 20 frames, then Left for 20: the paddle goes 120 pixels right and comes back.
    std::map<int, BitmapFile> shots =
        Play(SPRITES_PROGRAM, "sprites", 140, {{kRight, 1, 20}, {kLeft, 21, 40}}, {20, 120});
    const ColourTest paddle = Near({40, 90, 230}), ball = Near({230, 40, 40}), hit = Near({40, 200, 60});
    EXPECT_NEAR(EdgeInRow(shots[20], 448, paddle, true), 392, 12);
    EXPECT_NEAR(EdgeInRow(shots[120], 448, paddle, true), 272, 6);
    // Three red balls at first; the one that falls onto the paddle is green after it.
    EXPECT_GT(Count(shots[20], ball), 3 * 500);
    EXPECT_GT(Count(shots[120], hit), 500);
    EXPECT_GT(Count(shots[120], kLit, 10, 10, 80, 26), 20);  // "Hits: 1"
}

TEST(Examples, TextInputGreetsTheTypedName) {
    // "anna" and Enter, a key a frame with a frame between.
    std::vector<HeldKey> typing;
    for (const std::uint8_t key : {0x1E, 0x31, 0x31, 0x1E, 0x1C})
        typing.push_back({key, 10 + 2 * int(typing.size()), 10 + 2 * int(typing.size())});
    std::map<int, BitmapFile> shots = Play(TEXT_INPUT_PROGRAM, "text_input", 60, typing, {5, 40});
    // The prompt stands from the first frame; the cells are 8 x 16 pixels.
    EXPECT_GT(Count(shots[5], kLit, 20, 20, 20 + 18 * 8, 36), 100);
    // "Hello, anna!" ends in its twelfth cell, and the yellow line under it is as long.
    const int text_end = EdgeInRow(shots[40], 125, kLit, false);
    EXPECT_GE(text_end, 20 + 11 * 8);
    EXPECT_LT(text_end, 20 + 12 * 8);
    const ColourTest yellow = Near({255, 255, 0});
    EXPECT_EQ(EdgeInRow(shots[40], 138, yellow, true), 20);
    EXPECT_EQ(EdgeInRow(shots[40], 138, yellow, false), 20 + 12 * 8 - 1);
}

TEST(Examples, BuiltObjectsStopTheBallAtTheWall) {
    std::map<int, BitmapFile> shots =
        Play(BUILT_OBJECTS_PROGRAM, "built_objects", 200, {{kUp, 5, 199}}, {20, 190});
    const ColourTest ball = Near({255, 208, 0}), wall = Near({0xC0, 0x20, 0x20}), bar = Near({255, 0, 0});
    for (auto& [frame, shot] : shots) {
        EXPECT_GT(Count(shot, ball), 200) << frame;  // in front of the wall, never through it
        EXPECT_GT(Count(shot, wall), 5000) << frame;
    }
    EXPECT_FALSE(bar(PixelOf(shots[20], 320, 4)));
    EXPECT_TRUE(bar(PixelOf(shots[190], 320, 4)));  // touching: the red bar
    // Nearer the wall, the ball looks smaller and stands higher on the screen.
    EXPECT_LT(Count(shots[190], ball), Count(shots[20], ball));
}

TEST(Examples, Scene3dShowsTheConvertedHousesAndTheCameraMoves) {
    std::map<int, BitmapFile> shots = Play(SCENE3D_PROGRAM, "scene3d", 100, {{kRight, 30, 60}}, {20, 80});
    const ColourTest roof = [](const Rgb& c) { return c.red > 110 && c.green < 60 && c.blue < 60; };
    const ColourTest walls = [](const Rgb& c) {
        return c.red > 140 && c.green > 120 && c.blue > 80 && c.blue < c.red - 20;
    };
    const ColourTest lawn = [](const Rgb& c) { return c.green > c.red + 30 && c.green > c.blue + 30; };
    EXPECT_GT(Count(shots[20], roof), 1000);
    EXPECT_GT(Count(shots[20], walls), 1000);
    EXPECT_GT(Count(shots[20], lawn), 20000);
    const std::vector<std::uint8_t>&before = shots[20].pixels, &after = shots[80].pixels;
    ASSERT_EQ(before.size(), after.size());
    EXPECT_GT(std::inner_product(before.begin(), before.end(), after.begin(), 0, std::plus<>(),
                                 std::not_equal_to<>()),
              5000);
}

// The program alone in an empty folder: the level and the coins come from the container inside it.
TEST(Examples, TheContainerCarriesTheLevelAndTheCoinsToAFolderOfTheirOwn) {
    const fs::path alone = fs::path(std::getenv("TMPDIR")) / "carried-alone";
    fs::create_directories(alone);
    fs::copy_file(CARRIED_DATA_PROGRAM, alone / "program", fs::copy_options::overwrite_existing);
    std::map<int, BitmapFile> shots = Play(alone / "program", "carried", 10, {}, {5});
    // Tile (0, 0) is a wall, (3, 1) a coin, (1, 1) floor: 32 pixels a tile.
    EXPECT_TRUE(IsNear(shots[5], 16, 16, {0xA0, 0x50, 0x30}));
    EXPECT_TRUE(IsNear(shots[5], 3 * 32 + 16, 32 + 16, {250, 200, 30}));
    EXPECT_TRUE(IsNear(shots[5], 32 + 16, 32 + 16, {0x30, 0x30, 0x30}));
}

TEST(Examples, SoundMusicPlaysTheTuneTheSoundWhereTheMarkerStandsAndStopsTheTune) {
    // At the recorded pace, so that the sound has time to play: Left takes
    // the marker to the left end, Space plays the sound at frame 40 and M
    // stops the music at frame 80 of 140.
    const fs::path mixed = fs::path(std::getenv("TMPDIR")) / "sound_music.raw";
    std::map<int, BitmapFile> shots = Play(
        SOUND_MUSIC_PROGRAM, "sound_music", 140, {{kLeft, 1, 30}, {kSpace, 40, 41}, {kM, 80, 81}}, {45, 130},
        "MORVANE_REPLAY_SPEED=1 SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE='" + mixed.string() + "'");
    EXPECT_TRUE(IsNear(shots[45], 100, 240, {255, 255, 0}));  // the marker lit, at the left end
    EXPECT_GT(Count(shots[130], kLit, 82, 10, 90, 26), 0);    // "Music: off" has ten characters
    // What the disk audio driver wrote, 16-bit stereo at 22050 frames a second: the
    // tune peaks near 3300, the sound near 27500, in the order they were played.
    struct StereoSample {
        std::int16_t left, right;
    };
    std::vector<StereoSample> sound;
    std::ifstream in(mixed, std::ios::binary);
    for (StereoSample sample; in.read(reinterpret_cast<char*>(&sample), sizeof sample);)
        sound.push_back(sample);
    const auto audible = [&sound](std::size_t from, std::size_t to) {
        return std::count_if(sound.begin() + static_cast<std::ptrdiff_t>(from),
                             sound.begin() + static_cast<std::ptrdiff_t>(to),
                             [](StereoSample s) { return s.left != 0 || s.right != 0; });
    };
    const auto loud = [](StereoSample s) { return std::abs(s.left) > 12000; };
    const auto first_loud = std::find_if(sound.begin(), sound.end(), loud);
    ASSERT_NE(first_loud, sound.end()) << "the sound was not heard";
    const std::size_t start = static_cast<std::size_t>(first_loud - sound.begin());
    const std::size_t end =
        static_cast<std::size_t>(std::find_if(sound.rbegin(), sound.rend(), loud).base() - sound.begin());
    EXPECT_GT(audible(0, start), 22050 / 4);  // the tune from the start
    EXPECT_NEAR(static_cast<double>(end - start), 0.25 * 22050, 0.1 * 22050);
    EXPECT_TRUE(std::all_of(first_loud, sound.begin() + static_cast<std::ptrdiff_t>(end),
                            [](StereoSample s) { return std::abs(s.right) < 8000; }));  // panned fully left
    ASSERT_GT(sound.size(), end + 22050);
    // Stopped: the last 60 frames, a second, end in silence.
    EXPECT_EQ(audible(sound.size() - 22050 / 3, sound.size()), 0);
}

TEST(Examples, PathFindingDotsAPathAroundTheWallsToTheGoal) {
    // Up, three presses: the goal goes from cell (18, 13) to (18, 10).
    std::map<int, BitmapFile> shots = Play(PATH_FINDING_PROGRAM, "path_finding", 60,
                                           {{kUp, 10, 11}, {kUp, 20, 21}, {kUp, 30, 31}}, {5, 50});
    const Rgb wall{0x40, 0x40, 0x40}, goal{255, 0, 0}, dot{255, 255, 0};
    for (const auto& [frame, goal_y] : {std::pair{5, 13}, std::pair{50, 10}}) {
        SCOPED_TRACE(frame);
        const BitmapFile& shot = shots[frame];
        EXPECT_TRUE(IsNear(shot, 18 * 32 + 4, goal_y * 32 + 4, goal));
        // The dotted cells (32 pixels, the dot in the middle): none a wall,
        // and all joined by edges into one chain from the start to the goal.
        std::set<std::pair<int, int>> dotted;
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 20; ++x) {
                if (!IsNear(shot, x * 32 + 16, y * 32 + 16, dot)) continue;
                dotted.insert({x, y});
                EXPECT_FALSE(IsNear(shot, x * 32 + 4, y * 32 + 4, wall)) << x << ", " << y;
            }
        }
        std::set<std::pair<int, int>> reached{{1, 1}};
        for (std::vector<std::pair<int, int>> open{{1, 1}}; !open.empty();) {
            const auto [x, y] = open.back();
            open.pop_back();
            for (const std::pair<int, int>& next :
                 {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}}) {
                if (dotted.count(next) != 0 && reached.insert(next).second) open.push_back(next);
            }
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
