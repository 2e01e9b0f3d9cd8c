// Console output, framed for a terminal or for a file or pipe.
#include "text/console.h"

#include <unistd.h>

#include <cerrno>

namespace ozone {

Console::Console(int out_fd, int err_fd) : fd_(out_fd), err_fd_(err_fd), is_terminal_(::isatty(out_fd) == 1) {}

void Console::show_line(std::string_view text) {
    end_pending_line();
    write_all(fd_, text);
    if (is_terminal_) {
        line_break_pending_ = true;
    } else {
        write_all(fd_, "\r\n");
    }
}

void Console::report(std::string_view message) {
    end_pending_line();
    write_all(err_fd_, message);
}

void Console::end_pending_line() {
    if (!line_break_pending_) return;
    line_break_pending_ = false;
    write_all(fd_, "\r\n");
}

// Console messages are not data: a closed or full standard output does not end the run.
void Console::write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t wrote = ::write(fd, bytes.data(), bytes.size());
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
