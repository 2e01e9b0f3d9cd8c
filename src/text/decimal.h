// Exact decimal conversion of single-precision values: digits for output, values for input.
#pragma once

#include <array>
#include <cstdint>

namespace ozone {

// The magnitude of a value rounded to d decimals, as 0.D1...Dt x 10^exponent.
struct FixedDigits {
    int count = 0;                       // t, 0 to 9; 0 means the magnitude rounds to zero
    std::array<std::uint8_t, 9> digits{};  // D1..Dt
    int exponent = 0;                    // g
};

// Digits of |x| rounded to `decimals` places; x must be finite and nonzero.
// Halfway cases are decided by the fixed double-precision recipe below, not by
// the C library, so that every machine prints the same digits.
FixedDigits fixed_digits(float x, int decimals);

// The single-precision value of 0.D1...Dn x 10^exponent, where `significand` is the
// integer D1...Dn of at most 10 digits. Values beyond the single-precision range
// come out infinite; values far below it come out zero.
float decimal_to_single(std::uint64_t significand, int digit_count, int exponent);

}  // namespace ozone
