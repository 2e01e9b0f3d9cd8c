// The program's entry: opens the files, holds the dialog, runs the phases, ends the run.
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <optional>

#include "run/dialog.h"
#include "run/phases.h"
#include "run/run_files.h"
#include "text/record.h"

namespace {

// Console lines may be longer than a file's, but a typed site is short.
constexpr std::size_t kept_console_line_length = 1024 * 1024;

int run() {
    using namespace ozone;
    Console console(STDOUT_FILENO, STDERR_FILENO);
    std::optional<RunFiles> files;
    try {
        files.emplace();
        InputFile console_input(STDIN_FILENO, "standard input", "reading the site's latitude and longitude",
                                kept_console_line_length);
        const Site site = hold_dialog(console, console_input, files->site_record);
        run_phases(site, *files, console);
        write_text_line(console, " END OF CALCULATIONS");
        files->close();
        console.end_pending_line();
        return exit_status::success;
    } catch (const RunFailure& failure) {
        if (files) files->close_after_failure();
        console.report(failure.diagnostic);
        console.end_pending_line();
        return failure.status;
    }
}

// A standard stream that was closed when the program started would hand its number
// to the first file opened, and the site would be read from a grid file.
bool open_closed_standard_streams() {
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) < 0 && ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY) != fd) return false;
    }
    return true;
}

}  // namespace

int main() {
    if (!open_closed_standard_streams()) return ozone::exit_status::file_failure;
    // A closed console pipe or a file size limit must not kill the run: the write
    // fails instead, and the run ends with its diagnostic and its files cut clean.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    return run();
}
