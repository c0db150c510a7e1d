// The water/steam properties: one full state (every property, transport included) per call, in each region and on
// the saturation line, where region 3 solves for its densities. The budget is 20 µs a state.
//   vxr_bench --benchmark_filter=WaterSteam
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "calc/properties/water_steam.h"

namespace {

using namespace vxr::calc::water;

// (t ℃, p kPa) cycled through, so that no two calls in a row ask for the same state.
template <std::size_t N>
void states(benchmark::State& state, const std::array<std::array<double, 2>, N>& points) {
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& point = points[i++ % N];
        benchmark::DoNotOptimize(at(point[0], point[1]));
    }
}

void WaterSteamRegion1(benchmark::State& state) {
    states<4>(state, {{{20, 101.325}, {150, 1000}, {250, 20000}, {340, 100000}}});
}

void WaterSteamRegion2(benchmark::State& state) {
    states<4>(state, {{{100, 50}, {300, 1000}, {500, 20000}, {800, 100000}}});
}

// Liquid-like, vapour-like and supercritical states of region 3, the critical neighbourhood included.
void WaterSteamRegion3(benchmark::State& state) {
    states<6>(state, {{{355, 20000}, {365, 19500}, {373.9, 22100}, {380, 25000}, {420, 60000}, {500, 100000}}});
}

// Saturated liquid and vapour (two full states) at a temperature, above 350 ℃ both from region 3.
void WaterSteamSaturation(benchmark::State& state) {
    constexpr std::array<double, 4> kTemperatures = {100, 250, 360, 373.5};
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(saturation_at_temperature(kTemperatures[i++ % 4]));
}

}  // namespace

BENCHMARK(WaterSteamRegion1);
BENCHMARK(WaterSteamRegion2);
BENCHMARK(WaterSteamRegion3);
BENCHMARK(WaterSteamSaturation);
