// The common case of a grid record, recognised and taken apart without the general parser.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ozone {

inline constexpr std::size_t grid_record_width = 263;
// Bytes is_plain_grid_record may read from its argument.
inline constexpr std::size_t grid_record_scan_width = 272;

// True when the first 263 bytes hold only what real files hold: digits and blanks
// in the integer fields, digits, blanks and at most one point in the latitude
// field, and no control byte anywhere. Such a record is valid, its line reaches
// column 263, and its fields read as plain digit strings. Anything else (signs,
// exponents, short lines, faults) is left to the general record reader.
bool is_plain_grid_record(const char* record);

// The same test byte by byte, as a reference.
bool is_plain_grid_record_bytewise(const char* record);

// An integer field of a plain record: its digits, blanks skipped.
inline std::int32_t plain_integer(const char* field, int width) {
    std::int32_t value = 0;
    for (int i = 0; i < width; ++i) {
        if (field[i] != ' ') value = value * 10 + (field[i] - '0');
    }
    return value;
}

// Where the integer fields of a grid record start (0-based offsets).
inline constexpr std::size_t year_offset = 0;
inline constexpr std::size_t month_offset = 5;
inline constexpr std::size_t day_offset = 8;
inline constexpr std::size_t latitude_offset = 11;
inline constexpr std::size_t latitude_width = 7;
constexpr std::size_t value_offset(int col) { return 20 + 4 * static_cast<std::size_t>(col - 1); }

}  // namespace ozone
