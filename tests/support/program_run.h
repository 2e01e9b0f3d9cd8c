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

// `input` is standard input; without it standard input is /dev/null.
ProgramResult run_program(const std::filesystem::path& folder, std::optional<std::string> input);

// Runs it on a pseudo-terminal; returns everything the terminal showed.
ProgramResult run_program_on_terminal(const std::filesystem::path& folder, const std::string& typed);

}  // namespace ozone::testing
