// Loading a grid file into a source's day tables.
#include "series/day_tables.h"

#include "series/calendar.h"
#include "series/skipped_day.h"

namespace ozone {

void init_tables(DayTables& tables) {
    for (SourceTables* source : {&tables.model, &tables.sat}) {
        source->inter.fill(missing_inter);
        source->grid.fill(missing_grid);
    }
}

void load_source(InputFile& file, const SiteEstimator& site, SourceTables& tables, GridDay& buffer, Console& console) {
    GridDayReader reader(file, site.points_used());
    while (reader.read(buffer)) {
        const GridDate& date = buffer.date;
        if (!is_valid_month(date.month)) {
            warn_skipped_day(console, file.name(), date, "has no valid month");
            continue;
        }
        const std::int32_t k = day_index(date.year, julianday(date.year, date.month, date.day));
        if (k < 1 || k > day_capacity) {
            warn_skipped_day(console, file.name(), date, "lies outside 1950-01-01 to 2018-06-12");
            continue;
        }
        const auto slot = static_cast<std::size_t>(k - 1);
        tables.inter[slot] = site.estimate(buffer.o3);
        tables.grid[slot] = buffer.raw[grid_position(site.nearest().row, site.nearest().col)];
    }
}

}  // namespace ozone
