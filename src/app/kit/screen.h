// Windows on small screens: every window and dialog opens inside the screen's available area (the desktop less its
// panels), with room left for the frame the window manager draws around it, so that its buttons can be reached.
#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace vxr::app {

// What the window manager may add around a window's client area (the title bar and the borders), kept free.
inline constexpr QSize kFrameAllowance{16, 40};

// The width a window's title bar takes beside its title: the icon and the buttons to minimise, maximise and close.
inline constexpr int kTitleBarButtons = 160;
// The narrowest a window may be for its title bar to show its title whole, in a font as large as the window's.
int titleWidth(const QWidget* window);

// The available area of the screen of `owner`'s window (of the primary screen, where none).
QRect availableArea(const QWidget* owner);
// The largest client area a window opened there may take: the available area less the frame allowance.
QSize usableSize(const QWidget* owner);

// Sizes the top-level `window` to `wanted` (its size hint where empty) but no larger than usableSize() and no
// smaller than its minimum size (which is widened to titleWidth()), and places it centred over the window of `owner`
// (the screen's centre where none), moved inside that area.
void fitToScreen(QWidget* window, const QWidget* owner, QSize wanted = {});

}  // namespace vxr::app
