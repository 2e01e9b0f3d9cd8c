// The site estimate of one grid day: bilinear interpolation, or the nearest point.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "grid/grid.h"

namespace ozone {

using GridValues = std::array<float, grid_points>;

// The grid cell around a site and the site's place in it.
struct InterpolationCell {
    int r_north;
    int r_south;
    int c_west;
    int c_east;
    double t;  // from the southern row (0) to the northern row (1)
    double u;  // from the western column (0) to the eastern column (1)
};

// The cell for a site inside 31 <= lat <= 80, -25 <= lon <= 35; nothing outside.
// On the southern edge (31N) rows 49/50 with t = 0, on the eastern edge (35E)
// columns 60/61 with u = 1: the interpolation along the edge.
std::optional<InterpolationCell> interpolation_cell(float site_lat, float site_lon);

// Everything about a site that does not change from day to day, found once per run.
class SiteEstimator {
public:
    SiteEstimator(std::optional<InterpolationCell> cell, GridPoint nearest);

    // Interpolates when all four corners hold at least 100.0; otherwise, and for a
    // site outside the cell domain, the value at the nearest point, as it is.
    float estimate(const GridValues& day_o3) const;

    GridPoint nearest() const { return nearest_; }
    // The points `estimate` may read: the nearest point and the cell's corners.
    std::span<const GridPoint> points_used() const { return {points_used_.data(), point_count_}; }

private:
    std::optional<InterpolationCell> cell_;
    GridPoint nearest_;
    std::array<GridPoint, 5> points_used_{};
    std::size_t point_count_ = 0;
};

// The same estimate, with the cell and the nearest point found on every call.
// `site` must have a nearest point (find_nearest).
float bilin(float site_lat, float site_lon, const GridValues& day_o3);

}  // namespace ozone
