// Start-up: building the calculator's window and painting its first frame, against a bare window of as many plain
// widgets, which is the floor the toolkit sets. Each iteration times construction, show and first paint; tearing
// the window down is left out of the time. Besides the wall-clock time, the counter cpu_ms gives the thread's CPU
// time for the same span, which stays honest on a machine busy with other work.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <ctime>

#include "app/main_window.h"
#include "windows.h"

namespace vxr::bench {
namespace {

using Clock = std::chrono::steady_clock;

double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Times `build` plus the first frame of what it returns, once per iteration.
template <class Build>
void timeFirstFrame(benchmark::State& state, Build build) {
    double cpu = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double cpu_start = threadCpuSeconds();
        auto window = build();
        showFirstFrame(*window);
        cpu += threadCpuSeconds() - cpu_start;
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        window.reset();
        QCoreApplication::processEvents();  // deferred deletions, so the next iteration starts clean
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1e3, benchmark::Counter::kAvgIterations);
}

int calculatorWidgets() {
    static const int count = widgetCount(app::MainWindow());
    return count;
}

void StartCalculatorWindow(benchmark::State& state) {
    timeFirstFrame(state, [] { return std::make_unique<app::MainWindow>(); });
    state.counters["widgets"] = calculatorWidgets();
}

void StartBareWindow(benchmark::State& state) {
    const int widgets = calculatorWidgets();
    timeFirstFrame(state, [widgets] { return bareWindow(widgets); });
    state.counters["widgets"] = widgets;
}

BENCHMARK(StartCalculatorWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(StartBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
}  // namespace vxr::bench
