// Warnings for grid days skipped because of their date.
#include "series/site_days.h"

#include <cstdio>
#include <string>

namespace ozone {

void warn_skipped_day(Console& console, std::string_view file_name, const GridDate& date, std::string_view reason) {
    char date_text[48];
    std::snprintf(date_text, sizeof date_text, "%04d-%02d-%02d", date.year, date.month, date.day);
    console.report("ozone_series: warning: " + std::string(file_name) + ": grid day dated " + date_text + " " +
                   std::string(reason) + "; skipped\n");
}

}  // namespace ozone
