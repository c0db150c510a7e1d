#include "app/kit/screen.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace vxr::app {

QRect availableArea(const QWidget* owner) {
    const QScreen* screen = owner ? owner->window()->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QSize usableSize(const QWidget* owner) {
    return availableArea(owner).size() - kFrameAllowance;
}

int titleWidth(const QWidget* window) {
    // Window managers draw titles a little larger and bolder than the text of the window itself.
    QFont font = window->font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window->windowTitle()) * 5 / 4 + kTitleBarButtons;
}

void fitToScreen(QWidget* window, const QWidget* owner, QSize wanted) {
    window->setMinimumWidth(std::max(window->minimumWidth(), titleWidth(window)));
    const QRect area = availableArea(owner);
    if (!wanted.isValid()) wanted = window->sizeHint();
    if (area.isEmpty()) {
        window->resize(wanted);
        return;
    }
    const QSize size = wanted.boundedTo(usableSize(owner)).expandedTo(window->minimumSize());
    window->resize(size);
    // A window's position is its frame's: the frame, allowed for, is what is centred and kept inside the area (its
    // top-left corner wins where the window is larger).
    QRect outer(QPoint(0, 0), size + kFrameAllowance);
    outer.moveCenter(owner ? owner->window()->frameGeometry().center() : area.center());
    outer.moveLeft(std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width())));
    outer.moveTop(std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height())));
    window->move(outer.topLeft());
}

}  // namespace vxr::app
