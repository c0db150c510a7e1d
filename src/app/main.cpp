// The calculator's entry point: one application, one window.
#include <QApplication>

#include "app/look.h"
#include "app/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    vxr::app::prepareApplication(app);
    vxr::app::MainWindow window;
    window.show();
    return app.exec();
}
