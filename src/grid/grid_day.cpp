// Reading grid days record by record through the record layer.
#include "grid/grid_day.h"

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

}  // namespace ozone
