// Per page: opening it for the first time on a window just shown (building and painting it), and one calculation
// through its 计算 button with the page's default inputs (the pipe-stress page with a saved two-segment route ending
// at node 2; the unit page refreshes its table when its value changes). The calculation's time is the click to the
// end of its handler; the repaint that follows is not in it. A page or button the window does not have yet is left
// out, so pages still being written are measured once they are there.
#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <chrono>
#include <string>

#include "app/form.h"
#include "app/main_window.h"
#include "app/tab_control.h"
#include "windows.h"

namespace vxr::bench {

int messageBoxesClosed();

namespace {

struct Calculation {
    int page;
    const char* control;  // the 计算 button, or the unit page's value box
};
constexpr Calculation kCalculations[] = {
    {0, "Command1"},     {1, "Command6"},        {2, "Command3"},      {3, "Command14"},
    {4, "Command8"},     {5, "distCalculate"},   {6, "evapCalculate"}, {7, "dryCalculate"},
    {8, "absCalculate"}, {9, "reliefCalculate"}, {10, "Command13"},    {11, "unitValue"},
};

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

void calculate(benchmark::State& state, Calculation c) {
    {  // a window of its own, gone before the next benchmark
        app::MainWindow window;
        showFirstFrame(window);
        openPage(window, c.page);
        QWidget* page = window.tabs()->page(c.page);
        if (c.page == 10) saveRoute(page);
        const int boxes_before = messageBoxesClosed();
        if (auto* button = page->findChild<QPushButton*>(QLatin1String(c.control))) {
            for (auto _ : state) button->click();
            QCoreApplication::processEvents();
            if (!hasResult(page)) state.SkipWithError("the calculation wrote no result");
        } else if (auto* value = page->findChild<QLineEdit*>(QLatin1String(c.control))) {
            bool odd = false;
            for (auto _ : state) value->setText((odd = !odd) ? QStringLiteral("2") : QStringLiteral("1"));
        }
        QCoreApplication::processEvents();
        if (messageBoxesClosed() != boxes_before) state.SkipWithError("the calculation showed a message box");
    }
    settle();
}

void openFirstTime(benchmark::State& state, int index) {
    for (auto _ : state) {
        app::MainWindow window;
        showFirstFrame(window);
        const auto start = std::chrono::steady_clock::now();
        openPage(window, index);
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    settle();
}

}  // namespace

void registerPageBenchmarks() {
    app::MainWindow window;
    app::TabControl* tabs = window.tabs();
    for (int i = 0; i < tabs->count(); ++i) {
        // The page the window opens on is built with it; an empty page has nothing to open.
        if (i == tabs->currentIndex() || tabs->page(i)->children().isEmpty()) continue;
        benchmark::RegisterBenchmark(("OpenPage/" + std::to_string(i)).c_str(), openFirstTime, i)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    for (const Calculation c : kCalculations) {
        if (!tabs->page(c.page) || !tabs->page(c.page)->findChild<QWidget*>(QLatin1String(c.control))) continue;
        benchmark::RegisterBenchmark(("Calculate/" + std::to_string(c.page) + "_" + c.control).c_str(), calculate, c)
            ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace vxr::bench
