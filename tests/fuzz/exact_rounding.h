// A slow, exact reference for fixed-point output: integer arithmetic on the float's
// exact binary value.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace ozone::fuzzing {

using Wide = unsigned __int128;

struct ExactRounding {
    std::uint64_t units;  // |x| x 10^d rounded to the nearest integer
    double fraction;      // what was dropped, in units (0 <= fraction < 1)
};

// |x| x 10^d rounded to nearest, when that is below 10^9 (at most 9 significant
// digits); nothing otherwise. x must be finite.
inline std::optional<ExactRounding> round_exactly(float x, int decimals) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(x);
    const int stored = static_cast<int>((bits >> 23) & 0xff);
    Wide mantissa = bits & 0x7fffff;
    int exponent = stored == 0 ? -149 : stored - 150;  // |x| = mantissa x 2^exponent
    if (stored != 0) mantissa |= 0x800000;
    Wide scaled = mantissa;
    for (int i = 0; i < decimals; ++i) scaled *= 10;  // < 2^24 x 10^15 < 2^74
    constexpr std::uint64_t limit = 1'000'000'000;
    if (exponent >= 0) {
        if (exponent > 40) return std::nullopt;
        scaled <<= exponent;
        if (scaled >= limit) return std::nullopt;
        return ExactRounding{static_cast<std::uint64_t>(scaled), 0.0};
    }
    const int shift = -exponent;
    const Wide whole = shift >= 128 ? 0 : scaled >> shift;
    if (whole >= limit) return std::nullopt;
    const Wide dropped = shift >= 128 ? scaled : scaled - (whole << shift);
    // dropped / 2^shift, as a double: exact enough to place it against one half.
    double fraction = static_cast<double>(dropped);
    for (int i = 0; i < shift; ++i) fraction *= 0.5;
    // Ties round down here; callers leave the band around one half to the recipe.
    const bool up = shift < 128 && (dropped << 1) > (Wide{1} << shift);
    const std::uint64_t units = static_cast<std::uint64_t>(whole) + (up ? 1 : 0);
    if (units >= limit) return std::nullopt;
    return ExactRounding{units, fraction};
}

// The field as the output rules write it from exactly rounded units.
inline std::string exact_field(float x, std::uint64_t units, int width, int decimals) {
    std::string digits = std::to_string(units);
    if (digits.size() < static_cast<std::size_t>(decimals) + 1) digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    const std::string whole = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals));
    const std::string fraction = digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    const bool negative = std::signbit(x) && units != 0;
    std::string text = negative ? "-" : "";
    if (whole != "0") {
        text += whole;
    } else if (width >= static_cast<int>(text.size()) + decimals + 2) {
        text += '0';
    }
    text += "." + fraction;
    if (text.size() > static_cast<std::size_t>(width)) return std::string(static_cast<std::size_t>(width), '*');
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

}  // namespace ozone::fuzzing
