// The run phases, in their fixed order.
#include "run/phases.h"

#include <memory>
#include <string>

#include "series/day_tables.h"
#include "series/series_file.h"

namespace ozone {
namespace {

SiteEstimator locate_site(const Site& site) {
    const std::optional<GridPoint> nearest = find_nearest(site.lat, site.lon);
    if (!nearest) {
        throw RunFailure{exit_status::site_without_grid_point,
                         "ozone_series: the site (" + std::to_string(site.lat) + ", " + std::to_string(site.lon) +
                             ") has no grid point within 1000 degrees; nothing written to " + std::string(file_names::series) + "\n"};
    }
    return SiteEstimator(interpolation_cell(site.lat, site.lon), *nearest);
}

}  // namespace

void run_phases(const Site& site, RunFiles& files, Console& console) {
    const auto tables = std::make_unique<DayTables>();
    init_tables(*tables);
    const SiteEstimator estimator = locate_site(site);
    const auto buffer = std::make_unique<GridDay>();
    load_source(files.model, estimator, tables->model, *buffer, console);
    load_source(files.first_satellite, estimator, tables->sat, *buffer, console);
    write_series(files.series, *tables);
    append_late_satellite(files.series, files.second_satellite, estimator, *buffer, console);
    files.series.flush();
}

}  // namespace ozone
