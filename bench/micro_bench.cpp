// Micro-benchmarks: the grid record reader (general and fast) and the fixed-point writer.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "grid/grid_record_scan.h"
#include "text/field_format.h"
#include "text/field_parse.h"
#include "text/layout.h"

namespace {

std::string sample_record() {
    std::string line = "1987  3  4  52.000 ";
    for (int col = 1; col <= 61; ++col) line.append(" ").append(std::to_string(250 + (col * 37) % 200));
    line.append(16, '\n');  // the bytes the fast scan may read past the record
    return line;
}

void general_record_reader(benchmark::State& state) {
    const std::string line = sample_record();
    for (auto _ : state) {
        std::int64_t sum = 0;
        std::size_t column = 0;
        for (const ozone::LayoutItem& item : ozone::layouts::grid_record) {
            const std::string_view field = std::string_view(line).substr(column, static_cast<std::size_t>(item.width));
            if (item.kind == ozone::LayoutItem::Kind::integer) sum += ozone::parse_integer_field(field).value;
            if (item.kind == ozone::LayoutItem::Kind::fixed) sum += static_cast<std::int64_t>(ozone::parse_fixed_field(field, item.decimals).value);
            column += static_cast<std::size_t>(item.width);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 265);
}
BENCHMARK(general_record_reader);

void plain_record_reader(benchmark::State& state) {
    const std::string line = sample_record();
    for (auto _ : state) {
        bool plain = ozone::is_plain_grid_record(line.data());
        std::int32_t sum = 0;
        for (int col : {30, 31, 32}) sum += ozone::plain_integer(line.data() + ozone::value_offset(col), 3);
        benchmark::DoNotOptimize(plain);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 265);
}
BENCHMARK(plain_record_reader);

void fixed_point_writer(benchmark::State& state) {
    float value = 250.25f;
    std::string line;
    for (auto _ : state) {
        line.clear();
        ozone::append_fixed_field(line, value, 5, 1);
        benchmark::DoNotOptimize(line.data());
        value = value < 480.0f ? value + 0.37f : 250.25f;
    }
}
BENCHMARK(fixed_point_writer);

}  // namespace

BENCHMARK_MAIN();
