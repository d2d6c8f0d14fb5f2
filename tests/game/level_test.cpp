// Loading a level file through GETFILE.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "game_state.h"

namespace {

using namespace game_test;

// Runs each case in a folder of its own, where the level files are looked for.
class Level : public testing::Test {
protected:
    void SetUp() override {
        previous_ = getcwd(nullptr, 0);
        const std::string folder = std::string(std::getenv("TMPDIR")) + "/" +
                                   testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(folder);
        ASSERT_EQ(chdir(folder.c_str()), 0);
    }
    void TearDown() override {
        ASSERT_EQ(chdir(previous_), 0);
        std::free(previous_);
    }
    char* previous_ = nullptr;
};

TEST_F(Level, RowsAreReadCharacterByCharacterAndRoadsGetTheirMasks) {
    std::ofstream("city5.txt", std::ios::binary) << "#a?S\r\n"
                                                 << " L\n"
                                                 << "A";  // a last line without its end
    LoadLevel(5);
    // (1, 0) is road ("a" is lower case) with grass toward x - 1 and a building
    // toward y + 1; (2, 0) road beside the shop floor; (0, 1) road with grass
    // above, a building right and a tree below.
    EXPECT_EQ(Tiles({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {1, 1}, {0, 1}, {0, 2}, {39, 39}}),
              (std::vector<double>{16, 2 + 8, 4, 50, 56, 1 + 4 + 8, 55, 0}));
}

TEST_F(Level, AMissingFileReadsItsMarkersAsRows) {
    LoadLevel(8);
    // Row 0 is "NO_FILE" (its L a building), the rest "NO_DATA" (two trees each).
    EXPECT_EQ(city(5, 0), 56);
    for (double y = 1; y < 40; ++y) {
        EXPECT_EQ(city(4, y), 55) << y;
        EXPECT_EQ(city(6, y), 55) << y;
        EXPECT_EQ(city(5, y), 2 + 4 + (y == 1 ? 1 : 0));  // road between the trees, under the building
    }
}

}  // namespace
