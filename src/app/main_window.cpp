#include "app/main_window.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

#include "app/absorption_page.h"
#include "app/condensation_page.h"
#include "app/convection_page.h"
#include "app/distillation_page.h"
#include "app/drying_page.h"
#include "app/evaporation_page.h"
#include "app/form.h"
#include "app/friction_page.h"
#include "app/look.h"
#include "app/messages.h"
#include "app/pipe_diameter_page.h"
#include "app/pump_page.h"
#include "app/relief_page.h"
#include "app/stress_page.h"
#include "app/tab_control.h"
#include "app/unit_page.h"

namespace vxr::app {
namespace {

constexpr int kStartPage = 4;  // 冷凝膜系数, the page the window opens on

template <class Page>
QWidget* build() {
    return new Page;
}

}  // namespace

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
    tabs_->addPage(QStringLiteral("管径计算"), build<PipeDiameterPage>);
    tabs_->addPage(QStringLiteral("管道阻力计算"), build<FrictionPage>);
    tabs_->addPage(QStringLiteral("离心泵安装高度计算"), build<PumpPage>);
    tabs_->addPage(QStringLiteral("传热膜系数计算"), build<ConvectionPage>);
    tabs_->addPage(QStringLiteral("冷凝膜系数"), build<CondensationPage>);
    tabs_->addPage(QStringLiteral("精馏计算"), build<DistillationPage>);
    tabs_->addPage(QStringLiteral("单效蒸发"), build<EvaporationPage>);
    tabs_->addPage(QStringLiteral("干燥计算"), build<DryingPage>);
    tabs_->addPage(QStringLiteral("吸收计算"), build<AbsorptionPage>);
    tabs_->addPage(QStringLiteral("安全阀计算"), build<ReliefPage>);
    tabs_->addPage(QStringLiteral("管道应力判断"), build<StressPage>);
    tabs_->addPage(QStringLiteral("单位换算"), build<UnitPage>);
    tabs_->setCurrentIndex(kStartPage);
    setCentralWidget(client);

    // The layout is absolute: the window keeps its size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
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
    QAction* about = help->addAction(QStringLiteral("关于VXR"));
    about->setObjectName(QStringLiteral("guanyu"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::showAbout() {
    showMessage(this, kAppTitle,
                QStringLiteral("VXR V1.00.\n化工工艺设计计算：管径、管道阻力、离心泵安装高度、传热膜系数、"
                               "冷凝膜系数与管道柔性判断。"));
}

}  // namespace vxr::app
