// Free-form input of the site: separators, null values, repeats, slash and failures.
#include "text/free_form.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>

#include "support/temp_dir.h"

namespace ozone {
namespace {

constexpr float unset = -1.0f;

struct Outcome {
    std::array<float, 2> values{unset, unset};
    int status = 0;  // the failure's exit status, 0 when the values were read
    std::string diagnostic;
};

Outcome read_two(const std::string& input) {
    testing::TempDir dir;
    dir.write("in", input);
    const int fd = ::open((dir / "in").c_str(), O_RDONLY);
    Outcome outcome;
    try {
        InputFile file(fd, "standard input", "reading the site", 1024);
        read_free_form(file, outcome.values);
    } catch (const RunFailure& failure) {
        outcome.status = failure.status;
        outcome.diagnostic = failure.diagnostic;
    }
    ::close(fd);
    return outcome;
}

TEST(FreeForm, Values) {
    struct Case {
        const char* input;
        float lat;
        float lon;
        const char* why;
    } cases[] = {
        {"52.10,   5.18\n", 52.1f, 5.18f, "the prompt's example"},
        {"52.10 5.18\n", 52.1f, 5.18f, "blanks only"},
        {"52.10\t5.18\n", 52.1f, 5.18f, "tab"},
        {"52.10\n5.18\n", 52.1f, 5.18f, "two lines"},
        {"\n  \n52.10 , 5.18", 52.1f, 5.18f, "lines without values passed over, no final LF"},
        {"52.1,\n5.18\n", 52.1f, 5.18f, "end of line after a comma is no null value"},
        {"52.1\n,5.18\n", 52.1f, 5.18f, "comma opening a later line is the separator"},
        {",5.18\n", unset, 5.18f, "comma before the first value is a null value"},
        {"52.1,,\n", 52.1f, unset, "two commas enclose a null value"},
        {" , , 7\n", unset, unset, "two null values"},
        {"52.1/\n", 52.1f, unset, "slash ends the input"},
        {"52.1/5.18\n", 52.1f, unset, "slash ends the value before it"},
        {"/\n", unset, unset, "slash at once"},
        {"2*52.1\n", 52.1f, 52.1f, "repeat"},
        {"1*,5.18\n", unset, 5.18f, "repeated null value"},
        {"2*\n", unset, unset, "two null values by repeat"},
        {"5*3\n", 3.0f, 3.0f, "repeat beyond the variables"},
        {"52 5 x'\"!\n", 52.0f, 5.0f, "whatever follows the last value is ignored"},
        {"52.1 5.18 \nnot read", 52.1f, 5.18f, "later lines are not read"},
        {"52.1\r\n5.18\r\n", 52.1f, 5.18f, "CR LF"},
        {"5218E-2 -.518D1\n", 52.18f, -5.18f, "exponents"},
    };
    for (const Case& c : cases) {
        const Outcome outcome = read_two(c.input);
        EXPECT_EQ(outcome.status, 0) << c.why << ": " << outcome.diagnostic;
        EXPECT_EQ(outcome.values[0], c.lat) << c.why;
        EXPECT_EQ(outcome.values[1], c.lon) << c.why;
    }
}

TEST(FreeForm, Failures) {
    struct Case {
        const char* input;
        int status;
        const char* marked_line;  // the line and the marker under the column
    } cases[] = {
        {"52.1x 5\n", 4, "  52.1x 5\n      ^\n"},
        {"52.1 '5'\n", 4, "  52.1 '5'\n       ^\n"},
        {"\"52\"\n", 4, "  \"52\"\n  ^\n"},
        {"0*5\n", 4, "  0*5\n  ^\n"},
        {"*5\n", 4, "  *5\n  ^\n"},
        {"52.1 5E\n", 4, "  52.1 5E\n        ^\n"},
        {"1E39 5\n", 8, "  1E39 5\n  ^\n"},
        {"52.1\n", 12, ""},
        {"", 12, ""},
        {",,\n", 0, ""},
    };
    for (const Case& c : cases) {
        const Outcome outcome = read_two(c.input);
        EXPECT_EQ(outcome.status, c.status) << '"' << c.input << '"';
        EXPECT_NE(outcome.diagnostic.find(c.marked_line), std::string::npos) << outcome.diagnostic;
        if (c.status != 0) {
            EXPECT_NE(outcome.diagnostic.find("standard input"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace ozone
