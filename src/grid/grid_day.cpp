// Reading grid days record by record through the record layer.
#include "grid/grid_day.h"

#include <bit>

#include "grid/grid_record_scan.h"
#include "text/record.h"

namespace ozone {

bool read_grid_day(InputFile& file, GridDay& day) {
    constexpr std::size_t first_value = 4;  // after year, month, day and latitude
    std::array<FieldValue, field_count(layouts::grid_record)> fields;
    for (int row = 1; row <= grid_rows; ++row) {
        if (!read_record(file, layouts::grid_record, fields)) return false;
        day.date = {std::get<std::int32_t>(fields[0]), std::get<std::int32_t>(fields[1]), std::get<std::int32_t>(fields[2])};
        for (int col = 1; col <= grid_cols; ++col) {
            day.raw[grid_position(row, col)] = std::get<std::int32_t>(fields[first_value + static_cast<std::size_t>(col - 1)]);
        }
    }
    for (int i = 0; i < grid_points; ++i) day.o3[i] = ozone_real(day.raw[i]);
    return true;
}

GridDayReader::GridDayReader(InputFile& file, std::span<const GridPoint> wanted) : file_(file) {
    for (const GridPoint& point : wanted) wanted_columns_[static_cast<std::size_t>(point.row)] |= std::uint64_t{1} << (point.col - 1);
}

bool GridDayReader::read(GridDay& day) {
    constexpr std::size_t crlf_record = grid_record_width + 2;
    for (int row = 1; row <= grid_rows; ++row) {
        // The common case: a plain record of exactly 263 columns, then CR LF or LF.
        const std::string_view bytes = file_.window(crlf_record);
        if (bytes.empty()) return false;
        std::size_t length = 0;
        if (bytes.size() > grid_record_width && is_plain_grid_record(bytes.data())) {
            if (bytes[grid_record_width] == '\n') {
                length = grid_record_width + 1;
            } else if (bytes.size() >= crlf_record && bytes[grid_record_width] == '\r' && bytes[grid_record_width + 1] == '\n') {
                length = crlf_record;
            }
        }
        if (length != 0) {
            take_values(row, bytes.data(), day);
            file_.consume_line(length);
            continue;
        }
        const std::optional<std::string_view> line = file_.next_line();
        if (!line) return false;
        if (line->size() >= grid_record_width && is_plain_grid_record(line->data())) {
            take_values(row, line->data(), day);
        } else {
            take_values(row, *line, day);
        }
    }
    return true;
}

template <typename RawOfColumn>
void GridDayReader::store_row(int row, const GridDate& date, RawOfColumn raw_of_column, GridDay& day) const {
    day.date = date;
    for (std::uint64_t columns = wanted_columns_[static_cast<std::size_t>(row)]; columns != 0; columns &= columns - 1) {
        const int col = std::countr_zero(columns) + 1;
        const std::int32_t raw = raw_of_column(col);
        day.raw[grid_position(row, col)] = raw;
        day.o3[grid_position(row, col)] = ozone_real(raw);
    }
}

void GridDayReader::take_values(int row, const char* record, GridDay& day) const {
    const GridDate date = {plain_integer(record + year_offset, 4), plain_integer(record + month_offset, 2),
                           plain_integer(record + day_offset, 2)};
    store_row(row, date, [record](int col) { return plain_integer(record + value_offset(col), 3); }, day);
}

void GridDayReader::take_values(int row, std::string_view line, GridDay& day) const {
    std::array<FieldValue, field_count(layouts::grid_record)> fields;
    parse_record(file_, line, layouts::grid_record, fields);
    auto integer = [&fields](std::size_t field) { return std::get<std::int32_t>(fields[field]); };
    store_row(row, {integer(0), integer(1), integer(2)}, [&](int col) { return integer(3 + static_cast<std::size_t>(col)); }, day);
}

}  // namespace ozone
