// Diagnostics of the failures that end the run, built in one place.
#include "text/failure.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ozone {
namespace {

bool is_printable(char c) { return c >= ' ' && c <= '~'; }

std::string describe_character(char c) {
    if (is_printable(c)) return std::string("'") + c + "'";
    char text[16];
    std::snprintf(text, sizeof text, "byte 0x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
    return text;
}

// The line as shown under the message: one column per byte, so that the marker
// stands under the faulty character even when the line holds control bytes.
std::string shown_line(std::string_view line, int column) {
    constexpr std::size_t context = 60;
    const std::size_t shown = std::min(line.size(), static_cast<std::size_t>(column) + context);
    std::string text;
    for (std::size_t i = 0; i < shown; ++i) text += is_printable(line[i]) ? line[i] : '?';
    if (shown < line.size()) text += " ...";
    return text;
}

}  // namespace

RunFailure field_failure(const TextPosition& where, int column, FieldError error) {
    const auto index = static_cast<std::size_t>(column - 1);
    const char faulty = index < where.line.size() ? where.line[index] : ' ';
    std::string what;
    int status = exit_status::invalid_character;
    switch (error) {
        case FieldError::invalid_character:
            what = "invalid character " + describe_character(faulty);
            break;
        case FieldError::exponent_without_digits:
            what = "exponent " + describe_character(faulty) + " without digits";
            break;
        case FieldError::too_large:
            what = "value too large";
            status = exit_status::value_too_large;
            break;
        case FieldError::quote:
            what = "quote " + describe_character(faulty) + " where a number is expected";
            break;
        case FieldError::zero_repeat_count:
            what = "repeat count of zero";
            break;
        case FieldError::none:
            break;
    }

    std::string message = "ozone_series: " + what + " in " + std::string(where.file_name) + ", line " +
                          std::to_string(where.line_number) + ", column " + std::to_string(column) + ", while " +
                          std::string(where.activity) + ":\n";
    message += "  " + shown_line(where.line, column) + "\n";
    message += "  " + std::string(index, ' ') + "^\n";
    return {status, message};
}

RunFailure file_failure(std::string_view file_name, std::string_view action, int error_number) {
    const int status = error_number == EISDIR ? exit_status::is_directory : exit_status::file_failure;
    const std::string reason = error_number == EISDIR ? "a directory stands under that name" : std::strerror(error_number);
    return {status, "ozone_series: cannot " + std::string(action) + " " + std::string(file_name) + ": " + reason + "\n"};
}

RunFailure input_ended(const TextPosition& where) {
    return {exit_status::input_ended, "ozone_series: " + std::string(where.file_name) +
                                          " ended before every value was read, while " + std::string(where.activity) + "\n"};
}

}  // namespace ozone
