// Reading grid days: framing, dates, short lines, dropped days and bad characters.
#include "grid/grid_day.h"

#include <gtest/gtest.h>

#include <string>

#include "support/grid_text.h"
#include "support/temp_dir.h"

namespace ozone {
namespace {

using testing::grid_day_text;

int pattern(int row, int col) { return 100 + row * 3 + col; }

struct FileDays {
    std::vector<GridDay> days;
    std::optional<RunFailure> failure;
};

FileDays read_all(const std::string& content) {
    testing::TempDir dir;
    dir.write("grid.txt", content);
    InputFile file((dir / "grid.txt").string(), "loading the model file");
    FileDays result;
    GridDay day;
    try {
        while (read_grid_day(file, day)) result.days.push_back(day);
    } catch (const RunFailure& failure) {
        result.failure = failure;
    }
    return result;
}

std::string without_carriage_returns(std::string text) {
    std::erase(text, '\r');
    return text;
}

TEST(ReadGridDay, ValuesByRowAndColumn) {
    const FileDays read = read_all(grid_day_text(1987, 3, 4, pattern));
    ASSERT_EQ(read.days.size(), 1u);
    const GridDay& day = read.days[0];
    EXPECT_EQ(day.date.year, 1987);
    EXPECT_EQ(day.date.month, 3);
    EXPECT_EQ(day.date.day, 4);
    for (int row = 1; row <= grid_rows; ++row) {
        for (int col = 1; col <= grid_cols; ++col) {
            ASSERT_EQ(day.raw[grid_position(row, col)], pattern(row, col));
            ASSERT_EQ(day.o3[grid_position(row, col)], ozone_real(pattern(row, col)));
        }
    }
    EXPECT_GT(ozone_real(100), 100.0f) << "a raw 100 becomes a real above 100";
}

TEST(ReadGridDay, FramingVariantsReadAlike) {
    const std::string crlf = grid_day_text(1987, 3, 4, pattern) + grid_day_text(1987, 3, 5, pattern);
    const std::string lf = without_carriage_returns(crlf);
    const std::string unterminated = crlf.substr(0, crlf.size() - 2);
    for (const std::string& content : {crlf, lf, unterminated}) {
        const FileDays read = read_all(content);
        ASSERT_EQ(read.days.size(), 2u);
        EXPECT_EQ(read.days[1].date.day, 5);
        EXPECT_EQ(read.days[1].raw, read_all(crlf).days[1].raw);
    }
}

TEST(ReadGridDay, IncompleteDayIsDropped) {
    const std::string day = grid_day_text(1987, 3, 4, pattern);
    std::string half_day;
    for (int line = 0; line < 25; ++line) half_day += day.substr(line * 265, 265);
    EXPECT_EQ(read_all(day + half_day).days.size(), 1u) << "75 records make one day";
    EXPECT_EQ(read_all("").days.size(), 0u);
}

TEST(ReadGridDay, DateOfTheLastRecordAndRowsByPosition) {
    std::string text = grid_day_text(1987, 3, 4, pattern);
    // First record dated otherwise and claiming 31N; last record dated 1987-03-05.
    text.replace(0, 18, "1990 12 31  31.000");
    text.replace(text.size() - 265, 10, "1987-03-05");
    const FileDays read = read_all(text);
    ASSERT_EQ(read.days.size(), 1u);
    EXPECT_EQ(read.days[0].date.year, 1987);
    EXPECT_EQ(read.days[0].date.month, 3);
    EXPECT_EQ(read.days[0].date.day, 5) << "skipped columns are never examined";
    EXPECT_EQ(read.days[0].raw[grid_position(1, 1)], pattern(1, 1));
}

TEST(ReadGridDay, ShortAndEmptyLinesReadAsBlanks) {
    // Record 1 ends after column 202, inside value 46; record 2 is empty.
    const std::string full = grid_day_text(1987, 3, 4, [](int, int) { return 312; });
    const std::string text = full.substr(0, 202) + "\r\n" + "\r\n" + full.substr(2 * 265);
    const FileDays read = read_all(text);
    ASSERT_EQ(read.days.size(), 1u);
    const GridDay& day = read.days[0];
    EXPECT_EQ(day.raw[grid_position(1, 45)], 312);
    EXPECT_EQ(day.raw[grid_position(1, 46)], 31);
    EXPECT_EQ(day.raw[grid_position(1, 47)], 0);
    EXPECT_EQ(day.raw[grid_position(2, 1)], 0);
    EXPECT_EQ(day.raw[grid_position(3, 1)], 312);
}

TEST(ReadGridDay, InvalidCharacterEndsTheRun) {
    struct Case {
        std::size_t column;  // 1-based column of the faulty character in record 2
        char faulty;
        int status;
    } cases[] = {
        {22, 'x', 4},  // inside value 1
        {14, 'x', 4},  // inside the ignored latitude field
        {263, '.', 4}, // inside value 61
    };
    for (const Case& c : cases) {
        std::string text = grid_day_text(1987, 3, 4, pattern);
        text[265 + c.column - 1] = c.faulty;
        const FileDays read = read_all(text);
        ASSERT_TRUE(read.failure) << c.column;
        EXPECT_EQ(read.failure->status, c.status);
        const std::string& message = read.failure->diagnostic;
        EXPECT_NE(message.find("line 2, column " + std::to_string(c.column)), std::string::npos) << message;
        EXPECT_NE(message.find("grid.txt"), std::string::npos) << message;
        EXPECT_NE(message.find("loading the model file"), std::string::npos) << message;
        EXPECT_NE(message.find("\n  " + std::string(c.column - 1, ' ') + "^\n"), std::string::npos) << message;
    }
}

TEST(ReadGridDay, LatitudeBeyondSinglePrecisionEndsTheRunWithStatus8) {
    std::string text = grid_day_text(1987, 3, 4, pattern);
    text.replace(11, 7, "  1E999");
    const FileDays read = read_all(text);
    ASSERT_TRUE(read.failure);
    EXPECT_EQ(read.failure->status, 8);
}

}  // namespace
}  // namespace ozone
