// The fixed ozone grid: 50 rows from 80N south to 31N, 61 columns from 25W east to 35E.
#pragma once

#include <optional>

namespace ozone {

inline constexpr int grid_rows = 50;
inline constexpr int grid_cols = 61;
inline constexpr int grid_points = grid_rows * grid_cols;
inline constexpr float grid_north = 80.0f;  // latitude of row 1
inline constexpr float grid_west = -25.0f;  // longitude of column 1
inline constexpr float grid_step = 1.0f;

// Values of one day are stored column by column, the row index varying fastest.
constexpr int grid_position(int row, int col) { return (row - 1) + grid_rows * (col - 1); }

constexpr float row_latitude(int row) { return grid_north - grid_step * static_cast<float>(row - 1); }
constexpr float column_longitude(int col) { return grid_west + grid_step * static_cast<float>(col - 1); }

struct GridPoint {
    int row;  // 1..50
    int col;  // 1..61
    friend bool operator==(const GridPoint&, const GridPoint&) = default;
};

// The grid point nearest the site by squared distance in degrees; on equal
// distances the point scanned later (the southern row, the eastern column) wins.
// Nothing for a site more than 1000 degrees from every point, or not a number.
std::optional<GridPoint> find_nearest(float site_lat, float site_lon);

}  // namespace ozone
