// Grid records as text, for fixtures.
#pragma once

#include <array>
#include <string>

#include "text/layout.h"
#include "text/record.h"

namespace ozone::testing {

// One grid record: the date, the latitude and 61 values, in the grid layout.
inline std::string grid_line(int year, int month, int day, float lat, const std::array<int, 61>& values) {
    std::array<FieldValue, field_count(layouts::grid_record)> fields;
    fields[0] = year;
    fields[1] = month;
    fields[2] = day;
    fields[3] = lat;
    for (std::size_t i = 0; i < values.size(); ++i) fields[4 + i] = values[i];
    return format_record(layouts::grid_record, fields);
}

// A whole grid day, 50 records with CR LF, every value `value(row, col)`.
template <typename Value>
std::string grid_day_text(int year, int month, int day, Value value) {
    std::string text;
    for (int row = 1; row <= 50; ++row) {
        std::array<int, 61> values{};
        for (int col = 1; col <= 61; ++col) values[static_cast<std::size_t>(col - 1)] = value(row, col);
        text += grid_line(year, month, day, 81.0f - static_cast<float>(row), values) + "\r\n";
    }
    return text;
}

}  // namespace ozone::testing
