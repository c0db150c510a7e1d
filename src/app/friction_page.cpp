#include "app/friction_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/form.h"
#include "calc/hydraulics/friction_loss.h"

namespace vxr::app {
namespace {

using In = calc::PipeRunInput;

// The case data. The line number, medium and kind of pipe are the user's notes and never read.
constexpr Field kNotes[] = {
    {"Label39", {1365, 1305, 720, 195}, "管段号：", "Text37", {2475, 1260, 2565, 300}, "RW0101-100 L1B "},
    {"Label37", {5715, 1320, 720, 195}, "介质：", "Text36", {6645, 1260, 1830, 300}, "水"},
    {"Label31", {1365, 3375, 1035, 195}, "管道种类：", "Text30", {2850, 3330, 2160, 300}, "无缝钢管"},
};
constexpr BoundField<In> kInputs[] = {
    {{"Label35", {1365, 1905, 1950, 195}, "密度（千克/立方米）：", "Text34", {3795, 1860, 1200, 300}, "1000"},
     &In::density},
    {{"Label34", {5715, 1905, 1395, 195}, "流速(米/秒)：", "Text33", {7440, 1845, 1035, 270}, "1.5"}, &In::velocity},
    {{"Label36", {1365, 2475, 1845, 195}, "介质粘度（Pa.s）：", "Text35", {3795, 2430, 1200, 300}, "0.001"},
     &In::viscosity},
    {{"Label33", {5715, 3390, 1665, 195}, "管道内径（毫米）：", "Text32", {7440, 3330, 1035, 270}, "100"},
     &In::inside_diameter},
    {{"Label32", {1365, 4035, 2040, 195}, "管道粗糙度（毫米）：", "Text31", {3840, 3990, 1170, 300}, "0.5"},
     &In::roughness},
    {{"Label24", {5715, 4050, 1665, 195}, "管道长度（米）：", "Text23", {7440, 3990, 1035, 270}, "60"}, &In::length},
    {{"Label30", {1365, 4725, 1530, 195}, "45度弯头（个）：", "Text29", {3840, 4680, 1170, 300}, "1"}, &In::elbows_45},
    {{"Label29", {5715, 4755, 1605, 195}, "90度弯头（个）：", "Text28", {7440, 4695, 1035, 270}, "2"}, &In::elbows_90},
    {{"Label25", {1365, 5385, 1650, 195}, "180度弯头（个）：", "Text24", {3840, 5340, 1170, 300}, "1"},
     &In::return_bends},
    {{"Label26", {5715, 5400, 1410, 195}, "截止阀（个）：", "Text25", {7440, 5340, 1035, 270}, "1"}, &In::globe_valves},
    {{"Label23", {1365, 5985, 1410, 195}, "闸阀（个）：", "Text22", {3840, 5940, 1170, 300}, "1"}, &In::gate_valves},
    {{"Label22", {5715, 6015, 1410, 195}, "止回阀（个）：", "Text21", {7440, 5940, 1035, 270}, "1"}, &In::check_valves},
    {{"Label21", {1365, 6750, 1410, 195}, "球阀（个）：", "Text20", {3840, 6705, 1170, 300}, "1"}, &In::ball_valves},
    {{"Label20", {5715, 6750, 1410, 195}, "流量计（个）：", "Text19", {7440, 6675, 1035, 270}, "1"}, &In::flow_meters},
};

constexpr Field kResults[] = {
    {"Label28", {1365, 7755, 2490, 195}, "计算管道阻力（焦耳/千克）：", "Text27", {3840, 7695, 1170, 300}, ""},
    {"Label27", {5580, 7755, 1845, 195}, "计算管道阻力（米）：", "Text26", {7470, 7710, 1035, 270}, ""},
};

}  // namespace

FrictionPage::FrictionPage(QWidget* parent) : CalcPage(QStringLiteral("管道阻力计算"), parent) {
    const Form form = Form::page(this);
    form.inputs(kNotes);
    for (const Field& f : kNotes) addInput(textBox(this, f.box));  // the user's notes, on the sheet with the rest
    bindInputs<In>(form, kInputs, fields_);
    form.line("Line5", 1305, 7410, 8475);
    for (const Field& f : kResults)
        addResult(form.result(f.box, f.box_at, form.label(f.label, f.label_at, QString::fromUtf8(f.caption))));
    // The print button has no action.
    form.button("Command5", {1635, 8160, 1020, 375}, QStringLiteral("打  印"));
    QPushButton* calc = form.button("Command6", {7470, 8205, 1020, 375}, QStringLiteral("计  算"));
    connect(calc, &QPushButton::clicked, this, &FrictionPage::calculate);
    pressOnEnter(this, calc);
    setReadingTabOrder(this);
}

void FrictionPage::calculate() {
    CalcPage::calculate(fields_, calc::friction_loss);
}

}  // namespace vxr::app
