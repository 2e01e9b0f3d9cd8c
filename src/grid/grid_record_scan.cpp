// Many bytes at a time: each byte of a record must fall in the range its column
// allows, or be a blank. The ranges come from one table per column.
#include "grid/grid_record_scan.h"

#include <array>
#include <cstring>

namespace ozone {
namespace {

// Column classes of the first 263 bytes, and beyond them (anything goes).
struct ByteRange {
    std::uint8_t low;
    std::uint8_t span;  // allowed: low .. low + span, and the blank
};
constexpr ByteRange integer_column = {'0', 9};
constexpr ByteRange latitude_column = {'.', '9' - '.'};  // '/' too: excluded separately
constexpr ByteRange skipped_column = {0x0E, 0xFF - 0x0E};  // no CR, LF or other low control byte
constexpr ByteRange past_record = {0, 0xFF};

constexpr ByteRange range_of(std::size_t offset) {
    if (offset >= grid_record_width) return past_record;
    if (offset < 4 || (offset >= month_offset && offset < month_offset + 2) || (offset >= day_offset && offset < day_offset + 2)) {
        return integer_column;
    }
    if (offset >= latitude_offset && offset < latitude_offset + latitude_width) return latitude_column;
    if (offset >= value_offset(1) && (offset - value_offset(1)) % 4 != 3) return integer_column;
    return skipped_column;
}

template <std::uint8_t ByteRange::*Member>
constexpr std::array<std::uint8_t, grid_record_scan_width> column_table() {
    std::array<std::uint8_t, grid_record_scan_width> table{};
    for (std::size_t i = 0; i < table.size(); ++i) table[i] = range_of(i).*Member;
    return table;
}

alignas(16) constexpr auto lows = column_table<&ByteRange::low>();
alignas(16) constexpr auto spans = column_table<&ByteRange::span>();

bool latitude_is_plain(const char* record) {
    int points = 0;
    for (std::size_t i = latitude_offset; i < latitude_offset + latitude_width; ++i) {
        if (record[i] == '/') return false;
        points += record[i] == '.';
    }
    return points <= 1;
}

}  // namespace

#if defined(__GNUC__)
bool is_plain_grid_record(const char* record) {
    using Bytes = std::uint8_t __attribute__((vector_size(16)));
    using Mask = std::int8_t __attribute__((vector_size(16)));
    Mask all_ok = {};
    all_ok = ~all_ok;
    for (std::size_t at = 0; at < grid_record_scan_width; at += sizeof(Bytes)) {
        Bytes bytes;
        Bytes low;
        Bytes span;
        std::memcpy(&bytes, record + at, sizeof bytes);
        std::memcpy(&low, lows.data() + at, sizeof low);
        std::memcpy(&span, spans.data() + at, sizeof span);
        // Unsigned wrap-around turns "low <= byte <= low + span" into one compare.
        const Bytes offset = bytes - low;
        all_ok &= (offset <= span) | (bytes == ' ');
    }
    std::uint64_t halves[2];
    std::memcpy(halves, &all_ok, sizeof halves);
    return (halves[0] & halves[1]) == ~std::uint64_t{0} && latitude_is_plain(record);
}
#else
bool is_plain_grid_record(const char* record) { return is_plain_grid_record_bytewise(record); }
#endif

bool is_plain_grid_record_bytewise(const char* record) {
    for (std::size_t i = 0; i < grid_record_width; ++i) {
        const auto byte = static_cast<std::uint8_t>(record[i]);
        if (byte != ' ' && static_cast<std::uint8_t>(byte - lows[i]) > spans[i]) return false;
    }
    return latitude_is_plain(record);
}

}  // namespace ozone
