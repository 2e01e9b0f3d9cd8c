// The five files of a run, opened in their fixed order and closed together.
#pragma once

#include "text/text_file.h"

namespace ozone {

namespace file_names {
inline constexpr const char* model = "kavrin4_new.txt";
inline constexpr const char* first_satellite = "niwa_new.txt";
inline constexpr const char* second_satellite = "omi_new.txt";
inline constexpr const char* site_record = "latit_longit.txt";
inline constexpr const char* series = "timeseries.txt";
}  // namespace file_names

// Members are opened in declaration order: the three grid files, then the two
// output files. A file that cannot be created throws from the constructor.
struct RunFiles {
    RunFiles();

    // Flushes and cuts both output files; throws on a write failure.
    void close();
    // The same after a failure has ended the run: further failures change nothing.
    void close_after_failure() noexcept;

    InputFile model;
    InputFile first_satellite;
    InputFile second_satellite;
    OutputFile site_record;
    OutputFile series;
};

}  // namespace ozone
