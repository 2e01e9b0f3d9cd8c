// One day of a grid file: its date and its 50 x 61 values, as read and as reals.
#pragma once

#include <array>
#include <cstdint>
#include <span>

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

// Reads grid days as read_grid_day does, checking every field of every record, but
// converts only the values at the wanted points (and the date): the values of other
// points in the buffer are left as they were. Records as real files hold them are
// taken apart in place; any other record goes through the general record reader.
class GridDayReader {
public:
    GridDayReader(InputFile& file, std::span<const GridPoint> wanted);

    bool read(GridDay& day);

private:
    // A plain record in place, or any line through the general record reader.
    void take_values(int row, const char* record, GridDay& day) const;
    void take_values(int row, std::string_view line, GridDay& day) const;
    template <typename RawOfColumn>
    void store_row(int row, const GridDate& date, RawOfColumn raw_of_column, GridDay& day) const;

    InputFile& file_;
    std::array<std::uint64_t, grid_rows + 1> wanted_columns_{};  // bit c - 1 set: column c of that row
};

}  // namespace ozone
