// The McCabe–Thiele diagram of the 精馏计算 page's last calculation: the staircase of the core (calc/distillation)
// drawn by one painter at any scale, and a window of its own that shows it at the window's size and copies it to the
// clipboard as an image.
#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include "calc/distillation/shortcut_column.h"

class QLabel;
class QPainter;

namespace vxr::app {

// The whole image: a 600 × 600 px plot with its title, axes, ticks and legend around it.
inline constexpr QSize kDiagramSize{720, 740};

// The equilibrium curve, the diagonal, the q-line, both operating lines and the stages stepped off, the feed stage
// marked, on white, with its title, axes and legend: drawn by `painter` in a box of kDiagramSize from its origin
// (scale the painter to draw it larger or smaller) ...
// Its text in `families` (the window's CJK family where none are given), no smaller than 12 units: 8 pt on paper at the
// width of an A4 page's text.
void paintMcCabeThiele(QPainter& painter, const calc::Staircase& staircase, const QStringList& families = {});
// ... or into an image of kDiagramSize.
QImage drawMcCabeThiele(const calc::Staircase& staircase);
// Where the diagram stands in an area of `area`: as large as fits, in proportion, centred.
QRectF diagramPlace(QSizeF area);

// A modeless window of its own (`distDiagram`) with the diagram and a button 复制图像 that copies it as an image.
class McCabeThieleWindow : public QWidget {
    Q_OBJECT

public:
    // `owner` keeps the window and closes it with itself; the window stands apart from it on the screen.
    explicit McCabeThieleWindow(QWidget* owner);

    // Draws `staircase` in place of what the window showed.
    void setStaircase(const calc::Staircase& staircase);
    // A line above the diagram (`distDiagramNote`) where the page's inputs changed since; none where `note` is empty.
    void setNote(const QString& note);
    const QImage& image() const { return image_; }

private:
    QLabel* note_ = nullptr;
    QWidget* picture_ = nullptr;
    QImage image_;
};

}  // namespace vxr::app
