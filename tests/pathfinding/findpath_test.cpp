#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

#include "morvane.h"
#include "support/plain_path_search.h"
#include "support/test_runtime.h"

namespace {

using Cells = std::vector<std::pair<int, int>>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr std::uint8_t kEscape = 1;

// A map from rows of text: a digit is that cost times `scale`, '#' a wall of value `wall`.
void MakeMap(NumArray& map, const std::vector<std::string>& rows, double wall = 0, double scale = 1) {
    DIM(map, static_cast<double>(rows[0].size()), static_cast<double>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            map(x, y) = rows[y][x] == '#' ? wall : (rows[y][x] - '0') * scale;
    }
}

// The cells of a path array; none for the one element holding 0 of no path.
Cells PathCells(NumArray& path) {
    Cells cells;
    if (BOUNDS(path, 1) == 0) {
        EXPECT_TRUE(BOUNDS(path, 0) == 1 && path(0) == 0);
        return cells;
    }
    for (double i = 0; i < BOUNDS(path, 0); ++i)
        cells.push_back({static_cast<int>(path(i, 0)), static_cast<int>(path(i, 1))});
    return cells;
}

Planner::Description Request(NumArray& map, int sx, int sy, int gx, int gy) {
    // clang-format off
    return {.start_x = sx, .start_y = sy, .goal_x = gx, .goal_y = gy,
            .width = static_cast<std::int32_t>(BOUNDS(map, 0)), .height = static_cast<std::int32_t>(BOUNDS(map, 1)),
            .map = map.Data()};
    // clang-format on
}

// Takes the request, unless it is already taken, and runs the search to its end; the path found.
Cells PlannerPath(AStarPlanner& planner, const Planner::Description* request) {
    if (request != nullptr) {
        EXPECT_TRUE(planner.createMap(*request));
        planner.initialize();
    }
    EXPECT_TRUE(planner.run());
    std::vector<std::int32_t> cells(2 * planner.getPathSize());
    planner.fillPath(cells);
    Cells path;
    for (std::size_t i = 0; i < cells.size(); i += 2)
        path.push_back({cells[i], cells[i + 1]});
    return path;
}

// A path array holding a marker, to see whether a call leaves it alone.
void MarkPath(NumArray& path) {
    DIM(path, 3);
    path(2) = 42;
}
bool PathIsMarked(NumArray& path) {
    return BOUNDS(path, 0) == 3 && BOUNDS(path, 1) == 0 && path(2) == 42;
}

// Every path is the same whatever the factor: it is accepted and not used.
TEST(FindPath, PathsOnSmallMaps) {
    struct Case {
        std::vector<std::string> rows;
        double wall, scale;
        int gx, gy;      // from (0, 0)
        Cells expected;  // empty: no path
    };
    // Values 2 and 4 cost 0.5 and 1 (only ratios count): the cheap row beats the top one.
    const Cells over_cheap_row = {{0, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}};
    const Cells over_top_row = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {4, 1}};
    // clang-format off
    std::vector<Case> cases = {{{"111", "111", "111"}, 0, 1, 2, 2, {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}}},
        {{"11111", "11#11", "1#1#1", "11#11", "11111"}, 0, 1, 2, 2, {}}, {{"24444", "22222"}, 0, 1, 4, 1, over_cheap_row},
        {{"24444", "22222"}, 0, 1e-3, 4, 1, over_cheap_row}, {{"44444", "44444"}, 0, 1, 4, 1, over_top_row}};
    const Cells through_gap = {{0, 0}, {1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {2, 4}, {3, 4}, {3, 3}, {3, 2}, {3, 1},
                               {3, 0}, {4, 0}};
    // clang-format on
    // Every value that is no cost (nor a float) makes a wall; the way leads through its one gap.
    for (double wall : {0.0, -1.0, kNaN, kInfinity, 1e39})
        cases.push_back({{"11#11", "11#11", "11#11", "11#11", "11111"}, wall, 1, 4, 0, through_gap});
    for (const Case& c : cases) {
        for (double factor : {0.7, -5.0, 7.0, kNaN}) {
            NumArray map, path;
            MakeMap(map, c.rows, c.wall, c.scale);
            MarkPath(path);
            SCOPED_TRACE(c.rows[0] + " wall " + std::to_string(c.wall) + " factor " + std::to_string(factor));
            EXPECT_EQ(FINDPATH(map, path, factor, 0, 0, c.gx, c.gy), c.expected.size());
            EXPECT_EQ(PathCells(path), c.expected);
        }
    }
}

TEST(FindPath, RefusedRequestsLeaveThePathAlone) {
    NumArray map, line, path;
    MakeMap(map, {"111", "111"});
    DIM(line, 10);
    // clang-format off
    const struct { NumArray* map; double sx, sy, gx, gy; } refused[] = {{&map, 1, 1, 1, 1}, {&map, 1.2, 1.9, 1, 1},
        {&map, -1, 0, 2, 1}, {&map, 0, 0, 3, 0}, {&map, 0, 0, 0, 2}, {&map, kNaN, 0, 2, 1}, {&map, 0, 0, 2, 1e12},
        {&line, 0, 0, 5, 0}};
    // clang-format on
    for (const auto& r : refused) {
        MarkPath(path);
        EXPECT_EQ(FINDPATH(*r.map, path, 0.7, r.sx, r.sy, r.gx, r.gy), 0) << r.sx << "," << r.sy;
        EXPECT_TRUE(PathIsMarked(path)) << r.sx << "," << r.sy;
    }
    // Coordinates are truncated toward zero: -0.5 is cell 0.
    EXPECT_EQ(FINDPATH(map, path, 0.7, -0.5, 0.99, 2.7, 1.2), 4);
}

// FINDPATH, and the planner with diagonal steps and other weights, against the
// plain search on random maps with many tied keys.
TEST(FindPath, SamePathsAsThePlainSearchOnRandomMaps) {
    std::mt19937 random(20240513);
    const auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    int found = 0;
    for (int round = 0; round < 3000; ++round) {
        NumArray map, path;
        const int width = 2 + below(63), height = 2 + below(63);
        const int wall_percent = below(51), levels = std::vector<int>{1, 2, 3, 9}[below(4)];
        DIM(map, width, height);
        for (int i = 0; i < width * height; ++i)
            map(i % width, i / width) = below(100) < wall_percent ? -below(2) : 1 + below(levels);
        int sx, sy, gx, gy;
        do {
            sx = below(width), sy = below(height), gx = below(width), gy = below(height);
        } while (sx == gx && sy == gy);

        const PlainPath expected = PlainPathSearch({map.Data(), width, height, sx, sy, gx, gy});
        ASSERT_EQ(FINDPATH(map, path, 0.7, sx, sy, gx, gy), static_cast<double>(expected.cells.size()))
            << "round " << round;
        ASSERT_EQ(PathCells(path), expected.cells) << "round " << round;
        found += !expected.cells.empty();

        const PlainRequest other{
            map.Data(),    width, height, sx, sy, gx, gy, std::vector{0.0f, 0.3f, 1.0f}[round % 3],
            round % 2 == 0};
        Planner::Description request = Request(map, sx, sy, gx, gy);
        request.diagonal_moves = other.diagonal_moves;
        request.heuristic_weight = other.weight;
        AStarPlanner planner;
        const PlainPath expected_other = PlainPathSearch(other);
        ASSERT_EQ(PlannerPath(planner, &request), expected_other.cells) << "round " << round;
        EXPECT_EQ(planner.getPathCost(), expected_other.cost) << "round " << round;
    }
    EXPECT_GT(found, 1500);  // reachable and unreachable goals both well represented
    EXPECT_LT(found, 2900);
}

// The key is looked at every 10,000 expansions; a later run of the planner
// goes on to the path an uncut search finds.
TEST(FindPath, EscHeldDuringALongSearchCutsItShort) {
    ScriptedInput* input = StartTestRuntime().input;
    // A wall across the map, open only at its left end: the search from the top
    // left to the bottom right reopens cells many times (about 50,000 expansions).
    NumArray map, path;
    std::mt19937 random(5);
    DIM(map, 64, 64);
    for (int i = 0; i < 64 * 64; ++i)
        map(i % 64, i / 64) = i / 64 == 32 && i % 64 > 0 ? 0 : 1 + random() % 9;
    const PlainPath expected = PlainPathSearch({map.Data(), 64, 64, 1, 1, 62, 62});
    AStarPlanner planner;
    EXPECT_TRUE(planner.createMap(Request(map, 1, 1, 62, 62)));
    planner.initialize();
    input->SetKey(kEscape, true);
    MarkPath(path);
    EXPECT_EQ(FINDPATH(map, path, 0.7, 1, 1, 62, 62), 0);
    EXPECT_TRUE(PathIsMarked(path));
    EXPECT_FALSE(planner.run() || planner.run() || planner.run());
    EXPECT_EQ(planner.getNumSlices(), 3u);

    input->SetKey(kEscape, false);
    EXPECT_EQ(PlannerPath(planner, nullptr), expected.cells);
    EXPECT_TRUE(planner.run() && planner.run());  // runs after the end keep the path
    EXPECT_EQ(planner.getPathSize(), expected.cells.size());
    EXPECT_EQ(planner.getPathCost(), expected.cost);
    // A tap before a call is taken at its start and does not cut it short.
    input->SetKey(kEscape, true);
    input->SetKey(kEscape, false);
    EXPECT_EQ(FINDPATH(map, path, 0.7, 1, 1, 62, 62), 151);
    EXPECT_EQ(PathCells(path), expected.cells);
}

// A planner given less room than the grid stops without a path where it runs out.
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
        EXPECT_EQ(PlannerPath(planner, &request).size(), c.path) << c.pool << " " << c.open;
        EXPECT_EQ(planner.getGoal() != nullptr, c.path > 0);
    }
}

}  // namespace
