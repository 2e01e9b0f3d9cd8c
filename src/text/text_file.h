// The program's files: input read line by line, output written line by line and
// cut to this run's lines when closed. Failures to open show at first use.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/failure.h"
#include "text/line_reader.h"

namespace ozone {

class InputFile {
public:
    // Opens `name` for reading, creating it empty when missing. A file that cannot
    // be created throws at once; any other failure to open shows at the first read.
    // `activity` says, in diagnostics, what the run is doing when it reads the file.
    InputFile(std::string name, std::string activity);
    // Reads an already open descriptor (not owned), such as standard input.
    InputFile(int fd, std::string name, std::string activity, std::size_t kept_length);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // The next line's content, or nothing at end of file. Throws RunFailure when
    // the file cannot be read.
    std::optional<std::string_view> next_line();

    // Direct access to the unread bytes for fixed-length records (see LineReader):
    // empty at end of file; throws RunFailure as next_line does.
    std::string_view window(std::size_t wanted);
    void consume_line(std::size_t length) { reader_->consume_line(length); }

    const std::string& name() const { return name_; }
    // Where the line last returned stands, for diagnostics.
    TextPosition position(std::string_view line) const;

private:
    [[noreturn]] void fail_to_read() const;

    std::string name_;
    std::string activity_;
    int fd_ = -1;
    bool owns_fd_ = false;
    std::optional<RunFailure> open_failure_;
    std::optional<LineReader> reader_;
};

class OutputFile {
public:
    // Opens `name` for writing from its first byte, creating it when missing; the old
    // content stays until lines are written. Failure as for InputFile.
    explicit OutputFile(std::string name);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Adds `content` and CR LF. Throws RunFailure on a write failure, after cutting
    // the file back to its last complete line.
    void write_line(std::string_view content);
    // Writes out every buffered line; throws as write_line does.
    void flush();
    // Flushes and cuts the file to exactly the lines written by this run (when it got
    // any). Called once at the end of the run, also after a failure; throws as flush.
    void close();

    const std::string& name() const { return name_; }

private:
    void cut_to(long long length);

    std::string name_;
    int fd_ = -1;
    std::optional<RunFailure> open_failure_;
    std::string pending_;            // complete lines not yet handed to the system
    long long committed_ = 0;        // bytes the system has taken
    bool received_lines_ = false;
};

}  // namespace ozone
