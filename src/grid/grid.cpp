// The nearest grid point by exhaustive scan.
#include "grid/grid.h"

namespace ozone {

std::optional<GridPoint> find_nearest(float site_lat, float site_lon) {
    double minimum = 1.0e6;
    std::optional<GridPoint> nearest;
    for (int row = 1; row <= grid_rows; ++row) {
        // Each operation rounded to double on its own, in this order, so that every
        // search for the same site finds the same point.
        const double dlat = static_cast<double>(row_latitude(row)) - static_cast<double>(site_lat);
        const double dlat2 = dlat * dlat;
        for (int col = 1; col <= grid_cols; ++col) {
            const double dlon = static_cast<double>(column_longitude(col)) - static_cast<double>(site_lon);
            const double distance = dlat2 + dlon * dlon;
            if (distance <= minimum) {
                minimum = distance;
                nearest = GridPoint{row, col};
            }
        }
    }
    return nearest;
}

}  // namespace ozone
