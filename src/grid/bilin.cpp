// Bilinear interpolation between the four corners around the site.
#include "grid/bilin.h"

namespace ozone {
namespace {

constexpr float corner_threshold = 100.0f;

}  // namespace

std::optional<InterpolationCell> interpolation_cell(float site_lat, float site_lon) {
    // The row bracket takes the last row at or north of the site, the column bracket
    // the last column at or west of it: mirror-image tests.
    int r_north = 0;
    for (int row = 1; row <= grid_rows; ++row) {
        if (row_latitude(row) >= site_lat) r_north = row;
    }
    int c_west = 0;
    for (int col = 1; col <= grid_cols; ++col) {
        if (column_longitude(col) <= site_lon) c_west = col;
    }
    if (r_north == 0 || c_west == 0) return std::nullopt;
    if (r_north == grid_rows && site_lat != row_latitude(grid_rows)) return std::nullopt;  // south of 31N
    if (c_west == grid_cols && site_lon != column_longitude(grid_cols)) return std::nullopt;  // east of 35E

    // On an edge the weights already give the missing row or column zero weight;
    // stepping back one row or column keeps every corner inside the grid.
    if (r_north == grid_rows) --r_north;
    if (c_west == grid_cols) --c_west;
    const int r_south = r_north + 1;
    const int c_east = c_west + 1;
    const double lat = site_lat;
    const double lon = site_lon;
    const double t = (lat - row_latitude(r_south)) / (static_cast<double>(row_latitude(r_north)) - row_latitude(r_south));
    const double u = (lon - column_longitude(c_west)) / (static_cast<double>(column_longitude(c_east)) - column_longitude(c_west));
    return InterpolationCell{r_north, r_south, c_west, c_east, t, u};
}

SiteEstimator::SiteEstimator(std::optional<InterpolationCell> cell, GridPoint nearest) : cell_(cell), nearest_(nearest) {
    points_used_[point_count_++] = nearest;
    if (cell) {
        for (const GridPoint corner : {GridPoint{cell->r_south, cell->c_west}, GridPoint{cell->r_south, cell->c_east},
                                       GridPoint{cell->r_north, cell->c_east}, GridPoint{cell->r_north, cell->c_west}}) {
            points_used_[point_count_++] = corner;
        }
    }
}

float SiteEstimator::estimate(const GridValues& day_o3) const {
    const float nearest_value = day_o3[grid_position(nearest_.row, nearest_.col)];
    if (!cell_) return nearest_value;
    const InterpolationCell& cell = *cell_;
    const double sw = day_o3[grid_position(cell.r_south, cell.c_west)];
    const double se = day_o3[grid_position(cell.r_south, cell.c_east)];
    const double ne = day_o3[grid_position(cell.r_north, cell.c_east)];
    const double nw = day_o3[grid_position(cell.r_north, cell.c_west)];
    if (sw < corner_threshold || se < corner_threshold || ne < corner_threshold || nw < corner_threshold) {
        return nearest_value;
    }
    // Weights first, then times the corners, the four terms added left to right,
    // one rounding to single at the end.
    const double t = cell.t;
    const double u = cell.u;
    const double w_sw = (1.0 - t) * (1.0 - u);
    const double w_se = (1.0 - t) * u;
    const double w_ne = t * u;
    const double w_nw = t * (1.0 - u);
    return static_cast<float>(sw * w_sw + se * w_se + ne * w_ne + nw * w_nw);
}

float bilin(float site_lat, float site_lon, const GridValues& day_o3) {
    return SiteEstimator(interpolation_cell(site_lat, site_lon), *find_nearest(site_lat, site_lon)).estimate(day_o3);
}

}  // namespace ozone
