#include "app/pages/mccabe_thiele_diagram.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

#include "app/kit/look.h"
#include "frame/number_text.h"

namespace vxr::app {

namespace {

// The plot: 600 px a unit of mole fraction, its top-left corner in the image.
constexpr int kPlot = 600;
constexpr QPoint kCorner{86, 76};
// Stage numbers are written up to this many stages; beyond it they would crowd each other out.
constexpr std::size_t kNumberedStages = 30;

const QColor kCurve{0, 70, 200};
const QColor kDiagonal{120, 120, 120};
const QColor kQLine{0, 140, 0};
const QColor kRectifying{200, 30, 30};
const QColor kStripping{225, 120, 0};
const QColor kSteps{0, 0, 0};
const QColor kFeed{150, 0, 150};

QPointF at(double x, double y) {
    return {kCorner.x() + x * kPlot, kCorner.y() + (1 - y) * kPlot};
}
QPointF at(calc::Point p) {
    return at(p.x, p.y);
}

// A font of the families the diagram writes in: the window's CJK family, or the sheet's on paper.
QFont font(const QStringList& families, int pixels, bool bold = false) {
    QFont f;
    f.setFamilies(families.isEmpty() ? QStringList{cjkFamily()} : families);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A number as the notes write it, a negative one without their brackets.
QString number(double v) {
    return (v < 0 ? QStringLiteral("-") : QString()) + QString::fromStdString(frame::in_note(std::fabs(v)));
}

void line(QPainter& p, const QColor& colour, double width, QPointF from, QPointF to) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, to);
}

// The frame, grid, ticks with their numbers and the axis titles.
void drawAxes(QPainter& p, const QStringList& families) {
    const QRectF plot(at(0, 1), at(1, 0));
    p.setFont(font(families, 13));
    for (int i = 0; i <= 10; ++i) {
        const double v = i / 10.0;
        if (i > 0 && i < 10) {
            line(p, QColor(228, 228, 228), 1, at(v, 0), at(v, 1));
            line(p, QColor(228, 228, 228), 1, at(0, v), at(1, v));
        }
        line(p, Qt::black, 1, at(v, 0), at(v, 0) + QPointF(0, 6));
        line(p, Qt::black, 1, at(0, v), at(0, v) - QPointF(6, 0));
        const QString label = QString::number(v);
        p.setPen(Qt::black);
        p.drawText(QRectF(at(v, 0).x() - 30, plot.bottom() + 8, 60, 18), Qt::AlignHCenter | Qt::AlignTop, label);
        p.drawText(QRectF(plot.left() - 48, at(0, v).y() - 9, 38, 18), Qt::AlignRight | Qt::AlignVCenter, label);
    }
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);
    p.setFont(font(families, 14));
    p.drawText(QRectF(plot.left(), plot.bottom() + 30, kPlot, 22), Qt::AlignCenter,
               QStringLiteral("x（液相中易挥发组分的摩尔分数）"));
    p.save();
    p.translate(plot.left() - 62, plot.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-kPlot / 2.0, -11, kPlot, 22), Qt::AlignCenter,
               QStringLiteral("y（汽相中易挥发组分的摩尔分数）"));
    p.restore();
}

// The case and what the count gave, in two lines over the plot.
void drawTitle(QPainter& p, const calc::Staircase& s, const QStringList& families) {
    const QString result = s.count ? QStringLiteral("逐板法理论板数 %1（含再沸器），加料板第 %2 级")
                                         .arg(QString::fromStdString(frame::masked_or_significant(*s.count, 2)))
                                         .arg(s.feed)
                                   : QStringLiteral("逐板计算超过 %1 级，不计理论板数").arg(calc::kMostStages);
    p.setPen(Qt::black);
    p.setFont(font(families, 16, true));
    p.drawText(QRectF(0, 10, kDiagramSize.width(), 24), Qt::AlignCenter,
               QStringLiteral("McCabe–Thiele 图解：") + result);
    p.setFont(font(families, 14));
    p.drawText(QRectF(0, 38, kDiagramSize.width(), 22), Qt::AlignCenter,
               QStringLiteral("xF = %1，xD = %2，xW = %3，α = %4，q = %5，R = %6")
                   .arg(number(s.xF), number(s.xD), number(s.xW), number(s.alpha), number(s.q), number(s.R)));
}

// The legend in the lower right corner of the plot, below the diagonal, where nothing else is drawn.
void drawLegend(QPainter& p, const QStringList& families) {
    const std::pair<QColor, QString> items[] = {{kCurve, QStringLiteral("平衡线")},
                                                {kDiagonal, QStringLiteral("对角线 y = x")},
                                                {kQLine, QStringLiteral("q 线")},
                                                {kRectifying, QStringLiteral("精馏段操作线")},
                                                {kStripping, QStringLiteral("提馏段操作线")},
                                                {kSteps, QStringLiteral("逐板梯级")},
                                                {kFeed, QStringLiteral("加料板")}};
    const double height = 12 + 20 * std::size(items);
    const QRectF box(at(1, 0) + QPointF(-206, -10 - height), QSizeF(196, height));
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.setBrush(Qt::white);
    p.drawRect(box);
    p.setFont(font(families, 13));
    double y = box.top() + 16;
    for (const auto& [colour, name] : items) {
        line(p, colour, colour == kFeed ? 3 : 2, {box.left() + 10, y}, {box.left() + 44, y});
        p.setPen(Qt::black);
        p.drawText(QRectF(box.left() + 52, y - 9, box.width() - 58, 18), Qt::AlignLeft | Qt::AlignVCenter, name);
        y += 20;
    }
}

}  // namespace

// What the diagram shows is drawn here alone, in the units of kDiagramSize: for the window (at its size), for the
// image copied and for paper.

void paintMcCabeThiele(QPainter& p, const calc::Staircase& s, const QStringList& families) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRect(QPoint(0, 0), kDiagramSize), Qt::white);
    drawTitle(p, s, families);
    drawAxes(p, families);
    p.setClipRect(QRectF(at(0, 1), at(1, 0)));

    line(p, kDiagonal, 1, at(0, 0), at(1, 1));
    QPainterPath curve(at(0, 0));
    for (int i = 1; i <= 300; ++i) {
        const double x = i / 300.0;
        curve.lineTo(at(x, s.alpha * x / (1 + (s.alpha - 1) * x)));
    }
    p.setPen(QPen(kCurve, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    line(p, kQLine, 1.5, at(s.xF, s.xF), at(s.pinch));
    line(p, kRectifying, 1.5, at(s.xD, s.xD), at(s.meet));
    if (s.meet.x > s.xW) line(p, kStripping, 1.5, at(s.meet), at(s.xW, s.xW));

    // The steps: across from the operating line to the curve, then down to the operating line at the next y.
    QPainterPath steps(at(s.xD, s.xD));
    for (std::size_t n = 0; n < s.stages.size(); ++n) {
        const calc::Point stage = s.stages[n];
        steps.lineTo(at(stage));
        steps.lineTo(n + 1 < s.stages.size() ? at(stage.x, s.stages[n + 1].y) : at(stage.x, stage.x));
    }
    p.setPen(QPen(kSteps, 1));
    p.drawPath(steps);

    // Stage numbers up and left of their corners on the curve (above it, where nothing else is drawn), each where it
    // clears the one before; the feed stage's step in its own colour with its name.
    p.setFont(font(families, 12));
    p.setPen(Qt::black);
    QRectF last_label;
    if (s.stages.size() <= kNumberedStages)
        for (std::size_t n = 0; n < s.stages.size(); ++n) {
            if (n + 1 == s.feed) continue;
            const QString label = QString::number(n + 1);
            const QSizeF size(p.fontMetrics().horizontalAdvance(label), p.fontMetrics().height());
            const QPointF corner = at(s.stages[n]);
            const QPointF top_left(std::max(at(0, 0).x() + 2, corner.x() - 3 - size.width()),
                                   std::max(at(0, 1).y() + 1, corner.y() - 3 - size.height()));
            const QRectF place(top_left, size);
            if (place.intersects(last_label.adjusted(-6, -2, 6, 2))) continue;
            p.drawText(place, Qt::AlignCenter, label);
            last_label = place;
        }
    if (s.feed > 0) {
        const calc::Point feed = s.stages[s.feed - 1];
        const double from = s.feed > 1 ? s.stages[s.feed - 2].x : s.xD;
        line(p, kFeed, 3, at(from, feed.y), at(feed));
        p.setPen(Qt::NoPen);
        p.setBrush(kFeed);
        p.drawEllipse(at(feed), 4.5, 4.5);
        p.setPen(kFeed);
        p.setFont(font(families, 14, true));
        const QString name = QStringLiteral("加料板（第 %1 级）").arg(s.feed);
        const QRectF text(at(feed) + QPointF(-8 - 150, -26), QSizeF(150, 20));
        p.drawText(text.translated(std::max(0.0, at(0, 0).x() + 4 - text.left()), 0), Qt::AlignRight | Qt::AlignVCenter,
                   name);
    }
    p.setClipping(false);

    // The compositions on the diagonal, their names below and right of them (into the margin at xD near 1).
    p.setFont(font(families, 13));
    for (const auto& [x, name] : {std::pair{s.xW, "xW"}, {s.xF, "xF"}, {s.xD, "xD"}}) {
        p.setPen(Qt::black);
        p.setBrush(Qt::black);
        p.drawEllipse(at(x, x), 2.5, 2.5);
        p.drawText(at(x, x) + QPointF(7, 16), QString::fromLatin1(name));
    }
    drawLegend(p, families);
    p.restore();
}

QImage drawMcCabeThiele(const calc::Staircase& staircase) {
    QImage image(kDiagramSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    paintMcCabeThiele(p, staircase);
    return image;
}

QRectF diagramPlace(QSizeF area) {
    const double scale = std::min(area.width() / kDiagramSize.width(), area.height() / kDiagramSize.height());
    const QSizeF size = QSizeF(kDiagramSize) * scale;
    return {QPointF((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size};
}

namespace {

// The diagram drawn at the size of its view, kept in proportion and centred, on white.
class DiagramView : public QWidget {
public:
    explicit DiagramView(QWidget* parent) : QWidget(parent) {
        setMinimumSize(kDiagramSize / 2);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    void setStaircase(const calc::Staircase& staircase) {
        staircase_ = staircase;
        update();
    }
    QSize sizeHint() const override { return kDiagramSize; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        if (!staircase_) return;
        const QRectF place = diagramPlace(size());
        p.translate(place.topLeft());
        p.scale(place.width() / kDiagramSize.width(), place.height() / kDiagramSize.height());
        paintMcCabeThiele(p, *staircase_);
    }

private:
    std::optional<calc::Staircase> staircase_;
};

}  // namespace

McCabeThieleWindow::McCabeThieleWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("distDiagram"));
    setWindowTitle(QStringLiteral("McCabe–Thiele 图解 - 精馏计算"));
    closeOnEscape(this);
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("distDiagramNote"));
    note_->setWordWrap(true);
    QPalette red = note_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    note_->setPalette(red);
    note_->hide();
    picture_ = new DiagramView(this);
    picture_->setObjectName(QStringLiteral("distDiagramPicture"));
    auto* copy = new QPushButton(QStringLiteral("复制图像"), this);
    copy->setObjectName(QStringLiteral("distDiagramCopy"));
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setImage(image_); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(picture_, 1);
    layout->addLayout(buttons);
}

void McCabeThieleWindow::setNote(const QString& note) {
    note_->setText(note);
    note_->setVisible(!note.isEmpty());
}

void McCabeThieleWindow::setStaircase(const calc::Staircase& staircase) {
    image_ = drawMcCabeThiele(staircase);
    static_cast<DiagramView*>(picture_)->setStaircase(staircase);
}

}  // namespace vxr::app
