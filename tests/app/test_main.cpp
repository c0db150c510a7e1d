// The window tests' entry point: a QApplication on the offscreen platform, styled as the program styles itself,
// with a watchdog that answers every message box: the one a test waits for is caught, any other fails the test.
#include <gtest/gtest.h>

#include "app/kit/look.h"
#include "app/window_test_support.h"
#include "support/headless.h"

int main(int argc, char* argv[]) {
    vxr::support::quietQtMessages();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Settings, the session and the file dialogs' folders of this process only, fresh at every run.
    const QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication app(argc, argv);
    vxr::app::prepareApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    vxr::support::watchMessageBoxes(5, vxr::test::answer);
    return RUN_ALL_TESTS();
}
