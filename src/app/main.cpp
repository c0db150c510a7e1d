// The calculator's entry point: one application, one window, the last session and any case file named on the
// command line (vxr FILE.vxr).
#include <QApplication>

#include "app/kit/look.h"
#include "app/main_window.h"
#include "app/window/start_up.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vxr::app::prepareApplication(app);
    vxr::app::MainWindow window;
    vxr::app::closeOnTerminate(window);
    vxr::app::startUp(window, app.arguments().mid(1));
    window.showWhereLeft();
    return app.exec();
}
