// What the start-up benchmarks build: the calculator's window, or a bare window of as many plain widgets, each
// shown until its first frame has been painted.
#pragma once

#include <QMainWindow>
#include <memory>

namespace vxr::bench {

// The number of widgets a window holds, itself included: the menus, the tab control, the pages and their controls.
int widgetCount(const QWidget& window);

// A QMainWindow of the calculator's client size whose central widget holds plain QWidgets, `widgets` in all,
// the window itself included: what the toolkit costs for that many widgets and nothing more.
std::unique_ptr<QMainWindow> bareWindow(int widgets);

// Shows `window` and processes events until its first frame has been painted.
void showFirstFrame(QWidget& window);

// The process's peak resident memory (VmHWM) in KiB, or -1 where /proc is not there.
long peakMemoryKiB();

}  // namespace vxr::bench
