// Record layouts in the Iw / Fw.d / nX / n(items) notation, as constant item lists.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <variant>

namespace ozone {

struct LayoutItem {
    enum class Kind { integer, fixed, skip };
    Kind kind;
    int width;         // columns taken (or skipped)
    int decimals = 0;  // fixed-point fields only
};

using Layout = std::span<const LayoutItem>;

// One value per field item of a layout, in order: an integer for Iw, a real for Fw.d.
using FieldValue = std::variant<std::int32_t, float>;

namespace notation {

constexpr std::array<LayoutItem, 1> I(int width) { return {{{LayoutItem::Kind::integer, width}}}; }
constexpr std::array<LayoutItem, 1> F(int width, int decimals) {
    return {{{LayoutItem::Kind::fixed, width, decimals}}};
}
constexpr std::array<LayoutItem, 1> X(int count) { return {{{LayoutItem::Kind::skip, count}}}; }

// Items one after another: seq(I(4), X(1), ...).
template <std::size_t... Sizes>
constexpr auto seq(const std::array<LayoutItem, Sizes>&... parts) {
    std::array<LayoutItem, (Sizes + ...)> items{};
    std::size_t at = 0;
    ((std::copy(parts.begin(), parts.end(), items.begin() + static_cast<std::ptrdiff_t>(at)), at += parts.size()), ...);
    return items;
}

// n(items): the items `Count` times over.
template <std::size_t Count, std::size_t Size>
constexpr auto repeat(const std::array<LayoutItem, Size>& group) {
    std::array<LayoutItem, Count * Size> items{};
    for (std::size_t i = 0; i < Count; ++i) std::copy(group.begin(), group.end(), items.begin() + static_cast<std::ptrdiff_t>(i * Size));
    return items;
}

}  // namespace notation

constexpr std::size_t field_count(Layout layout) {
    std::size_t count = 0;
    for (const LayoutItem& item : layout) count += item.kind != LayoutItem::Kind::skip;
    return count;
}

// The record layouts of the system.
namespace layouts {
using namespace notation;

// Grid record: year, month, day, latitude (read, not used), 61 ozone values.
inline constexpr auto grid_record = seq(I(4), X(1), I(2), X(1), I(2), X(1), F(7, 3), X(1), repeat<61>(seq(X(1), I(3))));
// Series record: year, month, day, day of year, o3_inter, o3_grid, index.
inline constexpr auto series_record = seq(X(1), I(4), repeat<2>(seq(X(1), I(2))), X(1), I(3), X(4), F(5, 1), X(5), I(3), X(10), I(1));
// Site record: latitude, longitude.
inline constexpr auto site_record = repeat<2>(seq(X(1), F(5, 2)));

}  // namespace layouts
}  // namespace ozone
