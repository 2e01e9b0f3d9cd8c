// Reading of integer (Iw) and fixed-point (Fw.d) input fields.
#pragma once

#include <cstdint>
#include <string_view>

namespace ozone {

enum class FieldError {
    none,
    invalid_character,        // a character no number may hold at that place
    exponent_without_digits,  // an exponent letter or sign with nothing after it
    too_large,                // beyond the range of the value's type
    quote,                    // free-form input: a quote or apostrophe where a number is expected
    zero_repeat_count,        // free-form input: 0*v repeats nothing
};

struct FieldProblem {
    FieldError error = FieldError::none;
    int offset = 0;  // position of the offending character within the field
};

struct IntegerFieldValue {
    std::int32_t value = 0;
    FieldProblem problem;
};

struct FixedFieldValue {
    float value = 0.0f;
    FieldProblem problem;
};

// `text` holds the field's columns that exist on the line; columns past the end of
// the line are blanks, which read like absent columns, so they need not be passed.
IntegerFieldValue parse_integer_field(std::string_view text);
FixedFieldValue parse_fixed_field(std::string_view text, int decimals);

}  // namespace ozone
