// One day of a grid file: its date and its 50 x 61 values, as read and as reals.
#pragma once

#include <array>
#include <cstdint>

#include "grid/grid.h"
#include "text/text_file.h"

namespace ozone {

struct GridDate {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
};

// The single grid-day buffer, reused for every day of every file.
struct GridDay {
    GridDate date;                                  // from the day's 50th record
    std::array<std::int32_t, grid_points> raw{};    // day_raw: the integers as read
    std::array<float, grid_points> o3{};            // day_o3: raw + 1.0e-5
};

// raw + 1.0e-5 (the single constant), summed exactly and rounded once, so that a
// raw 100 becomes a real just above 100 and counts as data.
inline float ozone_real(std::int32_t raw) { return static_cast<float>(static_cast<double>(raw) + static_cast<double>(1.0e-5f)); }

// Reads the next 50 records into `day`; false at end of file, also when the file
// ends inside a day (that incomplete day is dropped). Rows are taken by position;
// the latitude field is checked but not used.
bool read_grid_day(InputFile& file, GridDay& day);

}  // namespace ozone
