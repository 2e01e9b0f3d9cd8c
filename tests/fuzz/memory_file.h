// Fuzz input as an open file: an anonymous in-memory file holding the bytes.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace ozone::fuzzing {

class MemoryFile {
public:
    MemoryFile(const std::uint8_t* data, std::size_t size) : fd_(::memfd_create("fuzz", 0)) {
        if (fd_ < 0 || ::write(fd_, data, size) != static_cast<ssize_t>(size) || ::lseek(fd_, 0, SEEK_SET) != 0) std::abort();
    }
    ~MemoryFile() { ::close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    int fd() const { return fd_; }

private:
    int fd_;
};

}  // namespace ozone::fuzzing
