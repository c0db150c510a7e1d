#include "app/friction_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/form.h"
#include "app/messages.h"
#include "calc/hydraulics/friction_loss.h"

namespace vxr::app {
namespace {

// The case data. The line number, medium and kind of pipe are the user's notes and never read.
constexpr Field kInputs[] = {
    {"Label39", {1365, 1305, 720, 195}, "管段号：", "Text37", {2475, 1260, 2565, 300}, "RW0101-100 L1B "},
    {"Label37", {5715, 1320, 720, 195}, "介质：", "Text36", {6645, 1260, 1830, 300}, "水"},
    {"Label35", {1365, 1905, 1950, 195}, "密度（千克/立方米）：", "Text34", {3795, 1860, 1200, 300}, "1000"},
    {"Label34", {5715, 1905, 1395, 195}, "流速(米/秒)：", "Text33", {7440, 1845, 1035, 270}, "1.5"},
    {"Label36", {1365, 2475, 1845, 195}, "介质粘度（Pa.s）：", "Text35", {3795, 2430, 1200, 300}, "0.001"},
    {"Label31", {1365, 3375, 1035, 195}, "管道种类：", "Text30", {2850, 3330, 2160, 300}, "无缝钢管"},
    {"Label33", {5715, 3390, 1665, 195}, "管道内径（毫米）：", "Text32", {7440, 3330, 1035, 270}, "100"},
    {"Label32", {1365, 4035, 2040, 195}, "管道粗糙度（毫米）：", "Text31", {3840, 3990, 1170, 300}, "0.5"},
    {"Label24", {5715, 4050, 1665, 195}, "管道长度（米）：", "Text23", {7440, 3990, 1035, 270}, "60"},
    {"Label30", {1365, 4725, 1530, 195}, "45度弯头（个）：", "Text29", {3840, 4680, 1170, 300}, "1"},
    {"Label29", {5715, 4755, 1605, 195}, "90度弯头（个）：", "Text28", {7440, 4695, 1035, 270}, "2"},
    {"Label25", {1365, 5385, 1650, 195}, "180度弯头（个）：", "Text24", {3840, 5340, 1170, 300}, "1"},
    {"Label26", {5715, 5400, 1410, 195}, "截止阀（个）：", "Text25", {7440, 5340, 1035, 270}, "1"},
    {"Label23", {1365, 5985, 1410, 195}, "闸阀（个）：", "Text22", {3840, 5940, 1170, 300}, "1"},
    {"Label22", {5715, 6015, 1410, 195}, "止回阀（个）：", "Text21", {7440, 5940, 1035, 270}, "1"},
    {"Label21", {1365, 6750, 1410, 195}, "球阀（个）：", "Text20", {3840, 6705, 1170, 300}, "1"},
    {"Label20", {5715, 6750, 1410, 195}, "流量计（个）：", "Text19", {7440, 6675, 1035, 270}, "1"},
};

constexpr Field kResults[] = {
    {"Label28", {1365, 7755, 2490, 195}, "计算管道阻力（焦耳/千克）：", "Text27", {3840, 7695, 1170, 300}, ""},
    {"Label27", {5580, 7755, 1845, 195}, "计算管道阻力（米）：", "Text26", {7470, 7710, 1035, 270}, ""},
};

// The fitting counts in the core's counting order: 45°, 90°, 180° elbows, globe, gate, check, ball valve, meter.
constexpr const char* kFittingCounts[calc::kFittingKinds] = {"Text29", "Text28", "Text24", "Text25",
                                                             "Text22", "Text21", "Text20", "Text19"};

}  // namespace

FrictionPage::FrictionPage(QWidget* parent) : QWidget(parent) {
    const Form form = Form::page(this);
    form.inputs(kInputs);
    form.line("Line5", 1305, 7410, 8475);
    form.results(kResults);
    // The print button has no action.
    form.button("Command5", {1635, 8160, 1020, 375}, QStringLiteral("打  印"));
    QPushButton* calc = form.button("Command6", {7470, 8205, 1020, 375}, QStringLiteral("计  算"));
    connect(calc, &QPushButton::clicked, this, &FrictionPage::calculate);
    pressOnEnter(this, calc);
    setReadingTabOrder(this);
}

void FrictionPage::calculate() {
    calc::PipeRunInput run{fieldText(this, "Text32"),
                           fieldText(this, "Text33"),
                           fieldText(this, "Text34"),
                           fieldText(this, "Text35"),
                           fieldText(this, "Text31"),
                           fieldText(this, "Text23"),
                           {}};
    for (std::size_t i = 0; i < calc::kFittingKinds; ++i) run.fittings[i] = fieldText(this, kFittingCounts[i]);
    const auto loss = calc::friction_loss(run);
    if (!loss) return showDataCheck(this);
    setFieldText(this, "Text27", loss->per_mass);
    setFieldText(this, "Text26", loss->head);
}

}  // namespace vxr::app
