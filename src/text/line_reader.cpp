// Lines are found with memchr over one fixed buffer refilled by large reads.
#include "text/line_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ozone {
namespace {

constexpr std::size_t chunk_size = 128 * 1024;

std::string_view up_to_carriage_return(const char* start, std::size_t length) {
    const void* cr = std::memchr(start, '\r', length);
    return {start, cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - start) : length};
}

}  // namespace

LineReader::LineReader(int fd, std::size_t kept_length)
    : fd_(fd), capacity_(std::max(kept_length, chunk_size)), buffer_(new char[capacity_ + slack]()) {}

bool LineReader::fill() {
    if (at_end_) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    while (end_ < capacity_) {
        const ssize_t got = ::read(fd_, buffer_.get() + end_, capacity_ - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return true;
        }
        if (got == 0) {
            at_end_ = true;
            return false;
        }
        if (errno != EINTR) {
            error_number_ = errno;
            at_end_ = true;
            return false;
        }
    }
    return true;
}

bool LineReader::pass_over_rest_of_line() {
    for (;;) {
        const char* start = buffer_.get() + begin_;
        if (const void* lf = std::memchr(start, '\n', end_ - begin_)) {
            begin_ += static_cast<std::size_t>(static_cast<const char*>(lf) - start) + 1;
            rest_of_line_pending_ = false;
            return true;
        }
        begin_ = end_ = 0;
        if (!fill()) return error_number_ == 0;
    }
}

LineReader::Result LineReader::window(std::string_view& bytes, std::size_t wanted) {
    if (rest_of_line_pending_ && !pass_over_rest_of_line()) return Result::error;
    while (end_ - begin_ < wanted && fill()) {
    }
    if (error_number_ != 0) return Result::error;
    bytes = {buffer_.get() + begin_, end_ - begin_};
    return bytes.empty() ? Result::end : Result::line;
}

void LineReader::consume_line(std::size_t length) {
    begin_ += length;
    ++line_number_;
}

LineReader::Result LineReader::next(std::string_view& content) {
    if (rest_of_line_pending_ && !pass_over_rest_of_line()) return Result::error;
    std::size_t searched = 0;  // bytes after begin_ known to hold no LF
    for (;;) {
        const char* start = buffer_.get() + begin_;
        const std::size_t available = end_ - begin_;
        if (const void* lf = std::memchr(start + searched, '\n', available - searched)) {
            const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - start);
            content = up_to_carriage_return(start, length);
            begin_ += length + 1;
            ++line_number_;
            return Result::line;
        }
        searched = available;
        if (available == capacity_) {
            // Too long to keep whole: keep its start, pass over the rest next time.
            content = up_to_carriage_return(start, available);
            begin_ = end_;
            rest_of_line_pending_ = true;
            ++line_number_;
            return Result::line;
        }
        if (!fill()) {
            if (error_number_ != 0) return Result::error;
            if (end_ == begin_) return Result::end;
            content = up_to_carriage_return(buffer_.get() + begin_, end_ - begin_);
            begin_ = end_;
            ++line_number_;
            return Result::line;
        }
    }
}

}  // namespace ozone
