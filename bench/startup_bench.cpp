// Start-up: building the calculator's window and painting its first frame, against a bare window of as many plain
// widgets, which is the floor the toolkit sets. Each iteration times construction, show and first paint; tearing
// the window down is left out of the time. Besides the wall-clock time, the counter cpu_ms gives the thread's CPU
// time for the same span, which stays honest on a machine busy with other work.
//
// The window builds a page when it is first opened, so at its first frame it holds fewer widgets than it does once
// every page has been opened. The bare window is measured at both counts, and the cost of opening a page for the
// first time is measured on its own.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <ctime>

#include "app/main_window.h"
#include "app/tab_control.h"
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
    settle();
    for (auto _ : state) {
        const auto start = Clock::now();
        const double cpu_start = threadCpuSeconds();
        auto window = build();
        showFirstFrame(*window);
        cpu += threadCpuSeconds() - cpu_start;
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        window.reset();
        settle();
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1e3, benchmark::Counter::kAvgIterations);
}

int widgetsAtFirstFrame() {
    static const int count = [] {
        app::MainWindow window;
        showFirstFrame(window);
        return widgetCount(window);
    }();
    return count;
}

int widgetsComplete() {
    static const int count = completeCalculatorWidgets();
    return count;
}

void StartCalculatorWindow(benchmark::State& state) {
    timeFirstFrame(state, [] { return std::make_unique<app::MainWindow>(); });
    state.counters["widgets"] = widgetsAtFirstFrame();
}

// As many plain widgets as the calculator's window holds with every page built.
void StartBareWindow(benchmark::State& state) {
    const int widgets = widgetsComplete();
    timeFirstFrame(state, [widgets] { return bareWindow(widgets); });
    state.counters["widgets"] = widgets;
}

// As many plain widgets as the calculator's window holds at its first frame.
void StartBareWindowAtFirstFrameCount(benchmark::State& state) {
    const int widgets = widgetsAtFirstFrame();
    timeFirstFrame(state, [widgets] { return bareWindow(widgets); });
    state.counters["widgets"] = widgets;
}

// Opening a page for the first time on a window just shown: building the page and painting it.
void OpenPageFirstTime(benchmark::State& state) {
    const int index = static_cast<int>(state.range(0));
    double cpu = 0;
    for (auto _ : state) {
        auto window = std::make_unique<app::MainWindow>();
        showFirstFrame(*window);
        app::TabControl* tabs = window->tabs();
        const auto start = Clock::now();
        const double cpu_start = threadCpuSeconds();
        paintAfter(*tabs, [tabs, index] { tabs->setCurrentIndex(index); });
        cpu += threadCpuSeconds() - cpu_start;
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        window.reset();
        settle();
    }
    state.counters["cpu_ms"] = benchmark::Counter(cpu * 1e3, benchmark::Counter::kAvgIterations);
}

BENCHMARK(StartCalculatorWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(StartBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(StartBareWindowAtFirstFrameCount)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
// The pages with controls; the page the window opens on (4) is built with it.
BENCHMARK(OpenPageFirstTime)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Arg(10)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vxr::bench
