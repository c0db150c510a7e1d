// The two windows the benchmarks compare: the calculator's, and a bare one of plain Qt widgets holding the same
// controls with the same texts in the same font, read from a description of the calculator's window.
#pragma once

#include <QJsonObject>
#include <QMainWindow>
#include <functional>
#include <memory>

namespace vxr::bench {

// Every page's controls (type, place, text, font size), the tab captions and the menus of the calculator's window,
// each page built as after the user has opened it.
QJsonObject describeCalculator();

// A QMainWindow of the calculator's size: the same menus, a QTabWidget with the same captions opening on the same
// page, and on each page the described controls as plain QLabel, QLineEdit, QPushButton, QGroupBox, QRadioButton,
// QCheckBox and QFrame. Like the calculator's, a page is built when it is first opened.
std::unique_ptr<QMainWindow> bareWindow(const QJsonObject& description);

// Opens page `index` of either window and waits until it has been painted.
void openPage(QMainWindow& window, int index);
int pageCount(QMainWindow& window);

// Calls `change` and processes events until `widget` has been painted after it.
void paintAfter(QWidget& widget, const std::function<void()>& change);
void showFirstFrame(QWidget& window);

// Runs the deletions a torn-down window left for later, which processEvents() alone does not.
void settle();

// The process's peak resident memory (VmHWM) in KiB, or -1 where /proc is not there.
long peakMemoryKiB();

}  // namespace vxr::bench
