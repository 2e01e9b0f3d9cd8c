// The series file: header, merged days 1950-2004, then the second satellite's days.
#pragma once

#include <cstdint>

#include "series/day_tables.h"

namespace ozone {

// One line of the series.
struct SeriesRow {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
    std::int32_t jul;
    float o3_inter;
    std::int32_t o3_grid;
    std::int32_t index;  // 1 when a satellite value is shown, 0 for the model
};

// The merged row of a date in 1950-2004: each column takes the satellite value
// when it is above 100, the model value as it stands otherwise.
SeriesRow merged_row(const DayTables& tables, std::int32_t year, std::int32_t month, std::int32_t day);

void write_series_row(OutputFile& series, const SeriesRow& row);

// The nine header lines, then one merged line for every day 1950-01-01 to 2004-12-31.
void write_series(OutputFile& series, const DayTables& tables);

// One line per grid day of `satellite`, in file order, values not above 100 shown as
// missing, index 1. A day whose month is outside 1..12 is skipped with a warning.
void append_late_satellite(OutputFile& series, InputFile& satellite, const SiteEstimator& site, GridDay& buffer,
                           Console& console);

}  // namespace ozone
