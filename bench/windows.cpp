#include "windows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <stdexcept>
#include <unordered_map>

#include "app/kit/tab_control.h"
#include "app/main_window.h"

namespace vxr::bench {
namespace {

// Notes the first paint event of the widget it watches.
class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

// A control's plain Qt type and its text; a type the bare window does not rebuild counts as a plain QWidget.
QJsonObject describe(const QWidget* w) {
    QJsonObject c;
    const auto put = [&c](const char* type, const QString& text) {
        c[QStringLiteral("type")] = QLatin1String(type);
        c[QStringLiteral("text")] = text;
    };
    if (auto* l = qobject_cast<const QLabel*>(w))
        put("QLabel", l->text());
    else if (auto* e = qobject_cast<const QLineEdit*>(w))
        put("QLineEdit", e->text());
    else if (auto* b = qobject_cast<const QPushButton*>(w))
        put("QPushButton", b->text());
    else if (auto* r = qobject_cast<const QRadioButton*>(w))
        put("QRadioButton", r->text());
    else if (auto* k = qobject_cast<const QCheckBox*>(w))
        put("QCheckBox", k->text());
    else if (auto* g = qobject_cast<const QGroupBox*>(w))
        put("QGroupBox", g->title());
    else if (auto* x = qobject_cast<const QComboBox*>(w))
        put("QComboBox", x->currentText());
    else if (qobject_cast<const QFrame*>(w))
        put("QFrame", QString());
    else
        put("QWidget", QString());
    const QRect r = w->geometry();
    c[QStringLiteral("geometry")] = QJsonArray{r.x(), r.y(), r.width(), r.height()};
    c[QStringLiteral("pixels")] = w->font().pixelSize();
    c[QStringLiteral("hidden")] = w->isHidden();
    return c;
}

// Controls nest only in group boxes, frames and plain widgets; what lies inside any other control is its own.
bool holdsControls(const QWidget* w) {
    return qobject_cast<const QGroupBox*>(w) || w->metaObject() == &QWidget::staticMetaObject ||
           w->metaObject() == &QFrame::staticMetaObject;
}

QWidget* rebuild(const QJsonObject& c, QWidget* parent) {
    const QString type = c[QStringLiteral("type")].toString(), text = c[QStringLiteral("text")].toString();
    QWidget* w = nullptr;
    if (type == QLatin1String("QLabel"))
        w = new QLabel(text, parent);
    else if (type == QLatin1String("QLineEdit"))
        w = new QLineEdit(text, parent);
    else if (type == QLatin1String("QPushButton"))
        w = new QPushButton(text, parent);
    else if (type == QLatin1String("QRadioButton"))
        w = new QRadioButton(text, parent);
    else if (type == QLatin1String("QCheckBox"))
        w = new QCheckBox(text, parent);
    else if (type == QLatin1String("QGroupBox"))
        w = new QGroupBox(text, parent);
    else if (type == QLatin1String("QComboBox")) {
        auto* box = new QComboBox(parent);
        box->addItem(text);
        w = box;
    } else if (type == QLatin1String("QFrame"))
        w = new QFrame(parent);
    else
        w = new QWidget(parent);
    const QJsonArray g = c[QStringLiteral("geometry")].toArray();
    w->setGeometry(g[0].toInt(), g[1].toInt(), g[2].toInt(), g[3].toInt());
    if (const int px = c[QStringLiteral("pixels")].toInt(); px > 0 && px != parent->font().pixelSize()) {
        QFont f = w->font();
        f.setPixelSize(px);
        w->setFont(f);
    }
    if (c[QStringLiteral("hidden")].toBool()) w->hide();
    return w;
}

void buildPage(QWidget* page, const QJsonArray& controls) {
    std::vector<QWidget*> made;
    for (const QJsonValue v : controls) {
        const QJsonObject c = v.toObject();
        const int parent = c[QStringLiteral("parent")].toInt();
        made.push_back(rebuild(c, parent < 0 ? page : made[static_cast<std::size_t>(parent)]));
    }
}

}  // namespace

QJsonObject describeCalculator() {
    app::MainWindow window;
    QJsonArray menus, tabs, pages;
    for (QAction* menu : window.menuBar()->actions()) {
        QJsonArray items{menu->text()};
        if (menu->menu())
            for (QAction* a : menu->menu()->actions()) items.append(a->text());
        menus.append(items);
    }
    app::TabControl* control = window.tabs();
    for (int i = 0; i < control->count(); ++i) {
        tabs.append(control->tabText(i));
        QWidget* page = control->page(i);
        std::unordered_map<const QWidget*, int> index{{page, -1}};
        QJsonArray controls;
        for (QWidget* w : page->findChildren<QWidget*>()) {  // parents before their children
            const auto parent = index.find(w->parentWidget());
            if (parent == index.end()) continue;
            QJsonObject c = describe(w);
            c[QStringLiteral("parent")] = parent->second;
            if (holdsControls(w)) index[w] = static_cast<int>(controls.size());
            controls.append(c);
        }
        pages.append(controls);
    }
    const QRect tab_area = control->geometry();
    return {{QStringLiteral("menus"), menus},
            {QStringLiteral("tabs"), tabs},
            {QStringLiteral("pages"), pages},
            {QStringLiteral("start"), control->currentIndex()},
            {QStringLiteral("client"), QJsonArray{window.centralWidget()->width(), window.centralWidget()->height()}},
            {QStringLiteral("tab_area"), QJsonArray{tab_area.x(), tab_area.y(), tab_area.width(), tab_area.height()}}};
}

std::unique_ptr<QMainWindow> bareWindow(const QJsonObject& description) {
    auto window = std::make_unique<QMainWindow>();
    for (const QJsonValue menu : description[QStringLiteral("menus")].toArray()) {
        const QJsonArray items = menu.toArray();
        QMenu* m = window->menuBar()->addMenu(items[0].toString());
        for (int i = 1; i < items.size(); ++i) m->addAction(items[i].toString());
    }
    auto* client = new QWidget;
    const QJsonArray size = description[QStringLiteral("client")].toArray();
    client->setFixedSize(size[0].toInt(), size[1].toInt());
    auto* tabs = new QTabWidget(client);
    const QJsonArray area = description[QStringLiteral("tab_area")].toArray();
    tabs->setGeometry(area[0].toInt(), area[1].toInt(), area[2].toInt(), area[3].toInt());
    const QJsonArray pages = description[QStringLiteral("pages")].toArray();
    for (const QJsonValue caption : description[QStringLiteral("tabs")].toArray())
        tabs->addTab(new QWidget, caption.toString());
    auto built = std::make_shared<std::vector<bool>>(static_cast<std::size_t>(tabs->count()));
    const auto open = [tabs, pages, built](int i) {
        if (i < 0 || (*built)[static_cast<std::size_t>(i)]) return;
        (*built)[static_cast<std::size_t>(i)] = true;
        buildPage(tabs->widget(i), pages[i].toArray());
    };
    tabs->setCurrentIndex(description[QStringLiteral("start")].toInt());
    open(tabs->currentIndex());
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, open);
    window->setCentralWidget(client);
    return window;
}

void openPage(QMainWindow& window, int index) {
    // The page on show already is not painted again.
    if (auto* control = window.findChild<app::TabControl*>(); control && control->currentIndex() != index) {
        paintAfter(*control, [control, index] { control->setCurrentIndex(index); });
    } else if (auto* tabs = window.findChild<QTabWidget*>(); tabs && tabs->currentIndex() != index) {
        paintAfter(*tabs, [tabs, index] { tabs->setCurrentIndex(index); });
    }
}

int pageCount(QMainWindow& window) {
    if (auto* control = window.findChild<app::TabControl*>()) return control->count();
    if (auto* tabs = window.findChild<QTabWidget*>()) return tabs->count();
    return 0;
}

void paintAfter(QWidget& widget, const std::function<void()>& change) {
    FirstPaint watch;
    widget.installEventFilter(&watch);
    change();
    QElapsedTimer waited;
    waited.start();
    while (!watch.painted) {
        QCoreApplication::processEvents();
        if (waited.elapsed() > 10000) throw std::runtime_error("the window was never painted");
    }
    widget.removeEventFilter(&watch);
}

void showFirstFrame(QWidget& window) {
    paintAfter(window, [&window] { window.show(); });
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

long peakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

}  // namespace vxr::bench
