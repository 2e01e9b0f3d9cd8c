// Decimal conversion by one arithmetic recipe: scaled powers of ten in double precision.
#include "text/decimal.h"

#include <bit>
#include <cmath>

namespace ozone {
namespace {

// P1[k] = 10^k, exact in double.
constexpr std::array<double, 15> exact_powers = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14};

// P2[j] = the double nearest 10^(14j - 56).
constexpr std::array<double, 8> coarse_powers = {1e-56, 1e-42, 1e-28, 1e-14, 1e0, 1e14, 1e28, 1e42};

// h(t) = the double nearest 0.5 x 10^-t, each a constant of its own.
constexpr std::array<double, 12> half_units = {
    0.5, 0.05, 0.005, 0.0005, 0.00005, 0.000005, 0.0000005,
    0.00000005, 0.000000005, 0.0000000005, 0.00000000005, 0.000000000005};

constexpr double log10_of_2 = 0.301029995664;
constexpr double one_fourteenth = 0.07142857142857142;
constexpr int max_kept_digits = 9;
constexpr int tie_test_digits = 16;

// 10^m x 10^-56 as P1[k] x P2[j] with m = 14j + k. The product m x (1/14) may fall
// just short of a whole number, giving k = 14, which is why P1 reaches 10^14.
struct PowerSplit {
    int coarse;
    int exact;
};

PowerSplit split_power(int m) {
    const int j = static_cast<int>(static_cast<double>(m) * one_fourteenth);
    return {j, m - 14 * j};
}

int binary_exponent(float x) {
    const auto stored = static_cast<int>((std::bit_cast<std::uint32_t>(x) >> 23) & 0xffU);
    if (stored != 0) return stored - 127;
    // A subnormal is scaled by 2^25 (exactly) into the normal range first.
    const float scaled = x * 33554432.0f;
    return static_cast<int>((std::bit_cast<std::uint32_t>(scaled) >> 23) & 0xffU) - 152;
}

// The scaled value rounded to single precision, truncated: 10 means that the digits
// produced so far fell short of a carry only through the double's last bits.
bool remainder_carries(double remainder) {
    return static_cast<int>(static_cast<float>(remainder * 10.0)) == 10;
}

// Adds one to the last digit that is not 9 and clears the digits after it; all nines stay.
template <typename Digits>
void propagate_carry(Digits& digits, int count) {
    for (int i = count - 1; i >= 0; --i) {
        if (digits[i] != 9) {
            ++digits[i];
            for (int k = i + 1; k < count; ++k) digits[k] = 0;
            return;
        }
    }
}

// A value lies exactly halfway when, after the carry repair, the digit after the
// kept ones is 5 and all of the sixteen after it are 0. Sixteen digits are what a
// double holds; the repair catches ...4999999 that is really ...5 in disguise.
struct TieTest {
    bool is_tie;
    int last_kept_digit;  // digit t of the sixteen, or -1 when t is 0
};

TieTest test_tie(double q, int kept) {
    std::array<int, tie_test_digits> digits{};
    double r = q;
    double after_ninth = 0.0;
    for (int i = 0; i < tie_test_digits; ++i) {
        r = r * 10.0;
        digits[i] = static_cast<int>(r);
        r = r - digits[i];
        if (i == max_kept_digits - 1) after_ninth = r;
    }
    if (remainder_carries(after_ninth)) propagate_carry(digits, tie_test_digits);
    bool tie = digits[kept] == 5;
    for (int i = kept + 1; i < tie_test_digits && tie; ++i) tie = digits[i] == 0;
    return {tie, kept >= 1 ? digits[kept - 1] : -1};
}

}  // namespace

FixedDigits fixed_digits(float x, int decimals) {
    int g = static_cast<int>(binary_exponent(x) * log10_of_2);
    const PowerSplit split = split_power(56 - g);
    double q = (exact_powers[split.exact] * coarse_powers[split.coarse]) * std::fabs(static_cast<double>(x));
    while (q >= 1.0) {
        q = q * 0.1;
        g = g + 1;
    }

    int kept = std::min(max_kept_digits, g + decimals);
    if (kept >= 0) {
        const TieTest tie = test_tie(q, kept);
        // Exact halves round to the even digit; a half of the unit itself rounds down.
        const bool stays = tie.is_tie && ((kept >= 1 && tie.last_kept_digit % 2 == 0) || (kept == 0 && g == 0));
        if (!stays) q = q + half_units[kept];
    }
    if (q >= 1.0) {
        q = q * 0.1;
        g = g + 1;
        kept = std::min(max_kept_digits, kept + 1);
    }

    FixedDigits result;
    result.exponent = g;
    if (kept < 1) return result;
    result.count = kept;
    for (int i = 0; i < kept; ++i) {
        q = q * 10.0;
        const int digit = static_cast<int>(q);
        result.digits[i] = static_cast<std::uint8_t>(digit);
        q = q - digit;
    }
    if (remainder_carries(q)) propagate_carry(result.digits, kept);
    return result;
}

float decimal_to_single(std::uint64_t significand, int digit_count, int exponent) {
    // The tables span 10^-56 .. 10^55; outside them the value is certainly zero or
    // certainly beyond single precision (the significand has at most 10 digits).
    const int m = exponent + 56 - digit_count;
    if (m < 0 || significand == 0) return 0.0f;
    if (m > 111) return HUGE_VALF;
    const PowerSplit split = split_power(m);
    return static_cast<float>((static_cast<double>(significand) * exact_powers[split.exact]) *
                              coarse_powers[split.coarse]);
}

}  // namespace ozone
