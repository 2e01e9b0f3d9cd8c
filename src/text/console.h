// Console lines on standard output, each text alone on its line, and reports on
// standard error.
#pragma once

#include <string_view>

namespace ozone {

class Console {
public:
    // Standard output and standard error in the program, any descriptors in tests.
    Console(int out_fd, int err_fd);

    // Shows `text` exactly as given on a line of its own. Redirected output gets
    // CR LF after each text; on a terminal the line break is held back until
    // something else reaches the screen, so the cursor waits after a prompt.
    void show_line(std::string_view text);
    // Writes a diagnostic or warning (with its own line ends) to standard error,
    // after any held-back line break.
    void report(std::string_view message);
    // Writes a held-back line break, at the end of the run.
    void end_pending_line();

private:
    static void write_all(int fd, std::string_view bytes);

    int fd_;
    int err_fd_;
    bool is_terminal_;
    bool line_break_pending_ = false;
};

}  // namespace ozone
