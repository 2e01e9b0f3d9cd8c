// Console output, framed for a terminal or for a file or pipe.
#include "text/console.h"

#include <unistd.h>

#include <cerrno>

namespace ozone {

Console::Console(int fd) : fd_(fd), is_terminal_(::isatty(fd) == 1) {}

void Console::show_line(std::string_view text) {
    end_pending_line();
    write_all(text);
    if (is_terminal_) {
        line_break_pending_ = true;
    } else {
        write_all("\r\n");
    }
}

void Console::end_pending_line() {
    if (!line_break_pending_) return;
    line_break_pending_ = false;
    write_all("\r\n");
}

// Console messages are not data: a closed or full standard output does not end the run.
void Console::write_all(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t wrote = ::write(fd_, bytes.data(), bytes.size());
        if (wrote > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(wrote));
        } else if (wrote < 0 && errno == EINTR) {
            continue;
        } else {
            return;
        }
    }
}

}  // namespace ozone
