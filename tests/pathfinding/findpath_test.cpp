#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "morvane.h"
#include "support/plain_path_search.h"
#include "support/test_runtime.h"

namespace {

using Cells = std::vector<std::pair<int, int>>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::uint8_t kEscape = 1;

// A map from rows of text: a digit is that cost, '#' a wall of value `wall`.
void MakeMap(NumArray& map, const std::vector<std::string>& rows, double wall = 0) {
    DIM(map, static_cast<double>(rows[0].size()), static_cast<double>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            map(x, y) = rows[y][x] == '#' ? wall : rows[y][x] - '0';
    }
}

Cells PathCells(NumArray& path) {
    Cells cells;
    for (double i = 0; i < BOUNDS(path, 0); ++i)
        cells.push_back({static_cast<int>(path(i, 0)), static_cast<int>(path(i, 1))});
    return cells;
}

PlainPath Plain(NumArray& map, int sx, int sy, int gx, int gy) {
    return PlainPathSearch(
        {map.Data(), static_cast<int>(BOUNDS(map, 0)), static_cast<int>(BOUNDS(map, 1)), sx, sy, gx, gy});
}

// A path array holding a marker, to see whether a call leaves it alone.
void MarkPath(NumArray& path) {
    DIM(path, 3);
    path(2) = 42;
}
bool PathIsMarked(NumArray& path) {
    return BOUNDS(path, 0) == 3 && BOUNDS(path, 1) == 0 && path(2) == 42;
}

const std::vector<std::string> kWallWithGap = {
    "11#11", "11#11", "11#11", "11#11", "11111",
};

TEST(FindPath, ThreeByThreeStepsBetweenEdgeNeighbours) {
    NumArray map, path;
    MakeMap(map, {"111", "111", "111"});
    ASSERT_EQ(FINDPATH(map, path, 0.7, 0, 0, 2, 2), 5);
    const Cells cells = PathCells(path);
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells.front(), std::make_pair(0, 0));
    EXPECT_EQ(cells.back(), std::make_pair(2, 2));
    for (std::size_t i = 1; i < cells.size(); ++i) {
        EXPECT_EQ(
            std::abs(cells[i].first - cells[i - 1].first) + std::abs(cells[i].second - cells[i - 1].second),
            1);
    }
    EXPECT_EQ(BOUNDS(path, 1), 2);
}

// Every kind of value that is no cost at all makes a wall: the path goes
// through the one gap. Values that are not numbers or too large for a float
// would otherwise spread through the costs and keys.
TEST(FindPath, ValuesThatAreNoCostAreWalls) {
    for (double wall : {0.0, -1.0, -1e300, kNaN, kInfinity, -kInfinity, 1e39}) {
        NumArray map, path;
        MakeMap(map, kWallWithGap, wall);
        const double n = FINDPATH(map, path, 0.7, 0, 0, 4, 0);
        const Cells cells = PathCells(path);
        EXPECT_EQ(n, 13) << "wall value " << wall;
        EXPECT_NE(std::find(cells.begin(), cells.end(), std::make_pair(2, 4)), cells.end()) << wall;
        EXPECT_EQ(cells, Plain(map, 0, 0, 4, 0).cells) << wall;
    }
}

TEST(FindPath, EnclosedGoalGivesTheEmptyPath) {
    NumArray map, path;
    MakeMap(map, {"11111", "11#11", "1#1#1", "11#11", "11111"});
    MarkPath(path);
    EXPECT_EQ(FINDPATH(map, path, 0.7, 0, 0, 2, 2), 0);
    EXPECT_EQ(BOUNDS(path, 0), 1);
    EXPECT_EQ(BOUNDS(path, 1), 0);
    EXPECT_EQ(path(0), 0);
}

TEST(FindPath, RefusedRequestsLeaveThePathAlone) {
    NumArray map, line, path;
    MakeMap(map, {"111", "111"});
    DIM(line, 10);
    const struct {
        NumArray* map;
        double sx, sy, gx, gy;
    } refused[] = {
        {&map, 1, 1, 1, 1}, {&map, 1.2, 1.9, 1, 1}, {&map, -1, 0, 2, 1},   {&map, 0, 0, 3, 0},
        {&map, 0, 0, 0, 2}, {&map, kNaN, 0, 2, 1},  {&map, 0, 0, 2, 1e12}, {&line, 0, 0, 5, 0},
    };
    for (const auto& r : refused) {
        MarkPath(path);
        EXPECT_EQ(FINDPATH(*r.map, path, 0.7, r.sx, r.sy, r.gx, r.gy), 0) << r.sx << "," << r.sy;
        EXPECT_TRUE(PathIsMarked(path)) << r.sx << "," << r.sy;
    }
    // Coordinates are truncated toward zero: -0.5 is cell 0.
    EXPECT_EQ(FINDPATH(map, path, 0.7, -0.5, 0.99, 2.7, 1.2), 4);
}

// Values 2 and 4 cost 0.5 and 1: the cheap row is taken where the dear one
// would be taken at equal costs. Only the ratios count.
TEST(FindPath, CostsAreRelativeToTheLargestValue) {
    const Cells over_cheap_row = {{0, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}};
    const Cells over_top_row = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}};
    const struct {
        std::vector<std::string> rows;
        double scale;
        const Cells& expected;
    } cases[] = {
        {{"24444", "22222"}, 1, over_cheap_row},
        {{"24444", "22222"}, 1e-3, over_cheap_row},
        {{"44444", "44444"}, 1, over_top_row},
    };
    for (const auto& c : cases) {
        NumArray map, path;
        MakeMap(map, c.rows);
        for (double i = 0; i < 10; ++i)
            map(std::fmod(i, 5), std::floor(i / 5)) *= c.scale;
        EXPECT_EQ(FINDPATH(map, path, 0.7, 0, 0, 4, 1), 6) << c.rows[0];
        EXPECT_EQ(PathCells(path), c.expected) << c.rows[0] << " x " << c.scale;
    }
}

// The factor is accepted and not used: the weight stays 0.7.
TEST(FindPath, FactorDoesNotChangeThePath) {
    NumArray map, path;
    MakeMap(map, {"1911", "1191", "9111", "1111"});
    FINDPATH(map, path, 0.7, 0, 0, 3, 3);
    const Cells expected = PathCells(path);
    for (double factor : {0.0, 1.0, 0.2, -5.0, 7.0, kNaN}) {
        FINDPATH(map, path, factor, 0, 0, 3, 3);
        EXPECT_EQ(PathCells(path), expected) << factor;
    }
}

struct RandomMap {
    std::vector<double> values;
    int width = 0;
    int height = 0;
    int sx = 0, sy = 0, gx = 0, gy = 0;
};

// Sizes 2 to 64 a side, up to half the cells walls, and costs from a few
// levels only, so that many keys tie.
RandomMap MakeRandomMap(std::mt19937& random) {
    RandomMap m;
    m.width = 2 + static_cast<int>(random() % 63);
    m.height = 2 + static_cast<int>(random() % 63);
    const unsigned wall_percent = random() % 51;
    const unsigned levels[] = {1, 2, 3, 9};
    const unsigned level_count = levels[random() % 4];
    for (int i = 0; i < m.width * m.height; ++i) {
        const bool wall = random() % 100 < wall_percent;
        m.values.push_back(wall ? -static_cast<double>(random() % 2) : 1 + random() % level_count);
    }
    do {
        m.sx = static_cast<int>(random() % m.width);
        m.sy = static_cast<int>(random() % m.height);
        m.gx = static_cast<int>(random() % m.width);
        m.gy = static_cast<int>(random() % m.height);
    } while (m.sx == m.gx && m.sy == m.gy);
    return m;
}

Planner::Description Request(const double* map, int width, int height, int sx, int sy, int gx, int gy) {
    Planner::Description request;
    request.start_x = sx;
    request.start_y = sy;
    request.goal_x = gx;
    request.goal_y = gy;
    request.width = width;
    request.height = height;
    request.map = map;
    return request;
}

Planner::Description Request(NumArray& map, int sx, int sy, int gx, int gy) {
    return Request(map.Data(), static_cast<int>(BOUNDS(map, 0)), static_cast<int>(BOUNDS(map, 1)), sx, sy, gx,
                   gy);
}

// Takes the request and runs the search to its end.
void RunToEnd(AStarPlanner& planner, const Planner::Description& request) {
    ASSERT_TRUE(planner.createMap(request));
    planner.initialize();
    ASSERT_TRUE(planner.run());
}

Cells PlannerPath(const Planner& planner) {
    std::vector<std::int32_t> cells(2 * planner.getPathSize());
    planner.fillPath(cells);
    Cells path;
    for (std::size_t i = 0; i < cells.size(); i += 2)
        path.push_back({cells[i], cells[i + 1]});
    return path;
}

// FINDPATH, and the planner beyond what FINDPATH asks of it (diagonal steps,
// other weights), against the plain search.
TEST(FindPath, SamePathsAsThePlainSearchOnRandomMaps) {
    std::mt19937 random(20240513);
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        const RandomMap m = MakeRandomMap(random);
        NumArray map, path;
        DIM(map, m.width, m.height);
        for (int i = 0; i < m.width * m.height; ++i)
            map(i % m.width, i / m.width) = m.values[i];
        const PlainPath expected = Plain(map, m.sx, m.sy, m.gx, m.gy);
        ASSERT_EQ(FINDPATH(map, path, 0.7, m.sx, m.sy, m.gx, m.gy),
                  static_cast<double>(expected.cells.size()))
            << "round " << round;
        if (!expected.cells.empty()) {
            ASSERT_EQ(PathCells(path), expected.cells) << "round " << round;
        }
        found += !expected.cells.empty();

        const float weights[] = {0.0f, 0.3f, 1.0f};
        const PlainRequest other{m.values.data(),    m.width,       m.height, m.sx, m.sy, m.gx, m.gy,
                                 weights[round % 3], round % 2 == 0};
        Planner::Description request = Request(m.values.data(), m.width, m.height, m.sx, m.sy, m.gx, m.gy);
        request.diagonal_moves = other.diagonal_moves;
        request.heuristic_weight = other.weight;
        AStarPlanner planner;
        RunToEnd(planner, request);
        const PlainPath expected_other = PlainPathSearch(other);
        ASSERT_EQ(PlannerPath(planner), expected_other.cells) << "round " << round;
        EXPECT_EQ(planner.getPathCost(), expected_other.cost) << "round " << round;
    }
    EXPECT_GT(found, 1500);  // reachable and unreachable goals both well represented
    EXPECT_LT(found, 2900);
}

// A wall across the map, open only at its left end, between the start near
// the top left corner and the goal near the bottom right one: the search
// reopens cells many times over (about 50,000 expansions on 64 x 64).
void MakeDetourMap(NumArray& map, int side) {
    std::mt19937 random(5);
    DIM(map, side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            map(x, y) = y == side / 2 && x > 0 ? 0 : 1 + random() % 9;
    }
}

class EscapeKey : public testing::Test {
protected:
    void SetUp() override { input_ = StartTestRuntime().input; }
    void TearDown() override { input_->ReleaseAllKeys(); }
    ScriptedInput* input_ = nullptr;
};

TEST_F(EscapeKey, HeldDuringALongSearchLeavesThePathAlone) {
    NumArray map, path, small;
    MakeDetourMap(map, 64);
    MakeMap(small, {"111", "111", "111"});
    input_->SetKey(kEscape, true);
    MarkPath(path);
    EXPECT_EQ(FINDPATH(map, path, 0.7, 1, 1, 62, 62), 0);
    EXPECT_TRUE(PathIsMarked(path));
    // The key is looked at only every 10,000 expansions: a short search ends.
    EXPECT_EQ(FINDPATH(small, path, 0.7, 0, 0, 2, 2), 5);

    // A tap before the call is taken at its start and does not cut it short.
    input_->SetKey(kEscape, false);
    input_->SetKey(kEscape, true);
    input_->SetKey(kEscape, false);
    EXPECT_EQ(FINDPATH(map, path, 0.7, 1, 1, 62, 62), 151);
    EXPECT_EQ(PathCells(path), Plain(map, 1, 1, 62, 62).cells);
}

// The node taken when Esc is seen goes back on the open list, so that a
// later run finds the path the search would have found without the cut.
TEST_F(EscapeKey, ACutShortSearchRunsOnToTheSamePath) {
    NumArray map;
    MakeDetourMap(map, 64);
    AStarPlanner planner;
    ASSERT_TRUE(planner.createMap(Request(map, 1, 1, 62, 62)));
    planner.initialize();
    input_->SetKey(kEscape, true);
    for (int slice = 1; slice <= 3; ++slice)
        EXPECT_FALSE(planner.run());
    EXPECT_FALSE(planner.isDone());
    EXPECT_EQ(planner.getNumSlices(), 3u);
    std::vector<std::int32_t> cells(2 * 64 * 64);
    EXPECT_EQ(planner.fillOpen(cells), planner.getOpenSize());
    EXPECT_EQ(planner.fillClosed(cells), planner.getClosedSize());

    input_->SetKey(kEscape, false);
    EXPECT_TRUE(planner.run());
    EXPECT_TRUE(planner.isDone());
    const PlainPath expected = Plain(map, 1, 1, 62, 62);
    EXPECT_EQ(PlannerPath(planner), expected.cells);
    EXPECT_EQ(planner.getPathCost(), expected.cost);
}

// A planner given less room than the grid stops where the room runs out,
// without a path, rather than going on without a node.
TEST(Planner, NoRoomLeftEndsTheSearchWithoutAPath) {
    NumArray map;
    MakeMap(map, std::vector<std::string>(10, "1111111111"));
    const struct {
        unsigned pool, open;
        std::size_t path;
    } cases[] = {{0, 0, 19}, {100, 100, 19}, {5, 0, 0}, {0, 1, 0}, {0, 2, 0}};
    for (const auto& c : cases) {
        Planner::Description request = Request(map, 0, 0, 9, 9);
        request.node_pool_size = c.pool;
        request.open_list_size = c.open;
        AStarPlanner planner;
        RunToEnd(planner, request);
        EXPECT_EQ(planner.getPathSize(), c.path) << c.pool << " " << c.open;
        EXPECT_EQ(planner.getGoal() != nullptr, c.path > 0);
    }
}

}  // namespace
