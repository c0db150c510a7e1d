// Per page: opening it for the first time on a window just shown (building and painting it), and one calculation
// through its 计算 button with the page's default inputs (the pipe-stress page with a saved two-segment route ending
// at node 2; the unit page refreshes its table when its value changes); and the water/steam dialog's refresh. The
// calculation's time is the click to the end of its handler; the repaint that follows is not in it. The pages are those
// of the window's page list.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <chrono>
#include <string>

#include "app/kit/tab_control.h"
#include "app/main_window.h"
#include "app/pages/calc_page.h"
#include "app/pages/page_list.h"
#include "windows.h"

namespace vxr::bench {

int messageBoxesClosed();

namespace {

// Segment 1 runs 10 m along X, segment 2 5 m along Y; segment 2 is saved as the end of the route.
void saveRoute(QWidget* page) {
    const auto saveSegment = [page](const char* length, const char* lx, const char* ly) {
        for (const auto& [name, text] : {std::pair{"Text47", length}, {"Text48", lx}, {"Text49", ly}, {"Text50", "0"}})
            page->findChild<QLineEdit*>(QLatin1String(name))->setText(QString::fromLatin1(text));
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

// `series`: on the pipe-sizing page, the pipe series chosen (null: as the page opens).
void calculate(benchmark::State& state, const app::PageInfo* info, const char* series) {
    {  // a window of its own, gone before the next benchmark
        app::MainWindow window;
        showFirstFrame(window);
        const int index = int(info - app::pages().data());
        openPage(window, index);
        QWidget* page = window.page(info->name);
        if (std::string_view(info->name) == "stressPage") saveRoute(page);
        if (series) page->findChild<QComboBox*>(QStringLiteral("pipeSeries"))->setCurrentText(QLatin1String(series));
        const int boxes_before = messageBoxesClosed();
        if (auto* calc_page = qobject_cast<app::CalcPage*>(page)) {
            QPushButton* button = calc_page->calculateButton();
            for (auto _ : state) button->click();
            QCoreApplication::processEvents();
            if (!hasResult(page)) state.SkipWithError("the calculation wrote no result");
        } else if (auto* value = page->findChild<QLineEdit*>(QStringLiteral("unitValue"))) {
            bool odd = false;
            for (auto _ : state) value->setText((odd = !odd) ? QStringLiteral("2") : QStringLiteral("1"));
        }
        QCoreApplication::processEvents();
        if (messageBoxesClosed() != boxes_before) state.SkipWithError("the calculation showed a message box");
    }
    settle();
}

// The water/steam dialog's refresh as one types a temperature (saturation by temperature: both phases, every
// property, the table's cells), from the text's change to the end of its handler; above 350 ℃ both phases come from
// region 3, the slowest case.
void refreshWaterSteam(benchmark::State& state, const char* first, const char* second) {
    {
        app::MainWindow window;
        showFirstFrame(window);
        window.findChild<QAction*>(QStringLiteral("waterSteam"))->trigger();
        QCoreApplication::processEvents();
        auto* temperature = window.findChild<QLineEdit*>(QStringLiteral("waterSteamTemperature"));
        bool odd = false;
        for (auto _ : state) temperature->setText(QLatin1String((odd = !odd) ? first : second));
        QCoreApplication::processEvents();
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
    benchmark::RegisterBenchmark("WaterSteamDialog/typeTemperature", refreshWaterSteam, "105", "106")
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("WaterSteamDialog/typeTemperatureRegion3", refreshWaterSteam, "365", "366")
        ->Unit(benchmark::kMicrosecond);
    for (const app::PageInfo& info : app::pages()) {
        // The page the window opens on is built with it.
        if (std::string_view(info.name) != app::kStartPage)
            benchmark::RegisterBenchmark((std::string("OpenPage/") + info.name).c_str(), openFirstTime,
                                         int(&info - app::pages().data()))
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((std::string("Calculate/") + info.name).c_str(), calculate, &info, nullptr)
            ->Unit(benchmark::kMicrosecond);
        if (std::string_view(info.name) == "pipeDiameterPage")
            benchmark::RegisterBenchmark("Calculate/pipeDiameterPage/ASME B36.10M Sch 80", calculate, &info,
                                         "ASME B36.10M Sch 80")
                ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace vxr::bench
