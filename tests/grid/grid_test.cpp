// The nearest grid point and the interpolation cell of a site.
#include "grid/grid.h"

#include <gtest/gtest.h>

#include <cmath>

#include "grid/bilin.h"

namespace ozone {
namespace {

TEST(FindNearest, Points) {
    struct Case {
        float lat;
        float lon;
        GridPoint expected;
        const char* why;
    } cases[] = {
        {52.10f, 5.18f, {29, 31}, "the prompt's example: 52N 5E"},
        {52.5f, 5.0f, {29, 31}, "midway between rows: the southern one"},
        {52.0f, 5.5f, {29, 32}, "midway between columns: the eastern one"},
        {52.5f, 5.5f, {29, 32}, "midway both ways: south-east"},
        {52.0f, 5.0f, {29, 31}, "on a grid point"},
        {85.0f, 40.0f, {1, 61}, "outside the grid, north-east"},
        {80.0f, -25.0f, {1, 1}, "north-west corner"},
        {31.0f, 35.0f, {50, 61}, "south-east corner"},
        {-60.0f, -170.0f, {50, 1}, "far outside"},
    };
    for (const Case& c : cases) {
        const std::optional<GridPoint> found = find_nearest(c.lat, c.lon);
        ASSERT_TRUE(found) << c.why;
        EXPECT_EQ(*found, c.expected) << c.why;
    }
}

TEST(FindNearest, NoPointForSitesBeyondReach) {
    EXPECT_FALSE(find_nearest(1100.0f, 5.0f));
    EXPECT_FALSE(find_nearest(std::nanf(""), 5.0f));
    EXPECT_FALSE(find_nearest(52.0f, INFINITY));
}

TEST(InterpolationCell, Brackets) {
    struct Case {
        float lat;
        float lon;
        int r_north, c_west;
        double t, u;
        const char* why;
    } cases[] = {
        {52.10f, 5.18f, 28, 31, 52.10f - 52.0, 5.18f - 5.0, "the prompt's example"},
        {52.0f, 5.0f, 29, 31, 1.0, 0.0, "on a grid point: that row north, that column west"},
        {80.0f, -25.0f, 1, 1, 1.0, 0.0, "north-west corner"},
        {31.0f, 10.0f, 49, 36, 0.0, 0.0, "southern edge: rows 49/50 with t = 0"},
        {50.0f, 35.0f, 31, 60, 1.0, 1.0, "eastern edge: columns 60/61 with u = 1"},
        {31.0f, 35.0f, 49, 60, 0.0, 1.0, "south-east corner"},
    };
    for (const Case& c : cases) {
        const std::optional<InterpolationCell> cell = interpolation_cell(c.lat, c.lon);
        ASSERT_TRUE(cell) << c.why;
        EXPECT_EQ(cell->r_north, c.r_north) << c.why;
        EXPECT_EQ(cell->r_south, c.r_north + 1) << c.why;
        EXPECT_EQ(cell->c_west, c.c_west) << c.why;
        EXPECT_EQ(cell->c_east, c.c_west + 1) << c.why;
        EXPECT_EQ(cell->t, c.t) << c.why;
        EXPECT_EQ(cell->u, c.u) << c.why;
    }
}

TEST(InterpolationCell, NoneOutsideTheDomain) {
    for (const auto& [lat, lon] : {std::pair{30.9f, 5.0f}, {80.1f, 5.0f}, {50.0f, -25.1f}, {50.0f, 35.1f}, {std::nanf(""), 5.0f}}) {
        EXPECT_FALSE(interpolation_cell(lat, lon)) << lat << " " << lon;
    }
}

}  // namespace
}  // namespace ozone
