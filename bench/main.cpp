// The benchmarks' entry point. With no mode argument it runs every benchmark offscreen and ends with a summary
// against the goals. The other modes each measure one window in a fresh process, for scripts/bench.sh:
//   vxr_bench --widget-count                 prints how many widgets the calculator's window holds, every page built
//   vxr_bench --start=calculator             builds the calculator's window, shows its first frame and prints the
//   vxr_bench --start=bare --widgets=N       process's peak memory (VmHWM) and the time from entry to first frame
//   vxr_bench --repeat-start=N [--bare]      builds and shows the calculator's window (or the bare one) N times,
//                                            for a profiler
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/look.h"
#include "app/main_window.h"
#include "bench_main.h"
#include "windows.h"

namespace vxr::bench {
namespace {

int g_boxes_closed = 0;

// The offscreen platform warns of every fixed-size window, and Qt of a missing runtime directory; neither says
// anything about the program.
QtMessageHandler g_default_handler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (g_default_handler) g_default_handler(type, context, message);
}

// The console report, plus each benchmark's real time per iteration in seconds (the median where repeated).
class Recorder : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so a saved log stays plain text.
    Recorder() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

    struct Result {
        std::string name;
        std::string label;  // the full name, arguments included
        double seconds;     // wall-clock time per iteration
        double cpu_ms;      // the cpu_ms counter, where the benchmark keeps one
    };
    std::vector<Result> results;  // in the order run

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            // Repeated benchmarks count by their median; a single run by itself.
            if (run.run_type == Run::RT_Iteration ? run.repetitions > 1 : run.aggregate_name != "median") continue;
            const auto cpu = run.counters.find("cpu_ms");
            results.push_back({run.run_name.function_name, run.run_name.str(),
                               run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit),
                               cpu == run.counters.end() ? 0.0 : cpu->second.value});
        }
    }
};

void printSummary(const Recorder& r) {
    const auto at = [&](const std::string& name) {
        for (const Recorder::Result& result : r.results)
            if (result.name == name) return result;
        return Recorder::Result{name, name, -1.0, -1.0};
    };
    std::printf("\nSummary against the goals\n");
    const Recorder::Result window = at("StartCalculatorWindow");
    const auto compare = [&](const char* bare_name, const char* against) {
        const Recorder::Result bare = at(bare_name);
        if (window.seconds <= 0 || bare.seconds <= 0) return;
        const double ratio = window.seconds / bare.seconds, cpu_ratio = window.cpu_ms / bare.cpu_ms;
        std::printf("  start-up against a bare window of %s:\n", against);
        std::printf("    wall clock: calculator %.2f ms, bare window %.2f ms, ratio %.2f (goal <= 1.5): %s\n",
                    window.seconds * 1e3, bare.seconds * 1e3, ratio, ratio <= 1.5 ? "met" : "MISSED");
        std::printf("    thread CPU: calculator %.2f ms, bare window %.2f ms, ratio %.2f (goal <= 1.5): %s\n",
                    window.cpu_ms, bare.cpu_ms, cpu_ratio, cpu_ratio <= 1.5 ? "met" : "MISSED");
    };
    compare("StartBareWindow", "the complete window's widget count");
    compare("StartBareWindowAtFirstFrameCount", "the widget count at the first frame");
    for (const Recorder::Result& result : r.results) {
        if (result.name != "OpenPageFirstTime") continue;
        std::printf("  %s: %.2f ms\n", result.label.c_str(), result.seconds * 1e3);
    }
    for (const Recorder::Result& result : r.results) {
        if (result.name.rfind("Calculate/", 0) != 0) continue;
        std::printf("  %-22s %8.2f us (goal < 50 us): %s\n", result.name.c_str(), result.seconds * 1e6,
                    result.seconds < 50e-6 ? "met" : "MISSED");
    }
}

const char* option(int argc, char* argv[], const char* prefix) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) return argv[i] + std::strlen(prefix);
    return nullptr;
}

// One window in this process: build, show, first frame; then the peak memory and the time since `entry`.
int startOnce(const char* which, int widgets, std::chrono::steady_clock::time_point entry) {
    std::unique_ptr<QMainWindow> window;
    if (std::strcmp(which, "calculator") == 0)
        window = std::make_unique<app::MainWindow>();
    else if (std::strcmp(which, "bare") == 0 && widgets > 0)
        window = bareWindow(widgets);
    else
        return std::fprintf(stderr, "usage: --start=calculator | --start=bare --widgets=N\n"), 2;
    showFirstFrame(*window);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - entry).count();
    // Let whatever the first frame scheduled run before reading the peak.
    QTimer::singleShot(200, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    std::printf("window=%s widgets=%d first_frame_ms=%.1f peak_kib=%ld\n", which, widgetCount(*window), ms,
                peakMemoryKiB());
    return 0;
}

}  // namespace

int messageBoxesClosed() {
    return g_boxes_closed;
}

}  // namespace vxr::bench

int main(int argc, char* argv[]) {
    using namespace vxr::bench;
    const auto entry = std::chrono::steady_clock::now();
    g_default_handler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vxr::app::prepareApplication(app);

    if (option(argc, argv, "--widget-count")) {
        std::printf("%d\n", completeCalculatorWidgets());
        return 0;
    }
    if (const char* times = option(argc, argv, "--repeat-start=")) {
        const int bare_widgets = option(argc, argv, "--bare") ? completeCalculatorWidgets() : 0;
        settle();
        for (int i = std::atoi(times); i > 0; --i) {
            if (bare_widgets > 0)
                showFirstFrame(*bareWindow(bare_widgets));
            else
                showFirstFrame(*std::make_unique<vxr::app::MainWindow>());
            settle();
        }
        return 0;
    }
    if (const char* which = option(argc, argv, "--start=")) {
        const char* widgets = option(argc, argv, "--widgets=");
        return startOnce(which, widgets ? std::atoi(widgets) : 0, entry);
    }

    // A calculation that opens a message box is a fault of the set-up: close the box and let the benchmark say so.
    QTimer watchdog;
    watchdog.setInterval(100);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++g_boxes_closed;
            box->done(QMessageBox::Ok);
        }
    });
    watchdog.start();

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Recorder recorder;
    benchmark::RunSpecifiedBenchmarks(&recorder);
    benchmark::Shutdown();
    printSummary(recorder);
    return 0;
}
