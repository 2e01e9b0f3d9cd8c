// Runs the built program in a folder with a given standard input and captures the result.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ozone::testing {

struct ProgramResult {
    int status = -1;  // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// `input` is standard input; without it standard input is /dev/null. A
// `file_size_limit` (bytes) makes every write beyond it fail, as on a full disk.
ProgramResult run_program(const std::filesystem::path& folder, std::optional<std::string> input,
                          std::optional<long> file_size_limit = std::nullopt);

// Runs it with standard input closed, not merely empty.
ProgramResult run_program_with_stdin_closed(const std::filesystem::path& folder);

// Runs it on a pseudo-terminal; returns everything the terminal showed.
ProgramResult run_program_on_terminal(const std::filesystem::path& folder, const std::string& typed);

}  // namespace ozone::testing
