// The site estimate: interpolation, the corner threshold and the nearest-point fallback.
#include "grid/bilin.h"

#include <gtest/gtest.h>

#include "grid/grid_day.h"

namespace ozone {
namespace {

GridValues filled(float value) {
    GridValues values;
    values.fill(value);
    return values;
}

void set(GridValues& values, float lat, float lon, float value) {
    values[grid_position(static_cast<int>(81.0f - lat), static_cast<int>(lon + 26.0f))] = value;
}

// Corners of the cell 52N-53N, 5E-6E.
GridValues cell_52_5(float sw, float se, float ne, float nw) {
    GridValues values = filled(300.0f);
    set(values, 52, 5, sw);
    set(values, 52, 6, se);
    set(values, 53, 6, ne);
    set(values, 53, 5, nw);
    return values;
}

TEST(Bilin, Estimates) {
    struct Case {
        float lat;
        float lon;
        GridValues day_o3;
        float expected;
        const char* why;
    } cases[] = {
        {52.5f, 5.5f, cell_52_5(200, 300, 400, 500), 350.0f, "centre: the mean of the corners"},
        {52.0f, 5.0f, cell_52_5(200, 300, 400, 500), 200.0f, "on a grid point: that point (t = 1, u = 0, NW of 52N-51N)"},
        {52.75f, 5.0f, cell_52_5(300, 300, 301, 301), 300.75f, "three quarters of the way north"},
        {52.5f, 5.5f, cell_52_5(200, ozone_real(99), 400, 500), ozone_real(99), "corner at raw 99: the nearest point (SE), as it is"},
        {52.5f, 5.5f, cell_52_5(200, ozone_real(100), 400, 500), 300.0f, "corner at raw 100 counts"},
        {52.1f, 5.2f, cell_52_5(0, 0, 0, 0), 0.0f, "nearest point also without data: returned unchanged"},
        {85.0f, 40.0f, [] { GridValues v = filled(300.0f); set(v, 80, 35, 123.0f); return v; }(), 123.0f,
         "outside the domain: the nearest point"},
        {31.0f, 35.0f, [] { GridValues v = filled(250.0f); set(v, 31, 35, 222.0f); return v; }(), 222.0f,
         "south-east corner of the grid: that point"},
    };
    for (const Case& c : cases) EXPECT_EQ(bilin(c.lat, c.lon, c.day_o3), c.expected) << c.why;
}

}  // namespace
}  // namespace ozone
