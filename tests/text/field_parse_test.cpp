// Integer and fixed-point input fields: accepted forms, values and errors.
#include "text/field_parse.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

namespace ozone {
namespace {

TEST(IntegerFieldInput, Values) {
    struct Case {
        const char* text;
        std::int32_t expected;
    } cases[] = {
        {" 3 1", 31}, {" -5", -5}, {"   ", 0},   {"", 0},     {"312", 312}, {"-+0", 0},
        {"0-7", -7},  {"+-12", -12}, {"  0", 0}, {"1 0", 10}, {"00 5", 5},  {"-0 0", 0},
    };
    for (const Case& c : cases) {
        const IntegerFieldValue read = parse_integer_field(c.text);
        EXPECT_EQ(read.problem.error, FieldError::none) << '"' << c.text << '"';
        EXPECT_EQ(read.value, c.expected) << '"' << c.text << '"';
    }
}

TEST(IntegerFieldInput, InvalidCharacters) {
    struct Case {
        const char* text;
        int offset;
    } cases[] = {{"1x3", 1}, {"1-3", 1}, {"5 +", 2}, {"\t12", 0}, {"1.0", 1}, {"ab", 0}};
    for (const Case& c : cases) {
        const IntegerFieldValue read = parse_integer_field(c.text);
        EXPECT_EQ(read.problem.error, FieldError::invalid_character) << '"' << c.text << '"';
        EXPECT_EQ(read.problem.offset, c.offset) << '"' << c.text << '"';
    }
}

TEST(FixedFieldInput, Values) {
    struct Case {
        const char* text;
        int decimals;
        float expected;
        const char* why;
    } cases[] = {
        {"     80", 3, 0.080f, "implied decimals"},
        {" 80.000", 3, 80.0f, "point fixes the decimals"},
        {"  80000", 3, 80.0f, "implied decimals"},
        {" 8 0. 5", 3, 80.5f, "blanks ignored anywhere"},
        {"52.10", 0, 52.1f, "free-form value"},
        {"5.18", 0, 5.18f, "free-form value"},
        {"52", 0, 52.0f, "whole number"},
        {"-.5", 0, -0.5f, "sign and point"},
        {"0-+5", 1, -0.5f, "zeros and signs before the digits"},
        {"1.5E2", 0, 150.0f, "exponent letter E"},
        {"1.5d-1", 0, 0.15f, "exponent letter d"},
        {"1.5Q+1", 0, 15.0f, "exponent letter Q"},
        {"1.5-1", 0, 0.15f, "bare exponent sign"},
        {"15+1", 1, 15.0f, "bare exponent sign with implied decimals"},
        {"123456789012345", 0, 123456789000000.0f, "digits past the tenth count as zeros"},
        {"1.23456789999", 0, 1.234567899f, "only ten significant digits"},
        {"0.000000001234", 0, 1.234e-9f, "leading zeros after the point"},
        {"   ", 3, 0.0f, "blank field"},
        {"", 3, 0.0f, "empty field"},
        {"-0.0-", 3, 0.0f, "only zeros, signs and one point"},
        {".", 0, 0.0f, "a lone point"},
        {"1E-60", 0, 0.0f, "too small: zero"},
        {"0E5", 0, 0.0f, "zero with an exponent"},
        {"3.4028235E38", 0, 3.4028235e38f, "largest single"},
    };
    for (const Case& c : cases) {
        const FixedFieldValue read = parse_fixed_field(c.text, c.decimals);
        EXPECT_EQ(read.problem.error, FieldError::none) << c.why;
        EXPECT_EQ(read.value, c.expected) << c.why << ": \"" << c.text << '"';
    }
}

TEST(FixedFieldInput, SignOfZeroInfinityAndNan) {
    EXPECT_TRUE(std::signbit(parse_fixed_field("-1E-60", 0).value)) << "too small keeps its sign";
    EXPECT_EQ(parse_fixed_field(" - i N f ", 0).value, -std::numeric_limits<float>::infinity());
    EXPECT_EQ(parse_fixed_field("INF", 0).value, std::numeric_limits<float>::infinity());
    const float nan = parse_fixed_field("-nan", 0).value;
    EXPECT_TRUE(std::isnan(nan));
    EXPECT_FALSE(std::signbit(nan)) << "NAN never carries the sign bit";
}

TEST(FixedFieldInput, Errors) {
    struct Case {
        const char* text;
        FieldError error;
        int offset;
    } cases[] = {
        {"1x3", FieldError::invalid_character, 1},
        {"1.2.3", FieldError::invalid_character, 3},
        {"1E", FieldError::exponent_without_digits, 1},
        {"1E+", FieldError::exponent_without_digits, 1},
        {"5-", FieldError::exponent_without_digits, 1},
        {"1E+-2", FieldError::invalid_character, 3},
        {"1E2.", FieldError::invalid_character, 3},
        {"E5", FieldError::invalid_character, 0},
        {"INFINITY", FieldError::invalid_character, 3},
        {"IN", FieldError::invalid_character, 0},
        {"0INF", FieldError::invalid_character, 1},
        {"1E39", FieldError::too_large, 0},
        {"99E99999999999999", FieldError::too_large, 0},
        {"-1E39", FieldError::too_large, 0},
    };
    for (const Case& c : cases) {
        const FixedFieldValue read = parse_fixed_field(c.text, 0);
        EXPECT_EQ(read.problem.error, c.error) << '"' << c.text << '"';
        EXPECT_EQ(read.problem.offset, c.offset) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace ozone
