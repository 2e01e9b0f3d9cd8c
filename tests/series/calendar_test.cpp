// Day of year, day index and month lengths.
#include "series/calendar.h"

#include <gtest/gtest.h>

namespace ozone {
namespace {

TEST(Calendar, DayOfYearAndDayIndex) {
    struct Case {
        int year, month, day;
        int jul;
        int index;
    } cases[] = {
        {1950, 1, 1, 1, 1},        {1950, 12, 31, 365, 365},   {1951, 1, 1, 1, 366},
        {1952, 3, 1, 61, 791},     {1952, 12, 31, 366, 1096},  {1953, 1, 1, 1, 1097},
        {1953, 3, 1, 60, 1156},    {2000, 2, 29, 60, 18322},   {2000, 12, 31, 366, 18628},
        {2004, 12, 31, 366, 20089}, {2009, 3, 20, 79, 21629},  {2018, 6, 12, 163, 25000},
        {1987, 4, 31, 121, 13635}, {1987, 3, 0, 59, 13573},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(julianday(c.year, c.month, c.day), c.jul) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(day_index(c.year, c.jul), c.index) << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_EQ(day_index(1987, 121), day_index(1987, julianday(1987, 5, 1))) << "April 31 lands on May 1";
}

TEST(Calendar, MonthLengthsWithoutCenturyRule) {
    EXPECT_EQ(month_length(2000, 2), 29);
    EXPECT_EQ(month_length(1900, 2), 29);
    EXPECT_EQ(month_length(2001, 2), 28);
    EXPECT_EQ(month_length(2001, 12), 31);
    EXPECT_EQ(month_length(2001, 4), 30);
}

}  // namespace
}  // namespace ozone
