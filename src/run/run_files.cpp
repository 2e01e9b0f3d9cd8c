// Opening and closing the five files of a run.
#include "run/run_files.h"

namespace ozone {

RunFiles::RunFiles()
    : model(file_names::model, "loading the model file"),
      first_satellite(file_names::first_satellite, "loading the first satellite file"),
      second_satellite(file_names::second_satellite, "appending the second satellite file to the series"),
      site_record(file_names::site_record),
      series(file_names::series) {}

void RunFiles::close() {
    site_record.close();
    series.close();
}

void RunFiles::close_after_failure() noexcept {
    for (OutputFile* file : {&site_record, &series}) {
        try {
            file->close();
        } catch (const RunFailure&) {
            // The run already ends with the first failure's status and diagnostic.
        }
    }
}

}  // namespace ozone
