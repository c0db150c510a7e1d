#include "headless.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace vxr::support {
namespace {

QtMessageHandler g_default_handler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")) || message.contains(QLatin1String("XDG_RUNTIME_DIR")))
        return;
    if (g_default_handler) g_default_handler(type, context, message);
}

}  // namespace

void quietQtMessages() {
    g_default_handler = qInstallMessageHandler(quietHandler);
}

void watchMessageBoxes(int interval_ms, std::function<void(const QMessageBox&)> report) {
    auto* watchdog = new QTimer(qApp);
    QObject::connect(watchdog, &QTimer::timeout, [report = std::move(report)] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            report(*box);
            box->done(QMessageBox::Ok);
        }
    });
    watchdog->start(interval_ms);
}

}  // namespace vxr::support
