// The McCabe–Thiele diagram of the 精馏计算 page's last calculation: the staircase of the core (calc/distillation)
// drawn with QPainter into an image of a fixed size, fit for printing, and a window of its own that shows it and
// copies it to the clipboard.
#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

#include "calc/distillation/shortcut_column.h"

class QLabel;

namespace vxr::app {

// The whole image: a 600 × 600 px plot with its title, axes, ticks and legend around it.
inline constexpr QSize kDiagramSize{720, 740};

// The equilibrium curve, the diagonal, the q-line, both operating lines and the stages stepped off, the feed stage
// marked, on white.
QImage drawMcCabeThiele(const calc::Staircase& staircase);

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
    QLabel* picture_ = nullptr;
    QImage image_;
};

}  // namespace vxr::app
