// Integer and fixed-point output fields, asterisks included.
#include "text/field_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace ozone {
namespace {

std::string integer_field(std::int32_t value, int width) {
    std::string line;
    append_integer_field(line, value, width);
    return line;
}

std::string fixed_field(float value, int width, int decimals) {
    std::string line;
    append_fixed_field(line, value, width, decimals);
    return line;
}

TEST(IntegerField, RightJustifiedOrAsterisks) {
    struct Case {
        std::int32_t value;
        int width;
        const char* expected;
    } cases[] = {
        {5, 3, "  5"},  {-99, 3, "-99"}, {0, 3, "  0"},   {1000, 3, "***"}, {-100, 3, "***"},
        {1950, 4, "1950"}, {1, 1, "1"},  {-2147483647 - 1, 11, "-2147483648"},
    };
    for (const Case& c : cases) EXPECT_EQ(integer_field(c.value, c.width), c.expected) << c.value;
}

TEST(FixedField, RoundedRightJustifiedOrAsterisks) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float value;
        int width;
        int decimals;
        const char* expected;
    } cases[] = {
        {52.10f, 5, 2, "52.10"},  {5.18f, 5, 2, " 5.18"},  {-5.18f, 5, 2, "-5.18"},
        {0.5f, 5, 2, " 0.50"},    {-0.5f, 5, 2, "-0.50"},  {-9.994f, 5, 2, "-9.99"},
        {-9.996f, 5, 2, "*****"}, {-25.0f, 5, 2, "*****"}, {52.125f, 5, 2, "52.13"},
        {0.055f, 5, 2, " 0.06"},  {-99.9f, 5, 1, "-99.9"}, {999.94f, 5, 1, "999.9"},
        {999.95f, 5, 1, "*****"}, {0.0f, 5, 1, "  0.0"},   {-0.0f, 5, 1, "  0.0"},
        {-0.04f, 5, 1, "  0.0"},  {-0.06f, 5, 1, " -0.1"}, {0.25f, 5, 1, "  0.2"},
        {0.75f, 5, 1, "  0.8"},   {300.25f, 5, 1, "300.2"}, {98.25f, 5, 1, " 98.3"},
        {321.4f, 5, 1, "321.4"},  {-0.5f, 4, 2, "-.50"},   {0.5f, 3, 2, ".50"},
        {0.0f, 3, 2, ".00"},      {0.0f, 2, 2, "**"},      {1e-45f, 5, 2, " 0.00"},
        {-1e-45f, 5, 2, " 0.00"}, {nan, 5, 1, "NaN  "},    {-inf, 5, 1, "-Inf "},
        {inf, 2, 1, "**"},        {1e10f, 14, 1, " 10000000000.0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fixed_field(c.value, c.width, c.decimals), c.expected) << c.value << " F" << c.width << "." << c.decimals;
    }
}

}  // namespace
}  // namespace ozone
