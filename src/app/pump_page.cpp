#include "app/pump_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/form.h"
#include "calc/pump/installation_height.h"

namespace vxr::app {
namespace {

// The case data, top to bottom as shown. Tag, medium and working temperature are the user's notes: the vapour
// pressure is typed for that temperature, so the temperature itself is never read.
using In = calc::PumpSuctionInput;

constexpr Field kNotes[] = {
    {"Label38", {1035, 405, 1080, 195}, "设备位号：", "Text39", {4995, 360, 1170, 300}, "P0101 "},
    {"Label41", {1035, 945, 960, 195}, "输送介质：", "Text40", {4995, 900, 1170, 300}, "水"},
    {"Label19", {1035, 1440, 1575, 195}, "工作温度（℃）：", "Text38", {4995, 1440, 1170, 300}, "30"},
};
constexpr BoundField<In> kInputs[] = {
    {{"Label42", {1035, 2025, 1935, 195}, "密度（千克/立方米）：", "Text41", {4995, 1980, 1170, 300}, "1000"},
     &In::density},
    {{"Label43", {1035, 2565, 2295, 195}, "泵吸入侧操作压力（KPa）：", "Text42", {4995, 2520, 1170, 300}, "101.3"},
     &In::pressure},
    {{"Label44",
      {1035, 3150, 3615, 195},
      "泵进口工作温度下液体饱和蒸汽压（KPa）：",
      "Text43",
      {4995, 3060, 1170, 300},
      "4.25"},
     &In::vapour_pressure},
    {{"Label46", {1035, 3645, 2340, 195}, "离心泵必须气蚀余量（M）：", "Text45", {4995, 3600, 1170, 300}, "4"},
     &In::required_npsh},
    {{"Label45", {1035, 4185, 1785, 195}, "入口管道阻力（M）：", "Text44", {4995, 4140, 1170, 300}, "0.5"},
     &In::inlet_loss},
};

}  // namespace

PumpPage::PumpPage(QWidget* parent) : CalcPage(QStringLiteral("离心泵安装高度计算"), parent) {
    const Form form = Form::page(this);
    const Form inputs = Form::inside(form.groupBox("Frame8", {900, 1440, 7800, 4740}, QStringLiteral("输入参数：")));
    inputs.inputs(kNotes);
    for (const Field& f : kNotes) addInput(textBox(this, f.box));  // the user's notes, on the sheet with the rest
    bindInputs<In>(inputs, kInputs, fields_);
    const Form results = Form::inside(form.groupBox("Frame9", {945, 6525, 7755, 1095}, QStringLiteral("计算结果：")));
    addResult(
        results.result("Text46", {4950, 450, 1215, 300},
                       results.label("Label47", {990, 495, 2175, 195}, QStringLiteral("离心泵安装高度（M]）："))));
    // The print button has no action: it neither prints nor closes the window, so nothing typed is ever lost.
    form.button("Command4", {1755, 8010, 1065, 375}, QStringLiteral("打  印"));
    QPushButton* calc = form.button("Command3", {6885, 8100, 1155, 375}, QStringLiteral("计  算"));
    connect(calc, &QPushButton::clicked, this, &PumpPage::calculate);
    pressOnEnter(this, calc);
    setReadingTabOrder(this);
}

void PumpPage::calculate() {
    CalcPage::calculate(fields_, calc::installation_height);
}

}  // namespace vxr::app
