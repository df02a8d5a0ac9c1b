#pragma once
// Registers a benchmark beside its floor: "name" times the program's work,
// "name/floor" the least work that gives a result of the same size, so
// tools/bench can show the two side by side as a ratio.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>

namespace vask::bench {

template <typename Work, typename Floor>
void registerPair(const std::string& name, Work work, Floor floor, benchmark::TimeUnit unit = benchmark::kNanosecond) {
    benchmark::RegisterBenchmark(name.c_str(), std::move(work))->Unit(unit);
    benchmark::RegisterBenchmark((name + "/floor").c_str(), std::move(floor))->Unit(unit);
}

}  // namespace vask::bench
