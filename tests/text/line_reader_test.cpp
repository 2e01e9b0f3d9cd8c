// Line framing: LF or CR LF, a last line without terminator, empty and long lines.
#include "text/line_reader.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace ozone {
namespace {

std::vector<std::string> lines_of(const std::string& content, std::size_t kept_length = 64 * 1024) {
    testing::TempDir dir;
    dir.write("f", content);
    const int fd = ::open((dir / "f").c_str(), O_RDONLY);
    LineReader reader(fd, kept_length);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line) == LineReader::Result::line) lines.emplace_back(line);
    ::close(fd);
    return lines;
}

TEST(LineReader, Framing) {
    using Lines = std::vector<std::string>;
    struct Case {
        std::string content;
        Lines expected;
        const char* why;
    } cases[] = {
        {"a\nb\n", {"a", "b"}, "LF"},
        {"a\r\nb\r\n", {"a", "b"}, "CR LF"},
        {"a\r\nb", {"a", "b"}, "last line without terminator"},
        {"a\n\nb\n", {"a", "", "b"}, "empty line is a line"},
        {"\n", {""}, "one empty line"},
        {"", {}, "empty file"},
        {"ab\rcd\nef\n", {"ab", "ef"}, "a CR ends the content, the LF ends the line"},
        {"a\r\r\n", {"a"}, "several CRs"},
    };
    for (const Case& c : cases) EXPECT_EQ(lines_of(c.content), c.expected) << c.why;
}

TEST(LineReader, LinesLongerThanTheBufferKeepTheirStart) {
    const std::string long_line(300 * 1024, 'x');
    const std::vector<std::string> lines = lines_of("12\n" + long_line + "\r\nlast", 1000);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "12");
    EXPECT_EQ(lines[1].substr(0, 1000), long_line.substr(0, 1000));
    EXPECT_EQ(lines[2], "last");
}

TEST(LineReader, ManyLinesAcrossChunks) {
    std::string content;
    for (int i = 0; i < 100000; ++i) content += std::to_string(i) + (i % 2 ? "\r\n" : "\n");
    const std::vector<std::string> lines = lines_of(content);
    ASSERT_EQ(lines.size(), 100000u);
    for (int i = 0; i < 100000; i += 997) EXPECT_EQ(lines[static_cast<std::size_t>(i)], std::to_string(i));
}

}  // namespace
}  // namespace ozone
