// Writing the series: the merge rule and the appended satellite days.
#include "series/series_file.h"

#include <array>

#include "series/calendar.h"
#include "series/site_days.h"
#include "text/record.h"

namespace ozone {
namespace {

constexpr float data_threshold = 100.0f;
constexpr std::int32_t data_threshold_grid = 100;
constexpr std::int32_t first_year = 1950;
constexpr std::int32_t last_merged_year = 2004;

constexpr std::array<const char*, 9> header_lines = {
    " DAILY TOTAL OZONE FOR THE PERIOD JAN,1 1950 - MAR, 20 2009",
    " o3_inter - total O3 from bilinear interpolation",
    " o3_grid  - total O3 from the grid point closest to the site",
    " index=0 if ozone from KAVRIN4 model",
    " index=1 if ozone from the satellite observations",
    " no ozone data o3_inter=-99.9; o3_grid=-99",
    "*******************************************",
    " year mm dd jul o3_inter    o3_grid   index",
    "*******************************************",
};

}  // namespace

SeriesRow merged_row(const DayTables& tables, std::int32_t year, std::int32_t month, std::int32_t day) {
    const std::int32_t jul = julianday(year, month, day);
    const auto slot = static_cast<std::size_t>(day_index(year, jul) - 1);
    const float sat_inter = tables.sat.inter[slot];
    const std::int32_t sat_grid = tables.sat.grid[slot];
    // The two columns are chosen independently; exactly 100 is not data.
    const bool sat_inter_is_data = sat_inter > data_threshold;
    const bool sat_grid_is_data = sat_grid > data_threshold_grid;
    return {year,
            month,
            day,
            jul,
            sat_inter_is_data ? sat_inter : tables.model.inter[slot],
            sat_grid_is_data ? sat_grid : tables.model.grid[slot],
            (sat_inter_is_data || sat_grid_is_data) ? 1 : 0};
}

void write_series_row(OutputFile& series, const SeriesRow& row) {
    const std::array<FieldValue, 7> fields = {row.year, row.month, row.day, row.jul, row.o3_inter, row.o3_grid, row.index};
    write_record(series, layouts::series_record, fields);
}

void write_series(OutputFile& series, const DayTables& tables) {
    for (const char* line : header_lines) write_text_line(series, line);
    for (std::int32_t year = first_year; year <= last_merged_year; ++year) {
        for (std::int32_t month = 1; month <= 12; ++month) {
            for (std::int32_t day = 1; day <= month_length(year, month); ++day) {
                write_series_row(series, merged_row(tables, year, month, day));
            }
        }
    }
}

void append_late_satellite(OutputFile& series, InputFile& satellite, const SiteEstimator& site, GridDay& buffer,
                           Console& console) {
    for_each_site_day(satellite, site, buffer, console, [&](const SiteDay& day) {
        write_series_row(series, {day.date.year, day.date.month, day.date.day, day.jul,
                                  day.estimate > data_threshold ? day.estimate : missing_inter,
                                  day.nearest_raw > data_threshold_grid ? day.nearest_raw : missing_grid, 1});
    });
}

}  // namespace ozone
