// A fresh temporary folder per test, removed afterwards, with small file helpers.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace ozone::testing {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    void write(std::string_view name, std::string_view content) const;
    std::string read(std::string_view name) const;

private:
    std::filesystem::path path_;
};

std::string read_file(const std::filesystem::path& path);
void write_file(const std::filesystem::path& path, std::string_view content);

}  // namespace ozone::testing
