// Dates: day of year, day index since 1950-01-01, month lengths.
#pragma once

#include <cstdint>

namespace ozone {

// Every fourth year, with no century exception: right for 1901-2099, which holds
// every date the program handles.
constexpr bool is_leap_year(std::int32_t year) { return year % 4 == 0; }
constexpr bool is_valid_month(std::int32_t month) { return month >= 1 && month <= 12; }

// Day of year; `month` must be 1..12, `day` is not checked (April 31 is May 1).
std::int32_t julianday(std::int32_t year, std::int32_t month, std::int32_t day);

// Continuous day count: 1 for 1950-01-01.
std::int32_t day_index(std::int32_t year, std::int32_t jul);

// Days in the month; `month` must be 1..12.
std::int32_t month_length(std::int32_t year, std::int32_t month);

}  // namespace ozone
