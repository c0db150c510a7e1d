#include "headless.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace vxr::support {

void quietQtMessages() {
    static const QtMessageHandler qt_handler = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("propagateSizeHints")) &&
            !message.contains(QLatin1String("XDG_RUNTIME_DIR")))
            qt_handler(type, context, message);
    });
}

void watchMessageBoxes(int interval_ms, std::function<bool(QMessageBox&)> report) {
    auto* watchdog = new QTimer(qApp);
    QObject::connect(watchdog, &QTimer::timeout, [report = std::move(report)] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            if (!report(*box)) box->done(QMessageBox::Ok);
        }
    });
    watchdog->start(interval_ms);
}

}  // namespace vxr::support
