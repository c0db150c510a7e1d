#include "windows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QWidget>
#include <stdexcept>

#include "app/form.h"
#include "app/main_window.h"
#include "app/tab_control.h"

namespace vxr::bench {
namespace {

// Notes the first paint event of the window it watches.
class FirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return false;
    }
};

}  // namespace

int widgetCount(const QWidget& window) {
    return static_cast<int>(window.findChildren<QWidget*>().size()) + 1;
}

int completeCalculatorWidgets() {
    app::MainWindow window;
    for (int i = 0; i < window.tabs()->count(); ++i) window.tabs()->page(i);
    return widgetCount(window);
}

std::unique_ptr<QMainWindow> bareWindow(int widgets) {
    auto window = std::make_unique<QMainWindow>();
    auto* client = new QWidget;
    client->setFixedSize(app::pixels(10290), app::pixels(9270));
    // The window and its central widget count; the rest are plain widgets in rows of 20 × 20 px cells.
    const int columns = client->width() / 20;
    for (int i = 0; i < widgets - 2; ++i) {
        auto* w = new QWidget(client);
        w->setGeometry(i % columns * 20, i / columns * 20 % client->height(), 18, 18);
    }
    window->setCentralWidget(client);
    return window;
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

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void showFirstFrame(QWidget& window) {
    paintAfter(window, [&window] { window.show(); });
}

long peakMemoryKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

}  // namespace vxr::bench
