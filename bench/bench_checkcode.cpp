// Time of the check code and of one office lookup, and the heap allocations each makes.
#include "checkcode/check_code.h"
#include "checkcode/offices.h"

#include <benchmark/benchmark.h>

#include "allocation_count.h"

#include <cstddef>
#include <string_view>

namespace {

// The numbers cycle through a one-entry, an empty and the largest result.
constexpr std::string_view kNumbers[] = {"12345678", "99999999", "70000001"};

template <typename Body>
void Measure(benchmark::State& state, Body body) {
    std::size_t i = 0;
    std::size_t selected = 0;
    const long before = AllocationCount();
    for (auto _ : state) {
        selected += body(kNumbers[i]);
        i = (i + 1) % std::size(kNumbers);
    }
    const long allocations = AllocationCount() - before;
    state.counters["allocs_per_call"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
    state.counters["entries_per_call"] =
        benchmark::Counter(static_cast<double>(selected), benchmark::Counter::kAvgIterations);
}

void BM_CheckCode(benchmark::State& state) {
    Measure(state, [](std::string_view number) {
        benchmark::DoNotOptimize(checkcode::ComputeCheckCode(number));
        return std::size_t{0};
    });
}

// The form the main window uses: each entry handed on as it is selected.
std::size_t Lookup(std::string_view number) {
    std::size_t count = 0;
    checkcode::LookupOffices(number, [&count](std::string_view entry) {
        benchmark::DoNotOptimize(entry.data());
        ++count;
    });
    return count;
}

void BM_Lookup(benchmark::State& state) {
    Measure(state, Lookup);
}

void BM_CheckCodeAndLookup(benchmark::State& state) {
    Measure(state, [](std::string_view number) {
        benchmark::DoNotOptimize(checkcode::ComputeCheckCode(number));
        return Lookup(number);
    });
}

// The collecting form: its allocations are the vector holding the selected entries.
void BM_FindOffices(benchmark::State& state) {
    Measure(state, [](std::string_view number) { return checkcode::FindOffices(number).size(); });
}

} // namespace

BENCHMARK(BM_CheckCode);
BENCHMARK(BM_Lookup);
BENCHMARK(BM_CheckCodeAndLookup);
BENCHMARK(BM_FindOffices);

BENCHMARK_MAIN();
