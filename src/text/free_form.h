// Free-form (list-directed) input of real values, as typed on the console.
#pragma once

#include <span>

#include "text/text_file.h"

namespace ozone {

// Reads values for `variables`, in order, from the lines of `input`. Values are
// separated by blanks, tabs, a comma or the end of a line; a comma with nothing
// before it, or nothing since the previous comma, is a null value that leaves its
// variable as it was; a slash ends the input; r*v repeats v r times and r* gives r
// null values. Whatever follows the last value used on its line is ignored.
// Throws RunFailure: status 4 for an invalid character or a quote, 8 for a value
// beyond single precision, 12 when the input ends before every variable is handled.
void read_free_form(InputFile& input, std::span<float> variables);

}  // namespace ozone
