// The run's work between the wait line and the end line.
#pragma once

#include "run/dialog.h"
#include "run/run_files.h"
#include "text/console.h"

namespace ozone {

// Finds the site's grid point, loads the model and the first satellite file into
// the day tables, writes the merged series and appends the second satellite file.
// Nothing reaches the series file before both loads have finished.
void run_phases(const Site& site, RunFiles& files, Console& console);

}  // namespace ozone
