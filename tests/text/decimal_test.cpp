// Exact decimal conversion: the recipe's digits, halfway cases and values read.
#include "text/decimal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace ozone {
namespace {

// The rounded magnitude as "0.D1..Dt e g".
std::string digits_of(float x, int decimals) {
    const FixedDigits r = fixed_digits(x, decimals);
    std::string text = "0.";
    for (int i = 0; i < r.count; ++i) text += static_cast<char>('0' + r.digits[i]);
    return text + "e" + std::to_string(r.exponent);
}

TEST(FixedDigits, RoundsByTheRecipe) {
    struct Case {
        float x;
        int decimals;
        const char* expected;
        const char* why;
    } cases[] = {
        {321.4f, 1, "0.3214e3", "ordinary value"},
        {0.25f, 1, "0.2e0", "exact half, even digit stays"},
        {0.75f, 1, "0.8e0", "exact half, odd digit rounds up"},
        {52.25f, 1, "0.522e2", "exact half, even"},
        {300.25f, 1, "0.3002e3", "exact half, even"},
        {98.25f, 1, "0.983e2", "exact half, odd"},
        {937.25f, 1, "0.9373e3", "exact half, odd"},
        {5.125f, 2, "0.512e1", "exact half at two decimals"},
        {52.125f, 2, "0.5213e2", "exact half, odd"},
        {0.055f, 2, "0.6e-1", "just below a half: the carry after rounding decides"},
        {5.18f, 2, "0.518e1", "not exact in binary"},
        {999.95f, 1, "0.10000e4", "rounds up into a new leading digit"},
        {-0.04f, 1, "0.e-1", "rounds to zero: no digits"},
        {1e-45f, 2, "0.e-44", "smallest subnormal"},
        {3.4028235e38f, 1, "0.340282347e39", "largest float: nine digits, then zeros"},
    };
    for (const Case& c : cases) EXPECT_EQ(digits_of(c.x, c.decimals), c.expected) << c.why << " (" << c.x << ")";
}

// Away from halfway points the recipe is plain round-to-nearest, which the C library
// computes exactly on the binary value.
TEST(FixedDigits, MatchesExactRoundingAwayFromHalves) {
    std::mt19937 random(20261211);
    std::uniform_real_distribution<double> exponent(-3.0, 6.0);
    for (int n = 0; n < 200000; ++n) {
        const int decimals = 1 + n % 2;
        const float x = static_cast<float>(std::pow(10.0, exponent(random)));
        char exact[96];
        std::snprintf(exact, sizeof exact, "%.40f", static_cast<double>(x));
        const std::string text = exact;
        const std::size_t point = text.find('.');
        const double remainder = std::stod("0." + text.substr(point + 1 + static_cast<std::size_t>(decimals)));
        if (std::fabs(remainder - 0.5) < 1e-6) continue;

        char rounded[96];
        std::snprintf(rounded, sizeof rounded, "%.*f", decimals, static_cast<double>(x));
        std::string expected = rounded;
        expected.erase(expected.find('.'), 1);
        expected.erase(0, expected.find_first_not_of('0'));
        const FixedDigits r = fixed_digits(x, decimals);
        std::string got;
        for (int i = 0; i < r.count; ++i) got += static_cast<char>('0' + r.digits[i]);
        got.append(static_cast<std::size_t>(std::max(0, r.exponent + decimals - r.count)), '0');
        got.erase(0, got.find_first_not_of('0'));
        ASSERT_EQ(got, expected) << "x = " << text << ", decimals = " << decimals;
    }
}

TEST(DecimalToSingle, GivesTheNearestSingle) {
    struct Case {
        std::uint64_t significand;
        int count;
        int exponent;
        float expected;
    } cases[] = {
        {521, 3, 2, 52.1f},
        {518, 3, 1, 5.18f},
        {8, 1, -1, 0.08f},
        {1234567891, 10, 3, 123.456789f},
        {34028235, 8, 39, 3.4028235e38f},
        {14, 2, -44, 1.4e-45f},
    };
    for (const Case& c : cases) EXPECT_EQ(decimal_to_single(c.significand, c.count, c.exponent), c.expected);
}

TEST(DecimalToSingle, OutOfRange) {
    EXPECT_TRUE(std::isinf(decimal_to_single(35, 2, 39)));
    EXPECT_TRUE(std::isinf(decimal_to_single(1, 1, 60)));
    EXPECT_EQ(decimal_to_single(1, 1, -50), 0.0f);
    EXPECT_EQ(decimal_to_single(1, 1, -1000000), 0.0f);
}

}  // namespace
}  // namespace ozone
