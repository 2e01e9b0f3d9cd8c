// The merge rule of one series day, and the written series record.
#include "series/series_file.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "text/record.h"

namespace ozone {
namespace {

TEST(MergedRow, ColumnsChosenIndependently) {
    struct Case {
        float model_inter;
        int model_grid;
        float sat_inter;
        int sat_grid;
        float o3_inter;
        int o3_grid;
        int index;
        const char* why;
    } cases[] = {
        {321.4f, 318, -99.9f, -99, 321.4f, 318, 0, "model only"},
        {321.4f, 318, 300.0f, -99, 300.0f, 318, 1, "satellite estimate, model grid value"},
        {321.4f, 318, 50.0f, 305, 321.4f, 305, 1, "model estimate, satellite grid value"},
        {321.4f, 318, 100.0f, 100, 321.4f, 318, 0, "exactly 100 is not data"},
        {321.4f, 318, 100.00001f, 101, 100.00001f, 101, 1, "just above 100 is"},
        {-99.9f, -99, -99.9f, -99, -99.9f, -99, 0, "no data at all"},
        {42.0f, 0, -99.9f, -99, 42.0f, 0, 0, "model values taken unchanged, even below 100"},
    };
    for (const Case& c : cases) {
        auto tables = std::make_unique<DayTables>();
        init_tables(*tables);
        const auto slot = static_cast<std::size_t>(13635 - 1);  // 1987-05-01
        tables->model.inter[slot] = c.model_inter;
        tables->model.grid[slot] = c.model_grid;
        tables->sat.inter[slot] = c.sat_inter;
        tables->sat.grid[slot] = c.sat_grid;
        const SeriesRow row = merged_row(*tables, 1987, 5, 1);
        EXPECT_EQ(row.jul, 121);
        EXPECT_EQ(row.o3_inter, c.o3_inter) << c.why;
        EXPECT_EQ(row.o3_grid, c.o3_grid) << c.why;
        EXPECT_EQ(row.index, c.index) << c.why;
    }
}

TEST(SeriesRecord, Columns) {
    struct Case {
        SeriesRow row;
        const char* line;
    } cases[] = {
        {{1950, 1, 1, 1, -99.9f, -99, 0}, " 1950  1  1   1    -99.9     -99          0"},
        {{1987, 3, 4, 63, 321.4f, 318, 0}, " 1987  3  4  63    321.4     318          0"},
        {{2000, 12, 31, 366, 300.25f, 1000, 1}, " 2000 12 31 366    300.2     ***          1"},
    };
    for (const Case& c : cases) {
        testing::TempDir dir;
        OutputFile file((dir / "series.txt").string());
        write_series_row(file, c.row);
        file.close();
        EXPECT_EQ(dir.read("series.txt"), std::string(c.line) + "\r\n");
    }
}

}  // namespace
}  // namespace ozone
