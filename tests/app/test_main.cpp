// The window tests' entry point: a QApplication on the offscreen platform, styled as the program styles itself,
// with a watchdog that fails the running test at once if a message box opens that no test was waiting for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "app/look.h"
#include "window_test_support.h"

namespace {

// The offscreen platform warns of every fixed-size window; the warning says nothing about the program.
QtMessageHandler g_default_handler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    if (g_default_handler) g_default_handler(type, context, message);
}

}  // namespace

int main(int argc, char* argv[]) {
    g_default_handler = qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vxr::app::prepareApplication(app);
    ::testing::InitGoogleTest(&argc, argv);

    QTimer watchdog;
    watchdog.setInterval(200);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        if (vxr::test::catchingMessages()) return;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ADD_FAILURE() << "unexpected message box: " << box->windowTitle().toStdString() << " / "
                          << box->text().toStdString();
            box->done(QMessageBox::Ok);
        }
    });
    watchdog.start();
    return RUN_ALL_TESTS();
}
