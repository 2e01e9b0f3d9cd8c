// The program end to end: dialog, site record, console framing and failure statuses.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/program_run.h"
#include "support/temp_dir.h"

namespace ozone {
namespace {

using testing::run_program;
using testing::TempDir;

const std::string banner_and_prompt =
    " Time series for the site within area: 31-80N, 25W-35E\r\n"
    " Output in file timeseries.txt\r\n"
    " Daily O3 for the period Jan,1, 1950 - March, 20, 2009\r\n"
    "READ latitude and longitude for the site, e.g. 52.10,   5.18\r\n";
const std::string wait_line = " Wait - program is running, expected time of calculation 2-3 minute on standard PC\r\n";
const std::string end_line = " END OF CALCULATIONS\r\n";

TEST(Program, RunInAnEmptyFolder) {
    TempDir dir;
    const auto result = run_program(dir.path(), "52.10,   5.18\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, banner_and_prompt + wait_line + end_line);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(dir.read("latit_longit.txt"), " 52.10  5.18\r\n");
    for (const char* grid : {"kavrin4_new.txt", "niwa_new.txt", "omi_new.txt"}) {
        EXPECT_TRUE(std::filesystem::exists(dir / grid)) << grid;
        EXPECT_EQ(std::filesystem::file_size(dir / grid), 0u) << grid;
    }
}

TEST(Program, SiteRecordForVariousInputs) {
    struct Case {
        const char* input;
        const char* record;
    } cases[] = {
        {"52.10 5.18\n", " 52.10  5.18\r\n"},
        {"52.1/\n", " 52.10  0.00\r\n"},
        {"-9.994,-9.996\n", " -9.99 *****\r\n"},
        {"-25 35\n", " ***** 35.00\r\n"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("latit_longit.txt", "an older and longer site record\r\nsecond line\r\n");
        const auto result = run_program(dir.path(), c.input);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(dir.read("latit_longit.txt"), c.record) << c.input;
    }
}

// Each failure: its status, a diagnostic naming the file, and the output files kept.
TEST(Program, FailuresOfTheDialog) {
    struct Case {
        const char* input;
        int status;
        const char* named;
    } cases[] = {
        {"52.1x 5\n", 4, "standard input"},
        {"'52' 5\n", 4, "standard input"},
        {"52.1\n", 12, "standard input"},
        {"1E40 5\n", 8, "standard input"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        dir.write("latit_longit.txt", "old\r\n");
        const auto result = run_program(dir.path(), c.input);
        EXPECT_EQ(result.status, c.status) << c.input;
        EXPECT_NE(result.err.find(c.named), std::string::npos) << result.err;
        EXPECT_EQ(result.out, banner_and_prompt) << c.input;
        EXPECT_EQ(dir.read("latit_longit.txt"), "old\r\n") << c.input;
    }
}

TEST(Program, NoStandardInputAtAll) {
    TempDir dir;
    const auto result = run_program(dir.path(), std::nullopt);
    EXPECT_EQ(result.status, 12);
    EXPECT_NE(result.err.find("standard input"), std::string::npos);
}

// The first file opened must not take the closed stream's place and be read as the site.
TEST(Program, StandardInputClosed) {
    TempDir dir;
    dir.write("kavrin4_new.txt", "52.1 5.18\n");
    const auto result = testing::run_program_with_stdin_closed(dir.path());
    EXPECT_EQ(result.status, 12);
    EXPECT_NE(result.err.find("standard input"), std::string::npos) << result.err;
    EXPECT_EQ(dir.read("kavrin4_new.txt"), "52.1 5.18\n");
}

TEST(Program, FileThatCannotBeCreatedFailsBeforeTheDialog) {
    TempDir dir;
    std::filesystem::create_symlink(dir / "missing" / "x", dir / "niwa_new.txt");
    const auto result = run_program(dir.path(), "52.1 5.18\n");
    EXPECT_EQ(result.status, 12);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("niwa_new.txt"), std::string::npos) << result.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "kavrin4_new.txt")) << "files before it were opened";
    EXPECT_FALSE(std::filesystem::exists(dir / "latit_longit.txt")) << "files after it were not";
}

TEST(Program, DirectoryUnderTheSiteRecordNameFailsAfterTheDialog) {
    TempDir dir;
    std::filesystem::create_directory(dir / "latit_longit.txt");
    const auto result = run_program(dir.path(), "52.1 5.18\n");
    EXPECT_EQ(result.status, 8);
    EXPECT_EQ(result.out, banner_and_prompt);
    EXPECT_NE(result.err.find("latit_longit.txt"), std::string::npos) << result.err;
}

TEST(Program, SiteRecordOnAFullDiskFailsBeforeTheWaitLine) {
    TempDir dir;
    std::filesystem::create_symlink("/dev/full", dir / "latit_longit.txt");
    const auto result = run_program(dir.path(), "52.1 5.18\n");
    EXPECT_EQ(result.status, 12);
    EXPECT_EQ(result.out, banner_and_prompt);
    EXPECT_NE(result.err.find("latit_longit.txt"), std::string::npos) << result.err;
}

// On a terminal the line break is written just before the next output, so the
// typed site follows the prompt on its line.
TEST(Program, OnATerminal) {
    TempDir dir;
    const auto result = testing::run_program_on_terminal(dir.path(), "52.1 5.18\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out,
              " Time series for the site within area: 31-80N, 25W-35E\r\n"
              " Output in file timeseries.txt\r\n"
              " Daily O3 for the period Jan,1, 1950 - March, 20, 2009\r\n"
              "READ latitude and longitude for the site, e.g. 52.10,   5.18"
              "\r\n Wait - program is running, expected time of calculation 2-3 minute on standard PC"
              "\r\n END OF CALCULATIONS\r\n");
}

}  // namespace
}  // namespace ozone
