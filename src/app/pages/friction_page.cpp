#include "app/pages/friction_page.h"

#include <QGroupBox>
#include <QPushButton>

#include "app/pages/pipe_pick.h"

namespace vxr::app {
namespace {

constexpr Place kPlaces[] = {
    {"Text37", {2475, 1260, 2565, 300}, "Label39", {1365, 1305, 720, 195}},
    {"Text36", {6645, 1260, 1830, 300}, "Label37", {5715, 1320, 720, 195}},
    {"Text30", {2850, 3330, 2160, 300}, "Label31", {1365, 3375, 1035, 195}},
    {"Text34", {3795, 1860, 1200, 300}, "Label35", {1365, 1905, 1950, 195}},
    {"Text33", {7440, 1845, 1035, 270}, "Label34", {5715, 1905, 1395, 195}},
    {"Text35", {3795, 2430, 1200, 300}, "Label36", {1365, 2475, 1845, 195}},
    {"Text32", {7440, 3330, 1035, 270}, "Label33", {5715, 3390, 1665, 195}},
    {"Text31", {3840, 3990, 1170, 300}, "Label32", {1365, 4035, 2040, 195}},
    {"Text23", {7440, 3990, 1035, 270}, "Label24", {5715, 4050, 1665, 195}},
    {"Text29", {3840, 4680, 1170, 300}, "Label30", {1365, 4725, 1530, 195}},
    {"Text28", {7440, 4695, 1035, 270}, "Label29", {5715, 4755, 1605, 195}},
    {"Text24", {3840, 5340, 1170, 300}, "Label25", {1365, 5385, 1650, 195}},
    {"Text25", {7440, 5340, 1035, 270}, "Label26", {5715, 5400, 1410, 195}},
    {"Text22", {3840, 5940, 1170, 300}, "Label23", {1365, 5985, 1410, 195}},
    {"Text21", {7440, 5940, 1035, 270}, "Label22", {5715, 6015, 1410, 195}},
    {"Text20", {3840, 6705, 1170, 300}, "Label21", {1365, 6750, 1410, 195}},
    {"Text19", {7440, 6675, 1035, 270}, "Label20", {5715, 6750, 1410, 195}},
};
// The friction law, in the room right of the viscosity.
constexpr Place kLaw[] = {
    {"frictionColebrook", {150, 285, 2900, 270}},
    {"frictionFullyRough", {150, 585, 2900, 270}},
};
constexpr Place kResults[] = {
    {"Text27", {3840, 7695, 1170, 300}, "Label28", {1365, 7755, 2490, 195}},
    {"Text26", {7470, 7710, 1035, 270}, "Label27", {5580, 7755, 1845, 195}},
};

}  // namespace

FrictionPage::FrictionPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    const Form form = Form::page(this);
    place(form, kPlaces);
    place(Form::inside(form.groupBox("frictionLaw", {5640, 2265, 3240, 960}, QStringLiteral("摩擦系数："))), kLaw);
    // The pickers, right of the rows whose inputs they fill (管道种类 and 管道内径; 管道粗糙度).
    QPushButton* pipe = form.button("frictionPipePick", {8580, 3330, 1215, 300}, QStringLiteral("按规格…"));
    pipe->setToolTip(QStringLiteral("按管子规格（ASME B36.10M / B36.19M）填入管道内径，并写入管道种类"));
    connect(pipe, &QPushButton::clicked, this, &FrictionPage::pickPipe);
    QPushButton* wall = form.button("frictionRoughnessPick", {8580, 3990, 1215, 300}, QStringLiteral("按材质…"));
    wall->setToolTip(QStringLiteral("按管壁材质填入管道粗糙度（左侧）"));
    connect(wall, &QPushButton::clicked, this, &FrictionPage::pickRoughness);
    form.line("Line5", 1305, 7410, 8475);
    place(form, kResults);
    printsSheet(form.button("Command5", {1635, 8160, 1020, 375}, QStringLiteral("打  印")));
    finish(form.button("Command6", {7470, 8205, 1020, 375}, QStringLiteral("计  算")), Enter::PressesCalculate,
           Focus::StaysWhereItWas);
}

PickDialog* FrictionPage::pickPipe() {
    if (!pipe_) {
        auto* pick = new PipePickDialog(this);
        pick->target("Text32", "Text30", QStringLiteral("管道内径"));
        pipe_ = pick;
    }
    pipe_->show();
    pipe_->raise();
    return pipe_;
}

PickDialog* FrictionPage::pickRoughness() {
    if (!roughness_) roughness_ = new RoughnessPickDialog(this);
    roughness_->show();
    roughness_->raise();
    return roughness_;
}

}  // namespace vxr::app
