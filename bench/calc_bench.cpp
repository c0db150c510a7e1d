// One calculation of each page through its 计算 button, on one shown window, with the page's default inputs (the
// pipe-stress page with a saved two-segment route ending at node 2). The time is the button's click to the end of
// its handler: reading the fields, the calculation, writing the results; the repaint that follows is not in it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include "app/form.h"
#include "app/main_window.h"
#include "app/tab_control.h"
#include "bench_main.h"
#include "windows.h"

namespace vxr::bench {
namespace {

// Segment 1 runs 10 m along X, segment 2 5 m along Y; segment 2 is saved as the end of the route.
void saveRoute(QWidget* page) {
    const auto saveSegment = [page](const char* length, const char* lx, const char* ly) {
        app::setFieldText(page, "Text47", length);
        app::setFieldText(page, "Text48", lx);
        app::setFieldText(page, "Text49", ly);
        app::setFieldText(page, "Text50", "0");
        page->findChild<QPushButton*>(QStringLiteral("Command9"))->click();
    };
    saveSegment("10", "10", "0");
    page->findChild<QPushButton*>(QStringLiteral("Command11"))->click();
    page->findChild<QCheckBox*>(QStringLiteral("Check1"))->setChecked(true);
    saveSegment("5", "0", "5");
}

bool hasResult(const QWidget* page) {
    for (const QLineEdit* box : page->findChildren<QLineEdit*>())
        if (box->isReadOnly() && !box->text().isEmpty()) return true;
    return false;
}

void calculateOn(app::MainWindow& window, benchmark::State& state, int index, const char* button_name) {
    app::TabControl* tabs = window.tabs();
    tabs->setCurrentIndex(index);
    QWidget* page = tabs->page(index);
    if (index == 10 && !hasResult(page)) saveRoute(page);
    QCoreApplication::processEvents();
    auto* button = page->findChild<QPushButton*>(QString::fromLatin1(button_name));
    if (!button) return state.SkipWithError("no such button");
    const int boxes_before = messageBoxesClosed();
    for (auto _ : state) button->click();
    QCoreApplication::processEvents();
    if (messageBoxesClosed() != boxes_before) return state.SkipWithError("the calculation showed a message box");
    if (!hasResult(page)) state.SkipWithError("the calculation wrote no result");
}

void calculate(benchmark::State& state, int index, const char* button_name) {
    // A window of its own, gone when the benchmark ends: a window left open would weigh on the start-up
    // benchmarks that run after it.
    {
        app::MainWindow window;
        showFirstFrame(window);
        calculateOn(window, state, index, button_name);
    }
    settle();
}

const bool registered = [] {
    struct Page {
        int index;
        const char* button;
    };
    for (const Page p : {Page{0, "Command1"}, Page{1, "Command6"}, Page{2, "Command3"}, Page{3, "Command14"},
                         Page{4, "Command8"}, Page{10, "Command13"}}) {
        const std::string name = "Calculate/" + std::to_string(p.index) + "_" + p.button;
        benchmark::RegisterBenchmark(name.c_str(), calculate, p.index, p.button)->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
}  // namespace vxr::bench
