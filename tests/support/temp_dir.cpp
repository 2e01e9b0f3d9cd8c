// Temporary folders for tests.
#include "support/temp_dir.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include <stdlib.h>

namespace ozone::testing {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ozone_test_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempDir::write(std::string_view name, std::string_view content) const { write_file(path_ / name, content); }
std::string TempDir::read(std::string_view name) const { return read_file(path_ / name); }

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void write_file(const std::filesystem::path& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

}  // namespace ozone::testing
