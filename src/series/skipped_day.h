// The warning for a grid day whose date cannot be placed in the series.
#pragma once

#include <string_view>

#include "grid/grid_day.h"
#include "text/console.h"

namespace ozone {

void warn_skipped_day(Console& console, std::string_view file_name, const GridDate& date, std::string_view reason);

}  // namespace ozone
