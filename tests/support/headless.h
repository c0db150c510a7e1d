// What the window tests and the benchmarks both need around a QApplication that runs without anyone watching.
#pragma once

#include <functional>

class QMessageBox;

namespace vxr::support {

// Drops the two warnings every offscreen run prints (a fixed-size window's size hints, a missing runtime
// directory); every other message goes to Qt's own handler.
void quietQtMessages();

// Every `interval_ms`, an open message box is passed to `report` and closed (unless `report` pressed one of its
// buttons itself and says so), so that a box nobody answers cannot hang the run. Call once, after the QApplication is
// made.
void watchMessageBoxes(int interval_ms, std::function<bool(QMessageBox&)> report);

}  // namespace vxr::support
