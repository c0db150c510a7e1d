// Case files: saving a case with every page calculated and a 100-segment route, and opening it in a window just shown
// (reading, checking and handing every page its state; pages not yet built receive theirs when first built); opening
// a case that names a field of a million characters, with its message. Also writes the largest case as a session,
// for the start-up runs of scripts/bench.sh that restore one.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>

#include "app/case/case_file.h"
#include "app/case/workspace.h"
#include "app/main_window.h"
#include "app/pages/calc_page.h"
#include "app/pages/page_list.h"
#include "windows.h"

namespace vxr::bench {
namespace {

// Every page built and calculated, the route 100 segments long and ended: the largest case a user makes.
app::casefile::Document fullCase() {
    app::MainWindow window;
    showFirstFrame(window);
    app::casefile::Document d = app::casefile::fresh();
    app::RouteEditor& route = *d.pages["stressPage"].route;
    for (int n = 1; n <= 100; ++n)
        route.route.segments[static_cast<std::size_t>(n - 1)] =
            calc::SegmentTexts{"5", n % 2 ? "3" : "0", n % 2 ? "0" : "3", "4"};
    route.route.end = 100;
    route.current = 100;
    window.workspace()->apply(d, false);
    for (const app::PageInfo& info : app::pages())
        if (auto* page = qobject_cast<app::CalcPage*>(window.page(info.name))) page->calculateButton()->click();
    return window.workspace()->document();
}

void saveCase(benchmark::State& state) {
    {
        app::MainWindow window;
        showFirstFrame(window);
        window.workspace()->apply(fullCase(), false);
        QTemporaryDir dir;
        for (auto _ : state) window.saveTo(dir.filePath("case.vxr"));
        state.counters["bytes"] = double(QFileInfo(dir.filePath("case.vxr")).size());
    }
    settle();
}

void openCase(benchmark::State& state) {
    QTemporaryDir dir;
    app::casefile::writeFile(dir.filePath("case.vxr"), app::casefile::serialize(fullCase()), nullptr);
    for (auto _ : state) {
        app::MainWindow window;
        showFirstFrame(window);
        const auto start = std::chrono::steady_clock::now();
        window.openFile(dir.filePath("case.vxr"));
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    settle();
}

// A case naming one unknown field of a million characters: read, and the message listing what was skipped shown (and
// closed as soon as it is up), where a message laid out whole once froze the window for seconds.
void openHugeName(benchmark::State& state) {
    QTemporaryDir dir;
    app::casefile::writeFile(dir.filePath("huge.vxr"),
                             R"({"format": "vxr-case", "version": 1, "pages": {"frictionPage": {"texts": {")" +
                                 QByteArray(1000000, 'x') + R"(": "1"}}}})",
                             nullptr);
    for (auto _ : state) {
        app::MainWindow window;
        showFirstFrame(window);
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        closer.start(0);
        const auto start = std::chrono::steady_clock::now();
        window.openFile(dir.filePath("huge.vxr"));
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    settle();
}

// The check on opening: every calculated page of the largest case calculated again from its stored inputs and its
// results compared with those stored.
void checkStoredResults(benchmark::State& state) {
    const app::casefile::Document full = fullCase();
    for (auto _ : state) benchmark::DoNotOptimize(app::pagesNotMatchingTheirResults(full));
    settle();
}

}  // namespace

bool writeFullSession(const QString& folder) {
    const QString path = QDir(folder).filePath("VXR/vxr/session.vxr");
    QDir().mkpath(QFileInfo(path).absolutePath());
    app::casefile::Document session = fullCase();
    session.unsaved = true;  // work no case file keeps: what a start restores
    return app::casefile::writeFile(path, app::casefile::serialize(session, true), nullptr);
}

void registerCaseBenchmarks() {
    benchmark::RegisterBenchmark("CaseFile/Save", saveCase)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CaseFile/Open", openCase)->UseManualTime()->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CaseFile/CheckStoredResults", checkStoredResults)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("CaseFile/OpenNamingAMillionCharacterField", openHugeName)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace vxr::bench
