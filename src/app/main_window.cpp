#include "app/main_window.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "app/form.h"
#include "app/look.h"
#include "app/manual_window.h"
#include "app/messages.h"
#include "app/pages.h"
#include "app/tab_control.h"

namespace vxr::app {

MainWindow::MainWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("VXR [V1.00]"));
    setWindowIcon(appIcon());
    setFont(defaultFont());
    buildMenus();

    // The client area is 10290 × 9270 twips; the tab control stands at 90, 45 and is 10050 × 8970.
    auto* client = new QWidget(this);
    client->setFixedSize(pixels(10290), pixels(9270));
    tabs_ = new TabControl(4, pixels(kTabRowsTwips), client);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setGeometry(pixels(90), pixels(45), pixels(10050), pixels(8970));
    int start = 0;
    for (const PageInfo& info : pages()) {
        const int index = tabs_->addPage(QString::fromUtf8(info.caption), [&info] {
            QWidget* page = info.build(info);
            page->setObjectName(QString::fromLatin1(info.name));
            return page;
        });
        if (std::string_view(info.name) == kStartPage) start = index;
    }
    tabs_->setCurrentIndex(start);
    setCentralWidget(client);

    // The layout is absolute: the window keeps its size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* MainWindow::page(std::string_view name) const {
    const std::span<const PageInfo> all = pages();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (name == all[i].name) return tabs_->page(static_cast<int>(i));
    return nullptr;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件"));
    file->setObjectName(QStringLiteral("FILE"));
    QAction* setup = file->addAction(QStringLiteral("设置"));
    setup->setObjectName(QStringLiteral("SETUP"));
    QAction* exit = file->addAction(QStringLiteral("退出"));
    exit->setObjectName(QStringLiteral("EXIT"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助"));
    help->setObjectName(QStringLiteral("HELP"));
    QAction* contents = help->addAction(QStringLiteral("内容"));
    contents->setObjectName(QStringLiteral("neirong"));
    connect(contents, &QAction::triggered, this, [this] { openManual(ManualWindow::kStart); });
    QAction* about = help->addAction(QStringLiteral("关于VXR"));
    about->setObjectName(QStringLiteral("guanyu"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);

    // F1 is the window's own shortcut, not 内容's: it opens the manual at the page being shown.
    auto* pageHelp = new QAction(this);
    pageHelp->setObjectName(QStringLiteral("pageHelp"));
    pageHelp->setShortcut(QKeySequence(Qt::Key_F1));
    pageHelp->setShortcutContext(Qt::WindowShortcut);
    addAction(pageHelp);
    connect(pageHelp, &QAction::triggered, this,
            [this] { openManual(pages()[static_cast<std::size_t>(tabs_->currentIndex())].name); });
}

void MainWindow::openManual(std::string_view chapter) {
    if (!manual_) manual_ = new ManualWindow(this);
    manual_->showChapter(chapter);
    manual_->show();
    manual_->raise();
    manual_->activateWindow();
}

void MainWindow::showAbout() {
    QStringList captions;
    for (const PageInfo& page : pages()) captions << QString::fromUtf8(page.caption);
    showMessage(this, kAppTitle,
                QStringLiteral("VXR V1.00.\n化工工艺设计计算，共 %1 页：%2。\n按 F1 查看当前页的使用手册。")
                    .arg(captions.size())
                    .arg(captions.join(QStringLiteral("、"))));
}

}  // namespace vxr::app
