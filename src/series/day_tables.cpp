// Loading a grid file into a source's day tables.
#include "series/day_tables.h"

#include "series/calendar.h"
#include "series/site_days.h"

namespace ozone {

void init_tables(DayTables& tables) {
    for (SourceTables* source : {&tables.model, &tables.sat}) {
        source->inter.fill(missing_inter);
        source->grid.fill(missing_grid);
    }
}

void load_source(InputFile& file, const SiteEstimator& site, SourceTables& tables, GridDay& buffer, Console& console) {
    for_each_site_day(file, site, buffer, console, [&](const SiteDay& day) {
        const std::int32_t k = day_index(day.date.year, day.jul);
        if (k < 1 || k > day_capacity) {
            warn_skipped_day(console, file.name(), day.date, "lies outside 1950-01-01 to 2018-06-12");
            return;
        }
        // A later day of the same date overwrites an earlier one.
        const auto slot = static_cast<std::size_t>(k - 1);
        tables.inter[slot] = day.estimate;
        tables.grid[slot] = day.nearest_raw;
    });
}

}  // namespace ozone
