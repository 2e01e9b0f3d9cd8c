// The site's values of each grid day of a file, and the warning for days that
// cannot be placed in the series.
#pragma once

#include <cstdint>
#include <string_view>

#include "grid/bilin.h"
#include "grid/grid_day.h"
#include "series/calendar.h"
#include "text/console.h"
#include "text/text_file.h"

namespace ozone {

struct SiteDay {
    GridDate date;
    std::int32_t jul;
    float estimate;           // the interpolated value (or the nearest point's)
    std::int32_t nearest_raw;  // the raw value at the nearest grid point
};

void warn_skipped_day(Console& console, std::string_view file_name, const GridDate& date, std::string_view reason);

// Reads every grid day of `file` and hands the site's values of each day whose month
// is 1..12 to `take`; a day with another month is skipped with a warning.
template <typename Take>
void for_each_site_day(InputFile& file, const SiteEstimator& site, GridDay& buffer, Console& console, Take take) {
    GridDayReader reader(file, site.points_used());
    const int nearest = grid_position(site.nearest().row, site.nearest().col);
    while (reader.read(buffer)) {
        const GridDate& date = buffer.date;
        if (!is_valid_month(date.month)) {
            warn_skipped_day(console, file.name(), date, "has no valid month");
            continue;
        }
        take(SiteDay{date, julianday(date.year, date.month, date.day), site.estimate(buffer.o3), buffer.raw[nearest]});
    }
}

}  // namespace ozone
