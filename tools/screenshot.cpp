// Developer's tool: opens the calculator on one page and writes a PNG of the window, to look at it as a user does.
//   vxr_screenshot <page index> <out.png>
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "app/look.h"
#include "app/main_window.h"
#include "app/tab_control.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: vxr_screenshot <page index> <out.png>\n");
        return 2;
    }
    vxr::app::prepareApplication(app);
    vxr::app::MainWindow window;
    window.tabs()->setCurrentIndex(QString::fromLocal8Bit(argv[1]).toInt());
    window.show();
    int status = 1;
    QTimer::singleShot(500, [&] {
        status = window.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return status;
}
