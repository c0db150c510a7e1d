// The benchmarks' entry point, offscreen.
//   vxr_bench                                  opens each page for the first time and runs one calculation of
//                                              each page (Google Benchmark; its options apply)
//   vxr_bench --describe=FILE                  writes the calculator's controls, every page built, to FILE
//   vxr_bench --start=calculator               one start-up in this fresh process: prints the time from process
//   vxr_bench --start=bare --layout=FILE       entry to the first frame and the processor time spent by then,
//                                              then opens every page and prints the peak memory (VmHWM); the
//                                              calculator restores the session of XDG_DATA_HOME, if any
//   vxr_bench --write-session=DIR              writes the largest case as the session of XDG_DATA_HOME=DIR
// The bare window runs on plain Fusion with the program's CJK font: the toolkit's and the font's cost, no more.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <QApplication>
#include <QFile>
#include <QJsonDocument>
#include <QStyleFactory>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "app/kit/look.h"
#include "app/main_window.h"
#include "app/window/start_up.h"
#include "support/headless.h"
#include "windows.h"

namespace vxr::bench {

void registerPageBenchmarks();
void registerCaseBenchmarks();
bool writeFullSession(const QString& folder);

namespace {
int g_boxes_closed = 0;
}  // namespace

int messageBoxesClosed() {
    return g_boxes_closed;
}

}  // namespace vxr::bench

namespace {

const char* option(int argc, char* argv[], const char* prefix) {
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) return argv[i] + std::strlen(prefix);
    return nullptr;
}

int startOnce(const char* which, const char* layout, std::chrono::steady_clock::time_point entry) {
    using namespace vxr::bench;
    std::unique_ptr<QMainWindow> window;
    if (std::strcmp(which, "calculator") == 0) {
        vxr::app::prepareApplication(*qApp);
        auto calculator = std::make_unique<vxr::app::MainWindow>();
        // As the program starts: the session kept in XDG_DATA_HOME restored, if there is one.
        vxr::app::startUp(*calculator, {});
        window = std::move(calculator);
    } else if (QFile file(QString::fromLocal8Bit(layout ? layout : ""));
               std::strcmp(which, "bare") == 0 && file.open(QIODevice::ReadOnly)) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setFont(vxr::app::defaultFont());
        window = bareWindow(QJsonDocument::fromJson(file.readAll()).object());
    } else {
        return std::fprintf(stderr, "usage: --start=calculator | --start=bare --layout=FILE\n"), 2;
    }
    showFirstFrame(*window);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - entry).count();
    // The processor time of all the process's threads so far: less moved by other work on the machine.
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    const double cpu_ms =
        (use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1e3 + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) * 1e-3;
    for (int i = 0; i < pageCount(*window); ++i) openPage(*window, i);
    // Let whatever the last paint scheduled run before reading the peak.
    QTimer::singleShot(200, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    std::printf("window=%s first_frame_ms=%.2f cpu_ms=%.2f peak_kib=%ld\n", which, ms, cpu_ms, peakMemoryKiB());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const auto entry = std::chrono::steady_clock::now();
    vxr::support::quietQtMessages();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    if (const char* which = option(argc, argv, "--start="))
        return startOnce(which, option(argc, argv, "--layout="), entry);
    vxr::app::prepareApplication(app);
    if (const char* folder = option(argc, argv, "--write-session="))
        return vxr::bench::writeFullSession(QString::fromLocal8Bit(folder)) ? 0 : 1;
    if (const char* path = option(argc, argv, "--describe=")) {
        QFile file(QString::fromLocal8Bit(path));
        if (!file.open(QIODevice::WriteOnly)) return std::fprintf(stderr, "cannot write %s\n", path), 1;
        file.write(QJsonDocument(vxr::bench::describeCalculator()).toJson());
        return 0;
    }

    // A calculation that opens a message box is a fault of the set-up: close the box and let the benchmark say so.
    vxr::support::watchMessageBoxes(100, [](QMessageBox&) { return ++vxr::bench::g_boxes_closed, false; });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    vxr::bench::registerPageBenchmarks();
    vxr::bench::registerCaseBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
