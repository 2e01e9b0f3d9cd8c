// Formatting of integer (Iw) and fixed-point (Fw.d) output fields.
#pragma once

#include <cstdint>
#include <string>

namespace ozone {

// Appends exactly `width` characters: the value right-justified, or asterisks when
// it does not fit.
void append_integer_field(std::string& line, std::int32_t value, int width);

// Appends exactly `width` characters: the value rounded to `decimals` places and
// right-justified, "NaN"/"Inf" left-justified, or asterisks when the text does not fit.
void append_fixed_field(std::string& line, float value, int width, int decimals);

}  // namespace ozone
