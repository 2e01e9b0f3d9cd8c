// Integer and fixed-point output fields, with asterisks for values too wide.
#include "text/field_format.h"

#include <cmath>
#include <cstdint>

#include "text/decimal.h"

namespace ozone {
namespace {

void append_fitted(std::string& line, const std::string& text, int width, bool left_justified) {
    const auto w = static_cast<std::size_t>(width);
    if (text.size() > w) {
        line.append(w, '*');
    } else if (left_justified) {
        line.append(text).append(w - text.size(), ' ');
    } else {
        line.append(w - text.size(), ' ').append(text);
    }
}

std::string zero_text(int width, int decimals) {
    std::string text(static_cast<std::size_t>(decimals), '0');
    text.insert(text.begin(), '.');
    if (width > decimals + 1) text.insert(text.begin(), '0');
    return text;
}

std::string rounded_text(float value, int width, int decimals) {
    const FixedDigits rounded = fixed_digits(value, decimals);
    const int g = rounded.exponent;
    // Digit i (0-based) of the rounded magnitude; zeros follow the kept digits.
    auto digit = [&](int i) { return static_cast<char>('0' + (i < rounded.count ? rounded.digits[i] : 0)); };

    // A negative value that rounds to zero carries no sign.
    const bool shows_sign = std::signbit(value) && (g > 0 || -g < decimals);
    std::string text = shows_sign ? "-" : "";
    if (g >= 1) {
        for (int i = 0; i < g; ++i) text += digit(i);
        text += '.';
        for (int i = g; i < g + decimals; ++i) text += digit(i);
    } else {
        const int sign_length = shows_sign ? 1 : 0;
        if (width >= sign_length + decimals + 2) text += '0';
        text += '.';
        const int leading_zeros = std::min(-g, decimals);
        text.append(static_cast<std::size_t>(leading_zeros), '0');
        for (int i = 0; i < decimals - leading_zeros; ++i) text += digit(i);
    }
    return text;
}

}  // namespace

void append_integer_field(std::string& line, std::int32_t value, int width) {
    const std::int64_t wide = value;
    std::string text = std::to_string(wide < 0 ? -wide : wide);
    if (wide < 0) text.insert(text.begin(), '-');
    append_fitted(line, text, width, false);
}

void append_fixed_field(std::string& line, float value, int width, int decimals) {
    if (value == 0.0f) {
        if (width < decimals + 1) {
            line.append(static_cast<std::size_t>(width), '*');
        } else {
            append_fitted(line, zero_text(width, decimals), width, false);
        }
        return;
    }
    if (!std::isfinite(value)) {
        std::string text = std::signbit(value) ? "-" : "";
        text += std::isnan(value) ? "NaN" : "Inf";
        append_fitted(line, text, width, true);
        return;
    }
    append_fitted(line, rounded_text(value, width, decimals), width, false);
}

}  // namespace ozone
