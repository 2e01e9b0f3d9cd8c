// Fuzzes fixed-point output over arbitrary float bit patterns, decimals and widths:
// away from halfway points the digits are the exactly rounded ones, and the field
// is asterisks exactly when the rounded text is too wide.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "exact_rounding.h"
#include "text/decimal.h"
#include "text/field_format.h"

namespace {

// Within this distance of one half (in units of the last decimal) the recipe's own
// tie test and carry decide, on purpose, where exact rounding may differ.
constexpr double halfway_band = 2e-7;

std::uint64_t units_of(const ozone::FixedDigits& rounded, int decimals) {
    std::uint64_t units = 0;
    for (int i = 0; i < rounded.exponent + decimals; ++i) units = units * 10 + (i < rounded.count ? rounded.digits[static_cast<std::size_t>(i)] : 0);
    return units;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6) return 0;
    float x;
    std::memcpy(&x, data, sizeof x);
    const int decimals = data[4] % 10;
    const int width = 1 + data[5] % 20;
    std::string field;
    ozone::append_fixed_field(field, x, width, decimals);
    if (field.size() != static_cast<std::size_t>(width)) std::abort();
    if (!std::isfinite(x) || x == 0.0f) return 0;

    const std::optional<ozone::fuzzing::ExactRounding> exact = ozone::fuzzing::round_exactly(x, decimals);
    if (!exact || std::fabs(exact->fraction - 0.5) <= halfway_band) return 0;
    const ozone::FixedDigits rounded = ozone::fixed_digits(x, decimals);
    if (units_of(rounded, decimals) != exact->units) std::abort();
    if (field != ozone::fuzzing::exact_field(x, exact->units, width, decimals)) std::abort();
    return 0;
}
