// Fuzzes free-form console input: any bytes end in two values or a specified status.
#include <array>
#include <cstdlib>

#include "memory_file.h"
#include "text/free_form.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ozone::fuzzing::MemoryFile memory(data, size);
    ozone::InputFile input(memory.fd(), "standard input", "reading the site", 4096);
    std::array<float, 2> site = {0.0f, 0.0f};
    try {
        ozone::read_free_form(input, site);
    } catch (const ozone::RunFailure& failure) {
        if (failure.status != 4 && failure.status != 8 && failure.status != 12) std::abort();
        if (failure.diagnostic.find("standard input") == std::string::npos) std::abort();
    }
    return 0;
}
