// Starting the program as a child process, on files or on a pseudo-terminal.
#include "support/program_run.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "support/temp_dir.h"

namespace ozone::testing {
namespace {

int exit_status_of(pid_t child) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

[[noreturn]] void exec_program(const std::filesystem::path& folder) {
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    ::execl(OZONE_SERIES_PROGRAM, "ozone_series", static_cast<char*>(nullptr));
    ::_exit(127);
}

// Runs the program with standard output and error captured; `prepare` runs in the
// child before the program starts, to set up standard input and limits.
template <typename Prepare>
ProgramResult run_captured(const std::filesystem::path& folder, Prepare prepare) {
    TempDir streams;
    const auto out_path = streams / "stdout";
    const auto err_path = streams / "stderr";
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        const int out = ::open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0) ::_exit(127);
        ::dup2(out, 1);
        ::dup2(err, 2);
        prepare();
        exec_program(folder);
    }
    ProgramResult result;
    result.status = exit_status_of(child);
    result.out = read_file(out_path);
    result.err = read_file(err_path);
    return result;
}

}  // namespace

ProgramResult run_program(const std::filesystem::path& folder, std::optional<std::string> input,
                          std::optional<long> file_size_limit) {
    TempDir stdin_dir;
    const auto in_path = stdin_dir / "stdin";
    if (input) write_file(in_path, *input);
    return run_captured(folder, [&] {
        const int in = ::open(input ? in_path.c_str() : "/dev/null", O_RDONLY);
        if (in < 0) ::_exit(127);
        ::dup2(in, 0);
        if (file_size_limit) {
            const struct rlimit limit = {static_cast<rlim_t>(*file_size_limit), static_cast<rlim_t>(*file_size_limit)};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(127);
        }
    });
}

ProgramResult run_program_with_stdin_closed(const std::filesystem::path& folder) {
    return run_captured(folder, [] { ::close(0); });
}

ProgramResult run_program_on_terminal(const std::filesystem::path& folder, const std::string& typed) {
    // Raw bytes as the program wrote them: no echo, no newline translation.
    struct termios modes {};
    ::cfmakeraw(&modes);
    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, &modes, nullptr);
    if (child < 0) throw std::runtime_error("forkpty failed");
    if (child == 0) exec_program(folder);
    if (::write(terminal, typed.data(), typed.size()) < 0) throw std::runtime_error("write to terminal failed");

    ProgramResult result;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(terminal, buffer, sizeof buffer);
        if (got > 0) {
            result.out.append(buffer, static_cast<std::size_t>(got));
        } else if (got < 0 && errno == EINTR) {
            continue;
        } else {
            break;  // EIO once the program has ended
        }
    }
    ::close(terminal);
    result.status = exit_status_of(child);
    return result;
}

}  // namespace ozone::testing
