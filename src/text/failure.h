// How a failure ends the run: an exit status and the diagnostic that explains it.
#pragma once

#include <string>
#include <string_view>

#include "text/field_parse.h"

namespace ozone {

namespace exit_status {
inline constexpr int success = 0;
inline constexpr int invalid_character = 4;
inline constexpr int site_without_grid_point = 4;  // a coordinate that is not a number, or far beyond the grid
inline constexpr int value_too_large = 8;
inline constexpr int is_directory = 8;
inline constexpr int file_failure = 12;
inline constexpr int input_ended = 12;
}  // namespace exit_status

// Thrown wherever the run must end; the driver closes the files, writes `diagnostic`
// to standard error and exits with `status`.
struct RunFailure {
    int status;
    std::string diagnostic;
};

// Where a faulty character stands: the file, the line and the run's activity.
struct TextPosition {
    std::string_view file_name;
    long line_number;
    std::string_view line;  // the line's content
    std::string_view activity;
};

// The failure for a bad field or value: what is wrong, where, and the line with a
// marker under the column. `column` is 1-based.
RunFailure field_failure(const TextPosition& where, int column, FieldError error);

// Free-form input that ends before every value was read.
RunFailure input_ended(const TextPosition& where);

// A file that cannot be created, opened, read or written; `error_number` is errno.
RunFailure file_failure(std::string_view file_name, std::string_view action, int error_number);

}  // namespace ozone
