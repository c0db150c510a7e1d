// What the start-up benchmarks build: the calculator's window, or a bare window of as many plain widgets, each
// shown until its first frame has been painted.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

namespace vxr::bench {

// The number of widgets a window holds, itself included: the menus, the tab control, the pages and their controls.
int widgetCount(const QWidget& window);

// The widgets of the calculator's window with every page built, as after the user has opened each of them.
int completeCalculatorWidgets();

// A QMainWindow of the calculator's client size whose central widget holds plain QWidgets, `widgets` in all,
// the window itself included: what the toolkit costs for that many widgets and nothing more.
std::unique_ptr<QMainWindow> bareWindow(int widgets);

// Shows `window` and processes events until its first frame has been painted.
void showFirstFrame(QWidget& window);

// Runs the deletions a torn-down window left for later, which processEvents() alone does not, and whatever else is
// pending: otherwise the objects of every window so far pile up and each iteration runs slower than the one before.
void settle();

// Calls `change` and processes events until `widget` has been painted after it.
void paintAfter(QWidget& widget, const std::function<void()>& change);

// The process's peak resident memory (VmHWM) in KiB, or -1 where /proc is not there.
long peakMemoryKiB();

}  // namespace vxr::bench
