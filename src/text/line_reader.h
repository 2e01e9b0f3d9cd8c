// Buffered reading of text lines from a file descriptor, LF or CR LF terminated.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace ozone {

class LineReader {
public:
    enum class Result { line, end, error };

    // Reads `fd` (not owned) in chunks; lines longer than `kept_length` keep only
    // their first `kept_length` bytes and the rest of the line is passed over, so
    // memory stays bounded whatever the input.
    LineReader(int fd, std::size_t kept_length);

    // The next line's content: everything up to its first CR or LF. A last line
    // without terminator is a line; an empty line is a line. The view stays valid
    // until the next call.
    Result next(std::string_view& content);

    // Direct access for readers of fixed-length records: the unread bytes, at least
    // `wanted` of them unless the file ends first (`wanted` must not exceed the
    // buffer). Reading up to `slack` bytes past the returned view is always safe.
    Result window(std::string_view& bytes, std::size_t wanted);
    // The first `length` bytes of the window are one line with its terminator.
    void consume_line(std::size_t length);

    static constexpr std::size_t slack = 64;

    long line_number() const { return line_number_; }
    int error_number() const { return error_number_; }

private:
    bool fill();  // reads more bytes after the unread ones; false at end of file or on error
    bool pass_over_rest_of_line();

    int fd_;
    std::size_t capacity_;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;  // first unread byte
    std::size_t end_ = 0;    // one past the last byte read from the file
    bool at_end_ = false;
    bool rest_of_line_pending_ = false;
    long line_number_ = 0;
    int error_number_ = 0;
};

}  // namespace ozone
