// The fast grid-day reader against the general record reader, over random records.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "grid/grid_day.h"
#include "grid/grid_record_scan.h"
#include "support/grid_text.h"
#include "support/temp_dir.h"
#include "text/record.h"

namespace ozone {
namespace {

struct Outcome {
    std::vector<GridDay> days;
    int status = 0;
    std::string diagnostic;
};

template <typename ReadDay>
Outcome read_file(const std::string& path, ReadDay read_day) {
    InputFile file(path, "loading the model file");
    Outcome outcome;
    auto day = std::make_unique<GridDay>();
    try {
        while (read_day(file, *day)) outcome.days.push_back(*day);
    } catch (const RunFailure& failure) {
        outcome.status = failure.status;
        outcome.diagnostic = failure.diagnostic;
    }
    return outcome;
}

// Damage of the kinds real and broken files show, at random places.
std::string damaged(std::string line, std::mt19937& random) {
    static const std::string replacements = "  0123456789+-.eEdDqQ\tx/*\r\x01\xff";
    std::uniform_int_distribution<int> choice(0, 99);
    const int kind = choice(random);
    if (kind < 40) {
        const int changes = 1 + choice(random) % 3;
        for (int i = 0; i < changes; ++i) {
            line[static_cast<std::size_t>(choice(random) * 263 / 100)] = replacements[static_cast<std::size_t>(choice(random)) % replacements.size()];
        }
    } else if (kind < 50) {
        line.resize(static_cast<std::size_t>(choice(random) * 263 / 100));
    } else if (kind < 55) {
        line.clear();
    } else if (kind < 65) {
        line += std::string(static_cast<std::size_t>(choice(random) % 20), ' ') + "trailing";
    } else if (kind < 75) {
        // A sign or an exponent inside a value, which stays valid.
        const std::size_t at = value_offset(1 + choice(random) % 61);
        line.replace(at, 3, kind % 2 ? " -5" : "+12");
    }
    return line;
}

std::string random_file(std::mt19937& random, int days) {
    std::uniform_int_distribution<int> value(0, 480);
    std::uniform_int_distribution<int> percent(0, 99);
    const int damage_percent = percent(random) % 4;  // most files are clean, some slightly damaged
    std::string text;
    for (int d = 0; d < days; ++d) {
        for (int row = 1; row <= 50; ++row) {
            std::array<int, 61> values{};
            for (int& v : values) v = percent(random) < 3 ? 0 : value(random);
            std::string line = testing::grid_line(1987, 3, 1 + d, 81.0f - static_cast<float>(row), values);
            if (percent(random) < damage_percent) line = damaged(line, random);
            text += line + (percent(random) < 5 ? "\n" : "\r\n");
        }
    }
    if (percent(random) < 20) text.resize(text.size() - static_cast<std::size_t>(percent(random)));  // cut short
    return text;
}

TEST(GridDayReader, AgreesWithTheGeneralReader) {
    std::mt19937 random(5);
    std::vector<GridPoint> all_points;
    for (int row = 1; row <= grid_rows; ++row) {
        for (int col = 1; col <= grid_cols; ++col) all_points.push_back({row, col});
    }
    int failures = 0;
    for (int n = 0; n < 300; ++n) {
        testing::TempDir dir;
        dir.write("grid.txt", random_file(random, 1 + n % 4));
        const std::string path = (dir / "grid.txt").string();
        const Outcome general = read_file(path, [](InputFile& file, GridDay& day) { return read_grid_day(file, day); });
        std::optional<GridDayReader> reader;
        const Outcome fast = read_file(path, [&](InputFile& file, GridDay& day) {
            if (!reader) reader.emplace(file, all_points);
            return reader->read(day);
        });
        ASSERT_EQ(fast.status, general.status) << n;
        ASSERT_EQ(fast.diagnostic, general.diagnostic) << n;
        ASSERT_EQ(fast.days.size(), general.days.size()) << n;
        for (std::size_t d = 0; d < fast.days.size(); ++d) {
            ASSERT_EQ(fast.days[d].date.year, general.days[d].date.year);
            ASSERT_EQ(fast.days[d].date.month, general.days[d].date.month);
            ASSERT_EQ(fast.days[d].date.day, general.days[d].date.day);
            ASSERT_EQ(fast.days[d].raw, general.days[d].raw) << n;
            ASSERT_EQ(fast.days[d].o3, general.days[d].o3) << n;
        }
        failures += general.status != 0;
    }
    EXPECT_GT(failures, 10) << "the damage should reach the failure paths too";
    EXPECT_LT(failures, 250) << "and leave most files readable";
}

// What the fast test accepts must be a record the general reader reads to the same values.
TEST(PlainGridRecord, AcceptsOnlyWhatTheGeneralReaderReadsAlike) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> value(0, 999);
    testing::TempDir dir;
    InputFile file((dir / "unused.txt").string(), "checking");  // names the records in diagnostics only
    int accepted = 0;
    for (int n = 0; n < 20000; ++n) {
        std::array<int, 61> values{};
        for (int& v : values) v = value(random);
        std::string line = testing::grid_line(1950 + n % 60, 1 + n % 12, 1 + n % 28, 80.0f - static_cast<float>(n % 50), values);
        if (n % 2) line = damaged(line, random);
        line.resize(grid_record_scan_width, '\n');
        const bool plain = is_plain_grid_record(line.data());
        ASSERT_EQ(plain, is_plain_grid_record_bytewise(line.data())) << line;
        if (!plain) continue;
        ++accepted;
        std::array<FieldValue, field_count(layouts::grid_record)> fields;
        parse_record(file, std::string_view(line).substr(0, grid_record_width), layouts::grid_record, fields);
        ASSERT_EQ(std::get<std::int32_t>(fields[0]), plain_integer(line.data() + year_offset, 4));
        ASSERT_EQ(std::get<std::int32_t>(fields[1]), plain_integer(line.data() + month_offset, 2));
        ASSERT_EQ(std::get<std::int32_t>(fields[2]), plain_integer(line.data() + day_offset, 2));
        for (int col = 1; col <= 61; ++col) {
            ASSERT_EQ(std::get<std::int32_t>(fields[3 + static_cast<std::size_t>(col)]), plain_integer(line.data() + value_offset(col), 3));
        }
    }
    EXPECT_GT(accepted, 10000);
}

}  // namespace
}  // namespace ozone
