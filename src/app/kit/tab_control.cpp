#include "app/kit/tab_control.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

namespace vxr::app {

TabControl::TabControl(int tabs_per_row, int rows_height, QWidget* parent)
    : QWidget(parent), tabs_per_row_(tabs_per_row), rows_height_(rows_height) {
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    next->setContext(Qt::WindowShortcut);
    connect(next, &QShortcut::activated, this, [this] {
        if (count() > 0) setCurrentIndex((current_ + 1) % count());
    });
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), this);
    previous->setContext(Qt::WindowShortcut);
    connect(previous, &QShortcut::activated, this, [this] {
        if (count() > 0) setCurrentIndex((current_ + count() - 1) % count());
    });
    // Some platforms deliver Ctrl+Shift+Tab as Ctrl+Backtab.
    auto* backtab = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    backtab->setContext(Qt::WindowShortcut);
    connect(backtab, &QShortcut::activated, previous, &QShortcut::activated);
}

int TabControl::addPage(const QString& caption, std::function<QWidget*()> build) {
    pages_.push_back({std::move(build), nullptr});
    captions_.append(caption);
    // The first page is the current one until another is chosen; it is built when the control is shown.
    if (current_ < 0) current_ = 0;
    update();
    return count() - 1;
}

QWidget* TabControl::page(int index) {
    if (index < 0 || index >= count()) return nullptr;
    Page& p = pages_[static_cast<std::size_t>(index)];
    if (!p.widget) {
        p.widget = p.build();
        p.widget->setParent(this);
        p.widget->setGeometry(pageRect());
        p.widget->setVisible(index == current_);
    }
    return p.widget;
}

bool TabControl::isBuilt(int index) const {
    return index >= 0 && index < count() && pages_[static_cast<std::size_t>(index)].widget;
}

QString TabControl::tabText(int index) const {
    return captions_.value(index);
}

void TabControl::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == current_) return;
    if (isBuilt(current_)) page(current_)->setVisible(false);
    current_ = index;
    page(current_)->setVisible(true);
    update();
    emit currentChanged(current_);
}

int TabControl::rowCount() const {
    return (count() + tabs_per_row_ - 1) / tabs_per_row_;
}

int TabControl::displayedRow(int logical_row) const {
    const int rows = rowCount();
    const int selected_row = current_ < 0 ? rows - 1 : current_ / tabs_per_row_;
    // Rotate the rows so that the selected one lands at the bottom, keeping their cyclic order.
    return ((logical_row - selected_row - 1) % rows + rows) % rows;
}

QRect TabControl::tabRect(int index) const {
    if (index < 0 || index >= count()) return {};
    const int rows = rowCount();
    const int row_height = rows_height_ / rows;
    const int top = rows_height_ - (rows - displayedRow(index / tabs_per_row_)) * row_height;
    const int column = index % tabs_per_row_;
    const int left = column * width() / tabs_per_row_;
    const int right = (column + 1) * width() / tabs_per_row_;
    return {left, top, right - left, row_height};
}

QRect TabControl::pageRect() const {
    return {0, rows_height_, width(), height() - rows_height_};
}

void TabControl::initTabOption(QStyleOptionTab* option, int index) const {
    option->initFrom(this);
    option->rect = tabRect(index);
    option->text = tabText(index);
    option->shape = QTabBar::RoundedNorth;
    option->documentMode = false;
    const int column = index % tabs_per_row_;
    const int last_column = std::min(tabs_per_row_, count() - index / tabs_per_row_ * tabs_per_row_) - 1;
    option->position = column == 0             ? QStyleOptionTab::Beginning
                       : column == last_column ? QStyleOptionTab::End
                                               : QStyleOptionTab::Middle;
    option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver);
    if (index == current_) {
        option->state |= QStyle::State_Selected;
        if (hasFocus()) option->state |= QStyle::State_HasFocus;
    }
    const bool same_row = current_ >= 0 && index / tabs_per_row_ == current_ / tabs_per_row_;
    if (same_row && column + 1 == current_ % tabs_per_row_)
        option->selectedPosition = QStyleOptionTab::NextIsSelected;
    else if (same_row && column - 1 == current_ % tabs_per_row_)
        option->selectedPosition = QStyleOptionTab::PreviousIsSelected;
    else
        option->selectedPosition = QStyleOptionTab::NotAdjacent;
}

void TabControl::showEvent(QShowEvent*) {
    page(current_);
}

void TabControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = pageRect();
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
    // Unselected tabs first, the selected one last so that it overlaps its neighbours and joins the page. Each is
    // clipped to its own cell (the selected one a little wider and into the frame's top line), since a style may
    // paint a selected tab beyond its rectangle, which a single-row tab bar would hide under the page. (A style that
    // sets a clip of its own replaces this one: Fusion's tab shapes reach a pixel into the neighbouring cells, and
    // the next tab drawn covers most of that.)
    const auto draw = [&](int index, QRect clip) {
        QStyleOptionTab option;
        initTabOption(&option, index);
        painter.setClipRect(clip);
        style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);
    };
    for (int i = 0; i < count(); ++i)
        if (i != current_) draw(i, tabRect(i));
    if (current_ >= 0) draw(current_, tabRect(current_).adjusted(-2, 0, 2, 2));
}

void TabControl::mousePressEvent(QMouseEvent* event) {
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(event->position().toPoint())) {
            setCurrentIndex(i);
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

void TabControl::keyPressEvent(QKeyEvent* event) {
    if (count() == 0) return QWidget::keyPressEvent(event);
    const int rows = rowCount();
    switch (event->key()) {
        case Qt::Key_Left:
            setCurrentIndex((current_ + count() - 1) % count());
            break;
        case Qt::Key_Right:
            setCurrentIndex((current_ + 1) % count());
            break;
        case Qt::Key_Up:  // the same column one row up, wrapping
            setCurrentIndex((current_ + (rows - 1) * tabs_per_row_) % (rows * tabs_per_row_) % count());
            break;
        case Qt::Key_Down:
            setCurrentIndex((current_ + tabs_per_row_) % (rows * tabs_per_row_) % count());
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void TabControl::resizeEvent(QResizeEvent*) {
    for (const Page& p : pages_)
        if (p.widget) p.widget->setGeometry(pageRect());
}

}  // namespace vxr::app
