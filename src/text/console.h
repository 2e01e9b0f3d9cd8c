// Console lines on standard output: each text alone on its line.
#pragma once

#include <string_view>

namespace ozone {

class Console {
public:
    // `fd` is standard output in the program, any descriptor in tests.
    explicit Console(int fd);

    // Shows `text` exactly as given on a line of its own. Redirected output gets
    // CR LF after each text; on a terminal the line break is held back until
    // something else reaches the screen, so the cursor waits after a prompt.
    void show_line(std::string_view text);
    // Writes a held-back line break, before a diagnostic or at the end of the run.
    void end_pending_line();

private:
    void write_all(std::string_view bytes);

    int fd_;
    bool is_terminal_;
    bool line_break_pending_ = false;
};

}  // namespace ozone
