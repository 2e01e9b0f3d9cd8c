// Integer and fixed-point input fields: blanks ignored, signs and zeros in front,
// implied decimals, exponents, and the words INF and NAN.
#include "text/field_parse.h"

#include <cmath>
#include <limits>

#include "text/decimal.h"

namespace ozone {
namespace {

constexpr int max_significant_digits = 10;
// Exponents beyond this are all equally out of range; saturating keeps ints in range.
constexpr int exponent_limit = 1'000'000;

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_sign(char c) { return c == '+' || c == '-'; }
bool is_exponent_letter(char c) {
    switch (c) {
        case 'E': case 'e': case 'D': case 'd': case 'Q': case 'q': return true;
        default: return false;
    }
}
char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

FieldProblem problem_at(FieldError error, std::size_t offset) { return {error, static_cast<int>(offset)}; }

// A field made only of blanks, zeros, signs and at most one point reads as zero,
// whatever order they stand in.
bool holds_no_value(std::string_view text) {
    int points = 0;
    for (const char c : text) {
        if (c == '.') {
            ++points;
        } else if (c != ' ' && c != '0' && !is_sign(c)) {
            return false;
        }
    }
    return points <= 1;
}

// INF or NAN, in any case, with blanks anywhere, from `start` to the end.
FixedFieldValue parse_word(std::string_view text, std::size_t start, bool negative) {
    const char first = upper(text[start]);
    const std::string_view word = first == 'I' ? "INF" : "NAN";
    std::size_t matched = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        if (matched == word.size() || upper(text[i]) != word[matched]) {
            return {0.0f, problem_at(FieldError::invalid_character, i)};
        }
        ++matched;
    }
    if (matched != word.size()) return {0.0f, problem_at(FieldError::invalid_character, start)};
    if (first == 'N') return {std::numeric_limits<float>::quiet_NaN(), {}};
    const float infinity = std::numeric_limits<float>::infinity();
    return {negative ? -infinity : infinity, {}};
}

}  // namespace

IntegerFieldValue parse_integer_field(std::string_view text) {
    bool negative = false;
    bool in_digits = false;
    std::int64_t magnitude = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ') continue;
        if (!in_digits && (c == '0' || is_sign(c))) {
            negative = negative || c == '-';
        } else if (is_digit(c)) {
            in_digits = true;
            magnitude = magnitude * 10 + (c - '0');
            if (magnitude > std::numeric_limits<std::int32_t>::max()) {
                return {0, problem_at(FieldError::too_large, i)};
            }
        } else {
            return {0, problem_at(FieldError::invalid_character, i)};
        }
    }
    const auto value = static_cast<std::int32_t>(magnitude);
    return {negative ? -value : value, {}};
}

FixedFieldValue parse_fixed_field(std::string_view text, int decimals) {
    if (holds_no_value(text)) return {0.0f, {}};

    enum class Stage { prefix, mantissa, exponent_sign, exponent_digits };
    Stage stage = Stage::prefix;
    bool negative = false;
    bool prefix_had_zero = false;
    bool point_seen = false;
    bool mantissa_has_digit = false;
    bool significant_seen = false;
    std::uint64_t significand = 0;
    int significant_count = 0;
    int point_exponent = 0;  // decimal exponent of 0.D1D2... before scaling and exponent
    bool exponent_negative = false;
    int exponent = 0;
    bool exponent_has_digit = false;
    std::size_t exponent_start = 0;  // where the exponent letter or sign stands

    auto take_mantissa_digit = [&](char c) {
        mantissa_has_digit = true;
        if (!significant_seen && c == '0') {
            if (point_seen) --point_exponent;
            return;
        }
        significant_seen = true;
        if (significant_count < max_significant_digits) {
            significand = significand * 10 + static_cast<std::uint64_t>(c - '0');
            ++significant_count;
        }
        if (!point_seen) ++point_exponent;
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ') continue;
        switch (stage) {
            case Stage::prefix:
                if (is_sign(c)) {
                    negative = negative || c == '-';
                } else if (c == '0') {
                    prefix_had_zero = true;
                    mantissa_has_digit = true;
                } else if (is_digit(c) || c == '.') {
                    stage = Stage::mantissa;
                    --i;  // the mantissa stage takes this character
                } else if (!prefix_had_zero && (upper(c) == 'I' || upper(c) == 'N')) {
                    return parse_word(text, i, negative);
                } else if (is_exponent_letter(c) && mantissa_has_digit) {
                    stage = Stage::exponent_sign;
                    exponent_start = i;
                } else {
                    return {0.0f, problem_at(FieldError::invalid_character, i)};
                }
                break;
            case Stage::mantissa:
                if (is_digit(c)) {
                    take_mantissa_digit(c);
                } else if (c == '.' && !point_seen) {
                    point_seen = true;
                } else if (mantissa_has_digit && is_exponent_letter(c)) {
                    stage = Stage::exponent_sign;
                    exponent_start = i;
                } else if (mantissa_has_digit && is_sign(c)) {
                    // A sign right after the digits starts an exponent of its own.
                    exponent_negative = c == '-';
                    stage = Stage::exponent_digits;
                    exponent_start = i;
                } else {
                    return {0.0f, problem_at(FieldError::invalid_character, i)};
                }
                break;
            case Stage::exponent_sign:
                if (is_sign(c)) {
                    exponent_negative = c == '-';
                    stage = Stage::exponent_digits;
                    break;
                }
                stage = Stage::exponent_digits;
                [[fallthrough]];
            case Stage::exponent_digits:
                if (!is_digit(c)) return {0.0f, problem_at(FieldError::invalid_character, i)};
                exponent = std::min(exponent_limit, exponent * 10 + (c - '0'));
                exponent_has_digit = true;
                break;
        }
    }
    if ((stage == Stage::exponent_sign || stage == Stage::exponent_digits) && !exponent_has_digit) {
        return {0.0f, problem_at(FieldError::exponent_without_digits, exponent_start)};
    }

    // Digits past the tenth count as zeros: they still move the point, never the value.
    while (significant_count > 0 && significand % 10 == 0) {
        significand /= 10;
        --significant_count;
    }
    if (!point_seen) point_exponent -= decimals;
    const int scaled_exponent = point_exponent + (exponent_negative ? -exponent : exponent);
    const float magnitude = decimal_to_single(significand, significant_count, scaled_exponent);
    if (std::isinf(magnitude)) return {0.0f, problem_at(FieldError::too_large, 0)};
    return {negative ? -magnitude : magnitude, {}};
}

}  // namespace ozone
