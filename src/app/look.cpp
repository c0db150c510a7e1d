#include "app/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHash>
#include <QIconEngine>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTimer>
#include <algorithm>
#include <optional>

namespace vxr::app {
namespace {

// Pictures kept for the rest of one frame: emptied as soon as the event loop runs again, so that whatever is
// repainted later is drawn afresh.
class FrameCache : public QObject {
public:
    const QImage* find(const QString& key) const {
        const auto found = images_.constFind(key);
        return found == images_.cend() ? nullptr : &*found;
    }
    const QImage& insert(const QString& key, QImage image) {
        if (images_.isEmpty()) QTimer::singleShot(0, this, [this] { images_.clear(); });
        return *images_.insert(key, std::move(image));
    }

private:
    QHash<QString, QImage> images_;
};

// An icon of a style's, read from the style the first time anything asks for its sizes or pixels.
class DeferredIcon : public QIconEngine {
public:
    DeferredIcon(const QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("vxr.deferred"); }
    QIconEngine* clone() const override { return new DeferredIcon(*this); }

private:
    const QIcon& icon() {
        if (!read_) {
            read_ = true;
            if (style_) icon_ = style_->standardIcon(which_);
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    bool read_ = false;
    QIcon icon_;
};

// Fusion, with three of its pieces painted for less and one icon read late.
//
// Qt's raster engine hands any blend of more than about a hundred scanlines to its thread pool and waits for it.
// The page frame of the tab control and the frames of group boxes are such blends (their half-transparent shadow
// and highlight lines run the whole height), so each one woke the pool's threads for a few pixels of work; in a
// window's first frame that waiting cost more than drawing all the frames. Painted through clip bands (group boxes:
// in pieces) a little lower than that limit, the same pixels come out and the work stays on this thread.
//
// Fusion draws a group box's frame as a small image stretched over the box: fixed corners, edges that are the same
// all along, and a middle of one flat, almost transparent shade. Scaling that image over every box was the dearest
// drawing of a page. Here the frame is learned from one small frame Fusion draws itself (see GroupBoxFrame) and put
// together from copies of its corners, repeats of its edges and a fill of its shade: again the same pixels. Where
// the drawing is not of that shape, or the painter is not a plain raster painter, Fusion draws the whole frame.
//
// Fusion draws a text box's panel with two anti-aliased rounded rectangles, and a page shows many boxes of one
// size. Each distinct panel (size, state, line width, colours) is drawn once a frame on a transparent image and
// copied to the boxes that share it.
class Style : public QProxyStyle {
public:
    explicit Style(QStyle* base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_PanelLineEdit && drawLineEditPanel(option, painter, widget)) return;
        if (element != PE_FrameTabWidget && element != PE_FrameGroupBox)
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element == PE_FrameGroupBox && drawGroupBoxFrame(option, painter, widget)) return;
        inBands(painter, option->rect, [&](QRect) { QProxyStyle::drawPrimitive(element, option, painter, widget); });
    }

    // A menu bar builds a button for menus that overflow its width and gives it its icon at once, reading two
    // images; the calculator's menus always fit, so the button stays hidden and its icon is read only if drawn.
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override {
        if (option || (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton))
            return QProxyStyle::standardIcon(which, option, widget);
        return QIcon(new DeferredIcon(baseStyle(), which));
    }

private:
    static constexpr int kBand = 95;          // rows a blend may span and stay on this thread
    static constexpr int kNinePatchEdge = 6;  // the width of the group-box image's border

    // Calls `draw(band)` with the painter clipped to each band of at most kBand rows of `area` in turn; once,
    // unclipped, where the area is no taller than a band.
    template <class Draw>
    static void inBands(QPainter* painter, QRect area, Draw draw) {
        if (area.height() <= kBand) return draw(area);
        for (int top = area.top(); top <= area.bottom(); top += kBand) {
            const QRect band(area.left(), top, area.width(), std::min(kBand, area.bottom() + 1 - top));
            painter->save();
            painter->setClipRect(band, Qt::IntersectClip);
            draw(band);
            painter->restore();
        }
    }

    static bool plainRasterPainter(const QPainter* painter) {
        return painter->paintEngine() && painter->paintEngine()->type() == QPaintEngine::Raster &&
               painter->compositionMode() == QPainter::CompositionMode_SourceOver && painter->opacity() == 1.0 &&
               painter->worldTransform().type() <= QTransform::TxTranslate;
    }

    // Fusion's group-box frame as it draws it for boxes like `option` (same font height, title or none, state and
    // colours): how far below the box's top the frame starts, its corners, one line across each edge repeated to
    // a band's length, and the shade of its middle. Empty where Fusion's drawing is not corners, uniform edges and
    // a flat middle that a fill reproduces exactly.
    struct GroupBoxFrame {
        int top = 0;
        QImage top_left, top_right, bottom_left, bottom_right;  // kNinePatchEdge square
        QImage left, right;                                     // kNinePatchEdge wide, kBand high
        QImage upper, lower;                                    // kBand wide, kNinePatchEdge high
        QColor middle;
    };

    static std::optional<GroupBoxFrame> learnGroupBoxFrame(const QImage& drawn) {
        constexpr int e = kNinePatchEdge;
        const auto at = [&drawn](int x, int y) { return reinterpret_cast<const QRgb*>(drawn.constScanLine(y))[x]; };
        const auto blank = [&](int y) {
            const auto* row = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
            return std::all_of(row, row + drawn.width(), [](QRgb px) { return px == 0; });
        };
        int top = 0;
        while (top < drawn.height() && blank(top)) ++top;
        const QRect frame(0, top, drawn.width(), drawn.height() - top);
        if (frame.width() <= 2 * e || frame.height() <= 2 * e) return std::nullopt;
        const QRect in = frame.adjusted(e, e, -e, -e);
        // Every column of the top and bottom edges like the first, every row of the left and right edges like the
        // first, and the middle one shade.
        for (int y = frame.top(); y <= frame.bottom(); ++y)
            for (int x = in.left(); x <= in.right(); ++x)
                if (at(x, y) != at(in.left(), y) || (in.contains(x, y) && at(x, y) != at(in.left(), in.top())))
                    return std::nullopt;
        for (int y = in.top(); y <= in.bottom(); ++y)
            for (int x = frame.left(); x <= frame.right(); ++x)
                if (!(x >= in.left() && x <= in.right()) && at(x, y) != at(x, in.top())) return std::nullopt;
        const QRgb shade = at(in.left(), in.top());
        if (qPremultiply(qUnpremultiply(shade)) != shade) return std::nullopt;

        GroupBoxFrame f;
        f.top = top;
        f.top_left = drawn.copy(frame.left(), frame.top(), e, e);
        f.top_right = drawn.copy(in.right() + 1, frame.top(), e, e);
        f.bottom_left = drawn.copy(frame.left(), in.bottom() + 1, e, e);
        f.bottom_right = drawn.copy(in.right() + 1, in.bottom() + 1, e, e);
        // A line one pixel across an edge, repeated along it.
        const auto repeated = [&at](QRect line, QSize size) {
            QImage strip(size, QImage::Format_ARGB32_Premultiplied);
            for (int y = 0; y < size.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(strip.scanLine(y));
                for (int x = 0; x < size.width(); ++x)
                    row[x] = at(line.left() + x % line.width(), line.top() + y % line.height());
            }
            return strip;
        };
        f.left = repeated(QRect(frame.left(), in.top(), e, 1), QSize(e, kBand));
        f.right = repeated(QRect(in.right() + 1, in.top(), e, 1), QSize(e, kBand));
        f.upper = repeated(QRect(in.left(), frame.top(), 1, e), QSize(kBand, e));
        f.lower = repeated(QRect(in.left(), in.bottom() + 1, 1, e), QSize(kBand, e));
        f.middle = QColor::fromRgba(qUnpremultiply(shade));
        return f;
    }

    const std::optional<GroupBoxFrame>& groupBoxFrame(const QStyleOptionFrame& option, const QPainter* painter,
                                                      const QWidget* widget) const {
        // Fusion starts the frame lower under a title (or a check box) than in a box without either.
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const bool untitled = box && !box->isCheckable() && box->title().isEmpty();
        // The render hints matter: Fusion stretches its image smoothly where the painter asks for it.
        const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6")
                                .arg(option.fontMetrics.height())
                                .arg(static_cast<int>(painter->renderHints()))
                                .arg(untitled)
                                .arg(static_cast<int>(option.state))
                                .arg(option.lineWidth)
                                .arg(option.palette.cacheKey());
        const auto found = group_box_frames_.constFind(key);
        if (found != group_box_frames_.cend()) return *found;
        QImage drawn(64, option.fontMetrics.height() + 64, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QStyleOptionFrame probe(option);
        probe.rect = drawn.rect();
        {
            QPainter p(&drawn);
            p.setRenderHints(painter->renderHints());
            baseStyle()->drawPrimitive(PE_FrameGroupBox, &probe, &p, widget);
        }
        return *group_box_frames_.insert(key, learnGroupBoxFrame(drawn));
    }

    bool drawGroupBoxFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
        constexpr int e = kNinePatchEdge;
        const auto* option_frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (!option_frame || !plainRasterPainter(painter) || painter->device()->devicePixelRatio() != 1.0) return false;
        const std::optional<GroupBoxFrame>& f = groupBoxFrame(*option_frame, painter, widget);
        const QRect frame = option->rect.adjusted(0, f ? f->top : 0, 0, 0);
        if (!f || frame.width() <= 2 * e || frame.height() <= 2 * e) return false;
        const QRect in = frame.adjusted(e, e, -e, -e);
        painter->drawImage(frame.topLeft(), f->top_left);
        painter->drawImage(QPoint(in.right() + 1, frame.top()), f->top_right);
        painter->drawImage(QPoint(frame.left(), in.bottom() + 1), f->bottom_left);
        painter->drawImage(in.bottomRight() + QPoint(1, 1), f->bottom_right);
        for (int x = in.left(); x <= in.right(); x += kBand) {
            const QRect piece(0, 0, std::min(kBand, in.right() + 1 - x), e);
            painter->drawImage(QPoint(x, frame.top()), f->upper, piece);
            painter->drawImage(QPoint(x, in.bottom() + 1), f->lower, piece);
        }
        for (int y = in.top(); y <= in.bottom(); y += kBand) {
            const QRect piece(0, 0, e, std::min(kBand, in.bottom() + 1 - y));
            painter->drawImage(QPoint(frame.left(), y), f->left, piece);
            painter->drawImage(QPoint(in.right() + 1, y), f->right, piece);
        }
        inBands(painter, in, [&](QRect band) { painter->fillRect(band, f->middle); });
        return true;
    }

    bool drawLineEditPanel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (!frame || !plainRasterPainter(painter)) return false;
        const QPalette& colours = option->palette;
        const qreal scale = painter->device()->devicePixelRatio();
        QString key = QStringLiteral("%1x%2@%3 %4 %5").arg(option->rect.width()).arg(option->rect.height()).arg(scale);
        key = key.arg(static_cast<int>(option->state)).arg(frame->lineWidth);
        for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Highlight, QPalette::Shadow})
            key += QLatin1Char(' ') + QString::number(colours.color(role).rgba(), 16);
        const QImage* panel = panels_.find(key);
        if (!panel) {
            QImage image(option->rect.size() * scale, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(scale);
            image.fill(Qt::transparent);
            QStyleOptionFrame at(*frame);
            at.rect.moveTopLeft(QPoint(0, 0));
            {
                QPainter p(&image);
                QProxyStyle::drawPrimitive(PE_PanelLineEdit, &at, &p, widget);
            }
            panel = &panels_.insert(key, std::move(image));
        }
        painter->drawImage(option->rect.topLeft(), *panel);
        return true;
    }

    mutable FrameCache panels_;
    mutable QHash<QString, std::optional<GroupBoxFrame>> group_box_frames_;
};

}  // namespace

QString cjkFamily() {
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char* preferred : {"SimSun", "NSimSun", "Noto Sans CJK SC", "WenQuanYi Micro Hei", "Noto Sans SC",
                                      "WenQuanYi Zen Hei", "Noto Serif CJK SC", "AR PL UMing CN"}) {
            const QString name = QString::fromLatin1(preferred);
            if (installed.contains(name)) return name;
        }
        for (const QString& name : installed)
            if (QFontDatabase::writingSystems(name).contains(QFontDatabase::SimplifiedChinese)) return name;
        return QApplication::font().family();
    }();
    return family;
}

// Pixel sizes, not points: the design is laid out in pixels at 96 dpi, whatever the screen reports.
QFont defaultFont() {
    QFont f(cjkFamily());
    f.setPixelSize(12);
    return f;
}

QFont exponentFont() {
    QFont f(cjkFamily());
    f.setPixelSize(9);
    return f;
}

void prepareApplication(QApplication& app) {
    app.setStyle(new Style(QStyleFactory::create(QStringLiteral("Fusion"))));
    app.setFont(defaultFont());
    app.setApplicationName(QStringLiteral("vxr"));
    app.setApplicationDisplayName(QString());
    app.setWindowIcon(appIcon());
}

void styleResultBox(QLineEdit* box) {
    box->setReadOnly(true);
    QPalette p = box->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, QColor(192, 255, 255));
        p.setColor(group, QPalette::Text, QColor(255, 0, 0));
    }
    box->setPalette(p);
}

namespace {

// A pipe elbow with a flow arrow over a light-cyan plate: the calculator's subject in one glance.
QPixmap drawIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    p.setPen(QPen(QColor(0, 70, 140), s / 16));
    p.setBrush(QColor(192, 255, 255));
    p.drawRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.15, s * 0.15);
    QPainterPath pipe;
    pipe.moveTo(s * 0.18, s * 0.30);
    pipe.lineTo(s * 0.55, s * 0.30);
    pipe.quadTo(s * 0.72, s * 0.30, s * 0.72, s * 0.47);
    pipe.lineTo(s * 0.72, s * 0.84);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 70, 140), s * 0.20, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(pipe);
    p.setPen(QPen(QColor(255, 255, 255), s * 0.07, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(pipe);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 0, 0));
    QPolygonF arrow;
    arrow << QPointF(s * 0.22, s * 0.58) << QPointF(s * 0.48, s * 0.72) << QPointF(s * 0.22, s * 0.86);
    p.drawPolygon(arrow);
    return pixmap;
}

}  // namespace

QIcon appIcon() {
    // Drawn once: the application and each window share it. Never destroyed, so that no pixmap outlives the
    // application object at exit.
    static const QIcon* const icon = [] {
        auto* made = new QIcon;
        made->addPixmap(drawIcon(16));
        made->addPixmap(drawIcon(32));
        return made;
    }();
    return *icon;
}

}  // namespace vxr::app
