// The day tables of the model and the first satellite source, filled by loading.
#pragma once

#include <array>
#include <cstdint>

#include "grid/bilin.h"
#include "grid/grid.h"
#include "grid/grid_day.h"
#include "text/console.h"
#include "text/text_file.h"

namespace ozone {

inline constexpr std::int32_t day_capacity = 25000;  // day indices 1..25000: 1950-01-01 to 2018-06-12
inline constexpr float missing_inter = -99.9f;
inline constexpr std::int32_t missing_grid = -99;

// One source's values per day index; slot k - 1 holds day index k.
struct SourceTables {
    std::array<float, day_capacity> inter;        // site estimates
    std::array<std::int32_t, day_capacity> grid;  // raw values at the nearest point
};

struct DayTables {
    SourceTables model;
    SourceTables sat;
};

// Every slot to its missing marker.
void init_tables(DayTables& tables);

// Reads every grid day of `file` and stores its estimate and nearest-point raw value
// at the day's index; a later day of the same date overwrites an earlier one. A day
// whose date has no slot (month outside 1..12, before 1950-01-01 or after
// 2018-06-12) is skipped with a warning through `console`.
void load_source(InputFile& file, const SiteEstimator& site, SourceTables& tables, GridDay& buffer, Console& console);

}  // namespace ozone
