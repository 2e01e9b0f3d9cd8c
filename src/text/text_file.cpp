// Opening, reading, writing and cutting the program's files.
#include "text/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace ozone {
namespace {

// Lines of the grid files are kept whole up to this length; only their first few
// hundred columns are ever examined.
constexpr std::size_t kept_line_length = 64 * 1024;
constexpr std::size_t output_buffer_size = 64 * 1024;
constexpr mode_t new_file_mode = 0666;

// Opens with O_CREAT. Returns the descriptor, or -1 with `failure` set: thrown at
// once when the file did not exist and could not be created, kept for the first
// use otherwise (a directory, a file that exists but cannot be opened).
int open_or_create(const std::string& name, int flags, std::optional<RunFailure>& failure, const char* action) {
    for (;;) {
        const int fd = ::open(name.c_str(), flags | O_CREAT | O_CLOEXEC, new_file_mode);
        if (fd >= 0) return fd;
        if (errno == EINTR) continue;
        const int error = errno;
        struct stat info;
        if (::stat(name.c_str(), &info) != 0) throw file_failure(name, "create", error);
        failure = file_failure(name, action, error);
        return -1;
    }
}

bool is_regular_file(int fd) {
    struct stat info;
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

InputFile::InputFile(std::string name, std::string activity)
    : name_(std::move(name)), activity_(std::move(activity)) {
    fd_ = open_or_create(name_, O_RDONLY, open_failure_, "read");
    owns_fd_ = fd_ >= 0;
    if (fd_ >= 0) reader_.emplace(fd_, kept_line_length);
}

InputFile::InputFile(int fd, std::string name, std::string activity, std::size_t kept_length)
    : name_(std::move(name)), activity_(std::move(activity)), fd_(fd) {
    reader_.emplace(fd_, kept_length);
}

InputFile::~InputFile() {
    if (owns_fd_) ::close(fd_);
}

std::optional<std::string_view> InputFile::next_line() {
    if (open_failure_) throw *open_failure_;
    std::string_view content;
    switch (reader_->next(content)) {
        case LineReader::Result::line: return content;
        case LineReader::Result::end: return std::nullopt;
        case LineReader::Result::error: break;
    }
    fail_to_read();
}

std::string_view InputFile::window(std::size_t wanted) {
    if (open_failure_) throw *open_failure_;
    std::string_view bytes;
    if (reader_->window(bytes, wanted) == LineReader::Result::error) fail_to_read();
    return bytes;
}

void InputFile::fail_to_read() const { throw file_failure(name_, "read", reader_->error_number()); }

TextPosition InputFile::position(std::string_view line) const {
    return {name_, reader_ ? reader_->line_number() : 0, line, activity_};
}

OutputFile::OutputFile(std::string name) : name_(std::move(name)) {
    fd_ = open_or_create(name_, O_WRONLY, open_failure_, "write");
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) ::close(fd_);
}

void OutputFile::write_line(std::string_view content) {
    if (open_failure_) throw *open_failure_;
    received_lines_ = true;
    pending_.append(content).append("\r\n");
    if (pending_.size() >= output_buffer_size) flush();
}

void OutputFile::flush() {
    std::size_t done = 0;
    while (done < pending_.size()) {
        const ssize_t wrote = ::write(fd_, pending_.data() + done, pending_.size() - done);
        if (wrote > 0) {
            done += static_cast<std::size_t>(wrote);
            continue;
        }
        if (wrote < 0 && errno == EINTR) continue;
        const int error = wrote < 0 ? errno : ENOSPC;
        // A reader would take a torn last line for a whole one: keep complete lines only.
        const std::size_t last_line_end = pending_.rfind('\n', done == 0 ? 0 : done - 1);
        const std::size_t complete = (done == 0 || last_line_end == std::string::npos) ? 0 : last_line_end + 1;
        cut_to(committed_ + static_cast<long long>(complete));
        committed_ += static_cast<long long>(complete);
        pending_.clear();
        throw file_failure(name_, "write", error);
    }
    committed_ += static_cast<long long>(done);
    pending_.clear();
}

void OutputFile::close() {
    if (fd_ < 0 || !received_lines_) return;
    flush();
    cut_to(committed_);
}

void OutputFile::cut_to(long long length) {
    // Devices and pipes have no length to cut.
    if (is_regular_file(fd_)) {
        while (::ftruncate(fd_, length) != 0 && errno == EINTR) {
        }
    }
}

}  // namespace ozone
