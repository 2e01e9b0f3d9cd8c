// Failing files and bad input, end to end: the exit status, the diagnostic naming
// the file, and the exact state of every file afterwards.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "support/grid_text.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace ozone {
namespace {

using testing::grid_day_text;
using testing::run_program;
using testing::TempDir;

const std::string site_input = "52.0 5.0\n";
const std::string site_record = " 52.00  5.00\r\n";
const std::string old_series = "an old series that must survive\r\n";
const std::string old_site = "an old site record\r\n";
const char* const grid_files[] = {"kavrin4_new.txt", "niwa_new.txt", "omi_new.txt"};

int smooth(int row, int col) { return 250 + row + col; }

std::string days(int year, int month, int first_day, int count) {
    std::string text;
    for (int d = 0; d < count; ++d) text += grid_day_text(year, month, first_day + d, smooth);
    return text;
}

// A folder with small grid files of every kind and old output files.
void fill(const TempDir& dir) {
    dir.write("kavrin4_new.txt", days(1987, 3, 1, 3));
    dir.write("niwa_new.txt", days(1987, 3, 2, 2));
    dir.write("omi_new.txt", days(2005, 1, 1, 30));
    dir.write("timeseries.txt", old_series);
    dir.write("latit_longit.txt", old_site);
}

// The series of a run without faults.
const std::string& complete_series() {
    static const std::string series = [] {
        TempDir dir;
        fill(dir);
        const auto result = run_program(dir.path(), site_input);
        EXPECT_EQ(result.status, 0) << result.err;
        return dir.read("timeseries.txt");
    }();
    return series;
}

std::size_t header_and_merged_size() {
    const std::string& series = complete_series();
    return series.find(" 2005  1  1");
}

// `series` is the start of the complete series, in whole lines.
void expect_whole_lines(const std::string& series) {
    const std::string& complete = complete_series();
    ASSERT_LE(series.size(), complete.size());
    ASSERT_EQ(complete.compare(0, series.size(), series), 0) << "not a prefix of the series";
    ASSERT_TRUE(series.empty() || series.ends_with("\r\n")) << "a torn last line";
}

// ... and the longest such start within `limit` bytes.
void expect_whole_lines_within(const std::string& series, std::size_t limit) {
    expect_whole_lines(series);
    ASSERT_LE(series.size(), limit);
    const std::size_t next_end = complete_series().find("\r\n", series.size());
    ASSERT_GT(next_end + 2, limit) << "a whole line that fitted was lost";
}

TEST(Faults, SeriesFileHitsASizeLimit) {
    struct Case {
        const char* phase;
        std::size_t limit;
    } cases[] = {
        {"header", 200},
        {"merged days", 450'000},
        {"append", header_and_merged_size() + 700},
    };
    for (const Case& c : cases) {
        TempDir dir;
        fill(dir);
        dir.write("timeseries.txt", std::string(2'000'000, 'o'));
        const auto result = run_program(dir.path(), site_input, static_cast<long>(c.limit));
        EXPECT_EQ(result.status, 12) << c.phase;
        EXPECT_NE(result.err.find("timeseries.txt"), std::string::npos) << c.phase << ": " << result.err;
        EXPECT_EQ(result.out.find("END OF CALCULATIONS"), std::string::npos) << c.phase;
        EXPECT_EQ(dir.read("latit_longit.txt"), site_record) << c.phase;
        expect_whole_lines_within(dir.read("timeseries.txt"), c.limit);
    }
}

TEST(Faults, SeriesFileOnAFullDevice) {
    TempDir dir;
    fill(dir);
    std::filesystem::remove(dir / "timeseries.txt");
    std::filesystem::create_symlink("/dev/full", dir / "timeseries.txt");
    const auto result = run_program(dir.path(), site_input);
    EXPECT_EQ(result.status, 12);
    EXPECT_NE(result.err.find("timeseries.txt"), std::string::npos) << result.err;
    EXPECT_EQ(dir.read("latit_longit.txt"), site_record);
}

// A small file system that fills up for real; the grid files stay outside it.
TEST(Faults, SeriesFileOnAFullDisk) {
    TempDir dir;
    fill(dir);
    TempDir mounted;
    if (::mount("tmpfs", mounted.path().c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
    }
    for (const char* name : grid_files) std::filesystem::create_symlink(dir / name, mounted / name);
    const auto result = run_program(mounted.path(), site_input);
    const std::string series = mounted.read("timeseries.txt");
    ::umount(mounted.path().c_str());
    EXPECT_EQ(result.status, 12);
    EXPECT_NE(result.err.find("timeseries.txt"), std::string::npos) << result.err;
    expect_whole_lines(series);
    EXPECT_GT(series.size(), 50'000u);
}

TEST(Faults, FolderWhereNothingCanBeCreated) {
    TempDir mounted;
    if (::mount("tmpfs", mounted.path().c_str(), "tmpfs", MS_RDONLY, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a read-only tmpfs here (needs root): " << std::strerror(errno);
    }
    const auto result = run_program(mounted.path(), site_input);
    ::umount(mounted.path().c_str());
    EXPECT_EQ(result.status, 12);
    EXPECT_EQ(result.out, "") << "fails before the dialog";
    EXPECT_NE(result.err.find("kavrin4_new.txt"), std::string::npos) << result.err;
}

TEST(Faults, DirectoryUnderEachName) {
    struct Case {
        const char* name;
        bool dialog_shown;
        std::string series;  // the series file afterwards ("" when it is the directory)
    } cases[] = {
        {"kavrin4_new.txt", true, old_series},
        {"niwa_new.txt", true, old_series},
        {"omi_new.txt", true, complete_series().substr(0, header_and_merged_size())},
        {"latit_longit.txt", true, old_series},
        {"timeseries.txt", true, ""},
    };
    for (const Case& c : cases) {
        TempDir dir;
        fill(dir);
        std::filesystem::remove(dir / c.name);
        std::filesystem::create_directory(dir / c.name);
        const auto result = run_program(dir.path(), site_input);
        EXPECT_EQ(result.status, 8) << c.name;
        EXPECT_NE(result.err.find(c.name), std::string::npos) << c.name << ": " << result.err;
        EXPECT_NE(result.out.find("READ latitude"), std::string::npos) << c.name;
        EXPECT_EQ(result.out.find("END OF CALCULATIONS"), std::string::npos) << c.name;
        const std::string name = c.name;
        if (name != "timeseries.txt") {
            EXPECT_EQ(dir.read("timeseries.txt"), c.series) << c.name;
        }
        if (name != "latit_longit.txt") {
            EXPECT_EQ(dir.read("latit_longit.txt"), site_record) << c.name;
        }
    }
}

TEST(Faults, ConsoleInputEndsEarly) {
    for (const char* input : {"", "\n\n", "52.1", "52.1\n", "52.1,", ",", "1*\n", "52.1 ,\n"}) {
        TempDir dir;
        fill(dir);
        const auto result = run_program(dir.path(), input);
        EXPECT_EQ(result.status, 12) << '"' << input << '"';
        EXPECT_NE(result.err.find("standard input"), std::string::npos) << result.err;
        EXPECT_EQ(dir.read("latit_longit.txt"), old_site) << '"' << input << '"';
        EXPECT_EQ(dir.read("timeseries.txt"), old_series) << '"' << input << '"';
    }
}

TEST(Faults, BadFieldInEachGridFile) {
    struct Case {
        const char* file;
        std::size_t record;  // 0-based record of the file
        std::size_t column;  // 1-based
        std::string text;    // written over the columns from there
        int status;
        std::string series;
    } cases[] = {
        {"kavrin4_new.txt", 60, 22, "x", 4, old_series},
        {"kavrin4_new.txt", 3, 13, "8x", 4, old_series},  // the latitude field, read but not used
        {"niwa_new.txt", 99, 263, "?", 4, old_series},
        {"niwa_new.txt", 0, 12, "  1E999", 8, old_series},  // beyond single precision
        {"omi_new.txt", 50 * 7 + 4, 2, "9-9", 4, complete_series().substr(0, complete_series().find(" 2005  1  8"))},
    };
    for (const Case& c : cases) {
        TempDir dir;
        fill(dir);
        std::string grid = dir.read(c.file);
        grid.replace(c.record * 265 + c.column - 1, c.text.size(), c.text);
        dir.write(c.file, grid);
        const auto result = run_program(dir.path(), site_input);
        EXPECT_EQ(result.status, c.status) << c.file << " " << c.text;
        EXPECT_NE(result.err.find(std::string(c.file) + ", line " + std::to_string(c.record + 1)), std::string::npos) << result.err;
        EXPECT_EQ(dir.read("timeseries.txt"), c.series) << c.file << " " << c.text;
        EXPECT_EQ(dir.read("latit_longit.txt"), site_record);
    }
}

}  // namespace
}  // namespace ozone
