// The console dialog of a run.
#include "run/dialog.h"

#include <array>

#include "text/free_form.h"
#include "text/record.h"

namespace ozone {

Site hold_dialog(Console& console, InputFile& console_input, OutputFile& site_record) {
    write_text_line(console, " Time series for the site within area: 31-80N, 25W-35E");
    write_text_line(console, " Output in file timeseries.txt");
    write_text_line(console, " Daily O3 for the period Jan,1, 1950 - March, 20, 2009");
    write_text_line(console, "READ latitude and longitude for the site, e.g. 52.10,   5.18");

    std::array<float, 2> coordinates = {0.0f, 0.0f};
    read_free_form(console_input, coordinates);
    const Site site{coordinates[0], coordinates[1]};

    const std::array<FieldValue, 2> record = {site.lat, site.lon};
    write_record(site_record, layouts::site_record, record);
    site_record.flush();

    write_text_line(console, " Wait - program is running, expected time of calculation 2-3 minute on standard PC");
    return site;
}

}  // namespace ozone
