// The console dialog: banner, prompt, the site as typed, and the site record.
#pragma once

#include "text/console.h"
#include "text/text_file.h"

namespace ozone {

struct Site {
    float lat = 0.0f;  // degrees north
    float lon = 0.0f;  // degrees east
};

// Shows the banner and the prompt, reads the site as free-form input, writes the
// site record (at once, so that a failing disk shows before the run goes on) and
// shows the wait line. A coordinate the input leaves without a value stays 0.0.
Site hold_dialog(Console& console, InputFile& console_input, OutputFile& site_record);

}  // namespace ozone
