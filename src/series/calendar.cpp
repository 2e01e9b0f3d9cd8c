// Calendar tables and the day index.
#include "series/calendar.h"

#include <array>

namespace ozone {
namespace {

constexpr std::array<std::int32_t, 12> days_before_normal = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
constexpr std::array<std::int32_t, 12> days_before_leap = {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335};
constexpr std::array<std::int32_t, 12> month_days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr std::size_t month_slot(std::int32_t month) { return static_cast<std::size_t>(month - 1); }

}  // namespace

std::int32_t julianday(std::int32_t year, std::int32_t month, std::int32_t day) {
    const auto& days_before = is_leap_year(year) ? days_before_leap : days_before_normal;
    return days_before[month_slot(month)] + day;
}

std::int32_t day_index(std::int32_t year, std::int32_t jul) {
    // Division truncates toward zero, as the day count was defined.
    return (year - 1950) * 365 + (year - 1949) / 4 + jul;
}

std::int32_t month_length(std::int32_t year, std::int32_t month) {
    return (month == 2 && is_leap_year(year)) ? 29 : month_days[month_slot(month)];
}

}  // namespace ozone
