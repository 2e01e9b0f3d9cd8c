// Whole runs over small grid files: the series file, byte for byte where it matters.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/grid_text.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace ozone {
namespace {

using testing::grid_day_text;
using testing::run_program;
using testing::TempDir;

constexpr int header_lines = 9;
constexpr int merged_lines = 20089;
const std::string site = "52.0 5.0\n";  // on the grid point 52N 5E: row 29, column 31

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        EXPECT_EQ(line.back(), '\r');
        line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The merged line of a date, found by its first columns.
std::string line_for(const std::vector<std::string>& lines, const std::string& date_columns) {
    for (int i = header_lines; i < header_lines + merged_lines; ++i) {
        if (lines[static_cast<std::size_t>(i)].compare(0, date_columns.size(), date_columns) == 0) return lines[static_cast<std::size_t>(i)];
    }
    return "(none)";
}

// Every point holds `everywhere`, the site's point holds `at_site`.
auto values(int everywhere, int at_site) {
    return [=](int row, int col) { return (row == 29 && col == 31) ? at_site : everywhere; };
}

TEST(SeriesRun, AllGridFilesEmpty) {
    TempDir dir;
    const auto result = run_program(dir.path(), "52.10,   5.18\n");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string series = dir.read("timeseries.txt");
    const auto lines = lines_of(series);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(header_lines + merged_lines));
    EXPECT_EQ(lines[0], "  DAILY TOTAL OZONE FOR THE PERIOD JAN,1 1950 - MAR, 20 2009");
    EXPECT_EQ(lines[6], " *******************************************");
    EXPECT_EQ(lines[7], "  year mm dd jul o3_inter    o3_grid   index");
    EXPECT_EQ(lines[9], " 1950  1  1   1    -99.9     -99          0");
    EXPECT_EQ(lines.back(), " 2004 12 31 366    -99.9     -99          0");
    EXPECT_EQ(line_for(lines, " 2000  2 29"), " 2000  2 29  60    -99.9     -99          0");
    for (std::size_t i = header_lines; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].size(), 43u) << i;
        ASSERT_EQ(lines[i].substr(15), "    -99.9     -99          0") << i;
    }
}

TEST(SeriesRun, SourcesMerged) {
    TempDir dir;
    dir.write("kavrin4_new.txt", grid_day_text(1987, 3, 4, values(320, 318)) + grid_day_text(1987, 3, 5, values(310, 310)) +
                                     grid_day_text(1987, 3, 7, values(330, 330)));
    dir.write("niwa_new.txt",
              grid_day_text(1987, 3, 4, values(300, 301)) +  // satellite wins both columns
                  grid_day_text(1987, 3, 6, values(280, 281)) +  // satellite day without model day
                  grid_day_text(1987, 3, 7, values(300, 100)) +  // estimate 100.0000076 is data, grid 100 is not
                  grid_day_text(1960, 6, 1, values(250, 251)) + grid_day_text(1960, 6, 1, values(260, 261)));  // repeated date
    const auto result = run_program(dir.path(), site);
    ASSERT_EQ(result.status, 0) << result.err;
    const auto lines = lines_of(dir.read("timeseries.txt"));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(header_lines + merged_lines));
    EXPECT_EQ(line_for(lines, " 1987  3  3"), " 1987  3  3  62    -99.9     -99          0");
    EXPECT_EQ(line_for(lines, " 1987  3  4"), " 1987  3  4  63    301.0     301          1");
    EXPECT_EQ(line_for(lines, " 1987  3  5"), " 1987  3  5  64    310.0     310          0");
    EXPECT_EQ(line_for(lines, " 1987  3  6"), " 1987  3  6  65    281.0     281          1");
    EXPECT_EQ(line_for(lines, " 1987  3  7"), " 1987  3  7  66    100.0     330          1");
    EXPECT_EQ(line_for(lines, " 1960  6  1"), " 1960  6  1 153    261.0     261          1");
}

TEST(SeriesRun, SecondSatelliteAppended) {
    TempDir dir;
    dir.write("omi_new.txt", grid_day_text(2005, 1, 1, values(300, 320)) + grid_day_text(2005, 1, 2, values(300, 99)) +
                                 grid_day_text(1987, 3, 4, values(300, 0)) + grid_day_text(2005, 13, 1, values(300, 300)));
    const auto result = run_program(dir.path(), site);
    ASSERT_EQ(result.status, 0) << result.err;
    const auto lines = lines_of(dir.read("timeseries.txt"));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(header_lines + merged_lines + 3));
    EXPECT_EQ(line_for(lines, " 1987  3  4"), " 1987  3  4  63    -99.9     -99          0") << "merged days stay without data";
    const std::size_t appended = header_lines + merged_lines;
    EXPECT_EQ(lines[appended], " 2005  1  1   1    320.0     320          1");
    EXPECT_EQ(lines[appended + 1], " 2005  1  2   2    -99.9     -99          1") << "estimate 99.0000076 is not data";
    EXPECT_EQ(lines[appended + 2], " 1987  3  4  63    -99.9     -99          1") << "appended as read";
    EXPECT_NE(result.err.find("omi_new.txt: grid day dated 2005-13-01"), std::string::npos) << result.err;
}

TEST(SeriesRun, DaysWithoutASlotAreSkippedWithAWarning) {
    TempDir dir;
    dir.write("kavrin4_new.txt", grid_day_text(1949, 12, 31, values(300, 300)) + grid_day_text(1987, 0, 4, values(300, 300)) +
                                     grid_day_text(2018, 6, 13, values(300, 300)) + grid_day_text(1950, 1, 1, values(300, 311)));
    const auto result = run_program(dir.path(), site);
    ASSERT_EQ(result.status, 0) << result.err;
    for (const char* date : {"1949-12-31", "1987-00-04", "2018-06-13"}) {
        EXPECT_NE(result.err.find(std::string("kavrin4_new.txt: grid day dated ") + date), std::string::npos) << result.err;
    }
    const auto lines = lines_of(dir.read("timeseries.txt"));
    EXPECT_EQ(lines[header_lines], " 1950  1  1   1    311.0     311          0");
}

TEST(SeriesRun, InvalidCharacterInTheModelFileLeavesTheSeriesUntouched) {
    TempDir dir;
    std::string model = grid_day_text(1987, 3, 4, values(300, 300));
    model[265 * 3 + 21] = 'x';
    dir.write("kavrin4_new.txt", model);
    dir.write("timeseries.txt", "an old series\r\n");
    const auto result = run_program(dir.path(), site);
    EXPECT_EQ(result.status, 4);
    EXPECT_NE(result.err.find("kavrin4_new.txt, line 4, column 22"), std::string::npos) << result.err;
    EXPECT_EQ(dir.read("timeseries.txt"), "an old series\r\n");
    EXPECT_EQ(result.out.find("END OF CALCULATIONS"), std::string::npos);
}

TEST(SeriesRun, LongerOldSeriesIsCutAtClose) {
    TempDir dir;
    std::string old_series;
    for (int i = 0; i < 25000; ++i) old_series += " an old line of some length, longer than a series line\r\n";
    dir.write("timeseries.txt", old_series);
    const auto result = run_program(dir.path(), site);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(lines_of(dir.read("timeseries.txt")).size(), static_cast<std::size_t>(header_lines + merged_lines));
}

TEST(SeriesRun, SiteWithoutGridPointEndsTheRunBeforeTheSeries) {
    TempDir dir;
    dir.write("timeseries.txt", "an old series\r\n");
    const auto result = run_program(dir.path(), "1100 5\n");
    EXPECT_EQ(result.status, 4);
    EXPECT_NE(result.err.find("no grid point"), std::string::npos) << result.err;
    EXPECT_EQ(dir.read("timeseries.txt"), "an old series\r\n");
}

}  // namespace
}  // namespace ozone
