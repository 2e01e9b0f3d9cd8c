// Output files: written over the old content, cut at close, failures caught when they happen.
#include "text/text_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "support/temp_dir.h"
#include "text/record.h"

namespace ozone {
namespace {

TEST(OutputFile, OverwritesFromTheStartAndCutsAtClose) {
    testing::TempDir dir;
    dir.write("out.txt", "old line one\r\nold line two\r\nold line three\r\n");
    {
        OutputFile file((dir / "out.txt").string());
        write_text_line(file, "new");
        file.close();
    }
    EXPECT_EQ(dir.read("out.txt"), " new\r\n");
}

TEST(OutputFile, WithoutLinesKeepsTheOldContent) {
    testing::TempDir dir;
    dir.write("out.txt", "old\r\n");
    OutputFile((dir / "out.txt").string()).close();
    EXPECT_EQ(dir.read("out.txt"), "old\r\n");
}

TEST(OutputFile, CreatedWhenMissing) {
    testing::TempDir dir;
    OutputFile file((dir / "new.txt").string());
    EXPECT_TRUE(std::filesystem::exists(dir / "new.txt"));
}

TEST(OutputFile, FullDeviceFailsAtTheWrite) {
    testing::TempDir dir;
    std::filesystem::create_symlink("/dev/full", dir / "full.txt");
    OutputFile file((dir / "full.txt").string());
    file.write_line("a line");
    try {
        file.flush();
        FAIL() << "the write to a full device went unnoticed";
    } catch (const RunFailure& failure) {
        EXPECT_EQ(failure.status, 12);
        EXPECT_NE(failure.diagnostic.find("full.txt"), std::string::npos);
    }
}

TEST(OpenFailures, DirectoryShowsAtFirstUseWithStatus8) {
    testing::TempDir dir;
    std::filesystem::create_directory(dir / "d.txt");
    InputFile input((dir / "d.txt").string(), "loading");
    OutputFile output((dir / "d.txt").string());
    for (auto use : {std::function<void()>([&] { input.next_line(); }), std::function<void()>([&] { output.write_line("x"); })}) {
        try {
            use();
            FAIL() << "a directory was used as a file";
        } catch (const RunFailure& failure) {
            EXPECT_EQ(failure.status, 8);
            EXPECT_NE(failure.diagnostic.find("d.txt"), std::string::npos);
        }
    }
}

TEST(OpenFailures, FileThatCannotBeCreatedFailsAtOnce) {
    testing::TempDir dir;
    const std::string name = (dir / "no-such-folder" / "f.txt").string();
    EXPECT_THROW(InputFile(name, "loading"), RunFailure);
    EXPECT_THROW(OutputFile{name}, RunFailure);
}

}  // namespace
}  // namespace ozone
