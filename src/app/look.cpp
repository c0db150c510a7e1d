#include "app/look.h"

#include <QApplication>
#include <QFontDatabase>
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

// Fusion, with two of its frames painted for less.
//
// Qt's raster engine hands any blend of more than about a hundred scanlines to its thread pool and waits for it.
// The page frame of the tab control and the frames of group boxes are such blends (their half-transparent shadow
// and highlight lines run the whole height), so each one woke the pool's threads for a few pixels of work; in a
// window's first frame that waiting cost more than drawing all the frames. Painted through clip bands a little
// lower than that limit, the same pixels come out and the work stays on this thread.
//
// Fusion draws a group box's frame as a nine-patch image stretched over the whole box. Its middle is one flat,
// almost transparent shade, and scaling the image over the inside of every box was the dearest drawing of a page.
// Here the nine-patch is drawn only on a ring along the box's edges and the inside is filled with that shade,
// read once from a frame Fusion draws itself: again the same pixels. Where the middle is not one flat shade, or
// the painter is not a plain raster painter, Fusion draws the whole frame.
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

    // The inside of a group box that holds nothing but the middle shade: within the image's border, and below the
    // lowest the frame's top edge can start (under a title as tall as the font, or a check box).
    static QRect inside(const QStyleOption* option) {
        return option->rect.adjusted(kNinePatchEdge, option->fontMetrics.height() + 30, -kNinePatchEdge,
                                     -kNinePatchEdge);
    }

    static bool plainRasterPainter(const QPainter* painter) {
        return painter->paintEngine() && painter->paintEngine()->type() == QPaintEngine::Raster &&
               painter->compositionMode() == QPainter::CompositionMode_SourceOver && painter->opacity() == 1.0 &&
               painter->worldTransform().type() <= QTransform::TxTranslate;
    }

    // The premultiplied shade of the middle of Fusion's group-box frame, read from a frame Fusion draws on a
    // transparent image; none where the inside is not one flat shade that a fill reproduces exactly.
    std::optional<QRgb> middleShade(const QStyleOptionFrame& like) const {
        if (!shade_read_) {
            shade_read_ = true;
            QStyleOptionFrame probe(like);
            QImage image(96, like.fontMetrics.height() + 96, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            probe.rect = image.rect();
            {
                QPainter p(&image);
                baseStyle()->drawPrimitive(PE_FrameGroupBox, &probe, &p, nullptr);
            }
            const QRect in = inside(&probe);
            const QRgb first = reinterpret_cast<const QRgb*>(image.constScanLine(in.top()))[in.left()];
            bool flat = qPremultiply(qUnpremultiply(first)) == first;
            for (int y = in.top(); flat && y <= in.bottom(); ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                flat = std::all_of(row + in.left(), row + in.right() + 1, [first](QRgb px) { return px == first; });
            }
            if (flat) shade_ = first;
        }
        return shade_;
    }

    bool drawGroupBoxFrame(const QStyleOption* option, QPainter* painter, const QWidget* widget) const {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        const QRect in = inside(option);
        if (!frame || in.isEmpty() || !plainRasterPainter(painter)) return false;
        const std::optional<QRgb> shade = middleShade(*frame);
        if (!shade) return false;
        const QRegion ring = QRegion(option->rect).subtracted(in);
        inBands(painter, option->rect, [&](QRect band) {
            painter->save();
            painter->setClipRegion(ring.intersected(band), Qt::IntersectClip);
            QProxyStyle::drawPrimitive(PE_FrameGroupBox, option, painter, widget);
            painter->restore();
        });
        const QColor fill = QColor::fromRgba(qUnpremultiply(*shade));
        inBands(painter, in, [&](QRect band) { painter->fillRect(band, fill); });
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
    mutable bool shade_read_ = false;
    mutable std::optional<QRgb> shade_;
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
