#include "app/kit/look.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTableWidget>
#include <QTranslator>
#include <algorithm>

#include "app/kit/file_dialog.h"
#include "app/kit/guarded_dialog.h"

namespace vxr::app {
namespace {

// Fusion, with its tall frames painted in bands.
//
// Qt's raster engine hands any blend taller than about a hundred scanlines to its thread pool and waits for it, and
// the page frame and the group-box frames are such blends (half-transparent lines the whole height), so each woke
// the pool for a few pixels of work. Painted through clip bands of at most 95 rows, the same pixels come out with
// the work kept on this thread, which measurably shortens the first frame.
class Style : public QProxyStyle {
public:
    explicit Style(QStyle* base) : QProxyStyle(base) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if ((element != PE_FrameTabWidget && element != PE_FrameGroupBox) || option->rect.height() <= kBand)
            return QProxyStyle::drawPrimitive(element, option, painter, widget);
        const QRect area = option->rect;
        for (int top = area.top(); top <= area.bottom(); top += kBand) {
            painter->save();
            painter->setClipRect(QRect(area.left(), top, area.width(), std::min(kBand, area.bottom() + 1 - top)),
                                 Qt::IntersectClip);
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            painter->restore();
        }
    }

private:
    static constexpr int kBand = 95;  // rows a blend may span and stay on this thread
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
    app.setOrganizationName(QStringLiteral("VXR"));  // where the settings and the session are kept
    app.setApplicationDisplayName(QString());
    app.setWindowIcon(appIcon());
    // Qt's own texts in Chinese: the file and print dialogs, the buttons of message boxes (确定). Debian ships them
    // in qt6-translations-l10n; without it they stay in English.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    // What Qt's catalogue lacks: installed last, it is asked first.
    QCoreApplication::installTranslator(qtTextsCatalogue(&app));
}

void styleResultBox(QLineEdit* box, bool outdated) {
    box->setReadOnly(true);
    const QColor text = outdated ? QColor(128, 128, 128) : QColor(255, 0, 0);
    // Marked after every edit and calculation: a palette set anew repolishes the box, so only where it changes.
    if (box->palette().color(QPalette::Disabled, QPalette::Text) == text &&
        box->palette().color(QPalette::Active, QPalette::Base) == QColor(192, 255, 255))
        return;
    QPalette p = box->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Base, QColor(192, 255, 255));
        p.setColor(group, QPalette::Text, text);
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

QDialogButtonBox* okCancelButtons(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    // 取消 drops what was changed without asking; Esc and the close button may ask first.
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, [dialog] {
        if (auto* guarded = qobject_cast<GuardedDialog*>(dialog))
            guarded->discard();
        else
            dialog->reject();
    });
    return buttons;
}

namespace {

// Closes the window it watches on an Esc that no control in it took.
class EscapeCloses : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
        static_cast<QWidget*>(watched)->close();
        return true;
    }
};

}  // namespace

void closeOnEscape(QWidget* window) {
    window->installEventFilter(new EscapeCloses(window));
}

void copySelectedCells(const QTableWidget& table) {
    QList<QTableWidgetItem*> items = table.selectedItems();
    std::sort(items.begin(), items.end(), [](const QTableWidgetItem* a, const QTableWidgetItem* b) {
        return a->row() != b->row() ? a->row() < b->row() : a->column() < b->column();
    });
    QString text;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0) text += items[i]->row() == items[i - 1]->row() ? QLatin1Char('\t') : QLatin1Char('\n');
        text += items[i]->text();
    }
    QApplication::clipboard()->setText(text);
}

}  // namespace vxr::app
