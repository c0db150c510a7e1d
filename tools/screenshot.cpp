// Developer's tool: opens the calculator on one page and writes a PNG of the window, to look at it as a user does.
//   vxr_screenshot <page name> <out.png>      page names as in src/app/pages/page_list.cpp, e.g. reliefPage
//   vxr_screenshot manual/<chapter> <out.png> the manual window at a chapter (a page name, or index)
//   vxr_screenshot <page name> <out.png> name=text … name …
//                                             with texts typed into the named boxes and the named buttons or
//                                             options clicked first, in order (cvGas cvTemperature=159.85 cvCalculate)
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "app/kit/look.h"
#include "app/kit/tab_control.h"
#include "app/main_window.h"
#include "app/pages/page_list.h"
#include "app/window/manual_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: vxr_screenshot <page name> <out.png> [name=text | name] …\n");
        return 2;
    }
    vxr::app::prepareApplication(app);
    vxr::app::MainWindow window;
    const QString name = QString::fromLocal8Bit(argv[1]);
    if (name.startsWith(QLatin1String("manual/"))) {
        window.show();
        window.openManual(name.mid(7).toStdString());
        int status = 1;
        QTimer::singleShot(500, [&] {
            auto* manual = window.findChild<vxr::app::ManualWindow*>();
            status = manual && manual->grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
            app.quit();
        });
        app.exec();
        return status;
    }
    const auto pages = vxr::app::pages();
    int index = -1;
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (QLatin1String(pages[i].name) == QLatin1String(argv[1])) index = static_cast<int>(i);
    if (index < 0) {
        std::fprintf(stderr, "no page named %s\n", argv[1]);
        return 2;
    }
    window.tabs()->setCurrentIndex(index);
    window.show();
    QWidget* page = window.page(pages[static_cast<std::size_t>(index)].name);
    for (int i = 3; i < argc; ++i) {
        const QString step = QString::fromLocal8Bit(argv[i]);
        const QString control = step.section(QLatin1Char('='), 0, 0);
        if (auto* box = page->findChild<QLineEdit*>(control); box && step.contains(QLatin1Char('=')))
            box->setText(step.section(QLatin1Char('='), 1));
        else if (auto* button = page->findChild<QAbstractButton*>(control))
            button->click();
        else
            return std::fprintf(stderr, "no control named %s\n", argv[i]), 2;
    }
    int status = 1;
    QTimer::singleShot(500, [&] {
        status = window.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return status;
}
