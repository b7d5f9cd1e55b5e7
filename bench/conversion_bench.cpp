// One conversion in each direction (read, exact multiply or divide, format) against the C library
// writing the same result with two decimals; and the test a field's text goes through at every
// keystroke, for a plain amount, for one pasted with its unit and a line end, and for one whose
// unit is being typed.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "core/conversion.h"

namespace {

const trelumo::Conversion conversion;

void pts_from_euro_text(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(conversion.pts_from_euro_text("1.234,56"));
}

void euro_from_pts_text(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(conversion.euro_from_pts_text("205.432"));
}

void snprintf_two_decimals(benchmark::State& state, double value) {
    char buffer[64];
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.2f", value));
        benchmark::ClobberMemory();
    }
}

void is_beginning(benchmark::State& state, const char* text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(conversion.is_beginning(trelumo::Currency::euro, text));
    }
}

}  // namespace

BENCHMARK(pts_from_euro_text);
BENCHMARK_CAPTURE(snprintf_two_decimals, pts_value, 1234.56 * 166.386);
BENCHMARK(euro_from_pts_text);
BENCHMARK_CAPTURE(snprintf_two_decimals, euro_value, 205432 / 166.386);

BENCHMARK_CAPTURE(is_beginning, plain, "1.234,56");
BENCHMARK_CAPTURE(is_beginning, with_unit_and_line_end, "1.234,56 \u20AC\n");
BENCHMARK_CAPTURE(is_beginning, unit_being_typed, "1.234,56 eu");

BENCHMARK_MAIN();
