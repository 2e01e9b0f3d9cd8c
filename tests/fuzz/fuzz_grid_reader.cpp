// Fuzzes grid-day reading: arbitrary bytes as a grid file, read by the fast reader
// and by the general record reader, which must agree on every day and every failure.
#include <cstdlib>
#include <memory>
#include <vector>

#include "grid/grid_day.h"
#include "memory_file.h"

namespace {

struct Outcome {
    std::vector<ozone::GridDay> days;
    int status = 0;
    std::string diagnostic;
};

template <typename ReadDay>
Outcome read_all(const std::uint8_t* data, std::size_t size, ReadDay read_day) {
    ozone::fuzzing::MemoryFile memory(data, size);
    ozone::InputFile file(memory.fd(), "grid.txt", "fuzzing", 64 * 1024);
    Outcome outcome;
    auto day = std::make_unique<ozone::GridDay>();
    try {
        while (read_day(file, *day)) outcome.days.push_back(*day);
    } catch (const ozone::RunFailure& failure) {
        if (failure.status != 4 && failure.status != 8) std::abort();
        outcome.status = failure.status;
        outcome.diagnostic = failure.diagnostic;
    }
    return outcome;
}

std::vector<ozone::GridPoint> all_points() {
    std::vector<ozone::GridPoint> points;
    for (int row = 1; row <= ozone::grid_rows; ++row) {
        for (int col = 1; col <= ozone::grid_cols; ++col) points.push_back({row, col});
    }
    return points;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<ozone::GridPoint> points = all_points();
    const Outcome general = read_all(data, size, [](ozone::InputFile& file, ozone::GridDay& day) { return ozone::read_grid_day(file, day); });
    std::unique_ptr<ozone::GridDayReader> reader;
    const Outcome fast = read_all(data, size, [&](ozone::InputFile& file, ozone::GridDay& day) {
        if (!reader) reader = std::make_unique<ozone::GridDayReader>(file, points);
        return reader->read(day);
    });
    if (fast.status != general.status || fast.diagnostic != general.diagnostic || fast.days.size() != general.days.size()) std::abort();
    for (std::size_t d = 0; d < fast.days.size(); ++d) {
        const ozone::GridDay& a = fast.days[d];
        const ozone::GridDay& b = general.days[d];
        if (a.date.year != b.date.year || a.date.month != b.date.month || a.date.day != b.date.day || a.raw != b.raw || a.o3 != b.o3) {
            std::abort();
        }
    }
    return 0;
}
