#include "app/pages/pump_page.h"

#include <QGroupBox>
#include <QPushButton>

namespace vxr::app {
namespace {

// The case data, top to bottom as shown, in the frame of the inputs.
constexpr Place kInputs[] = {
    {"Text39", {4995, 360, 1170, 300}, "Label38", {1035, 405, 1080, 195}},
    {"Text40", {4995, 900, 1170, 300}, "Label41", {1035, 945, 960, 195}},
    {"Text38", {4995, 1440, 1170, 300}, "Label19", {1035, 1440, 1575, 195}},
    {"Text41", {4995, 1980, 1170, 300}, "Label42", {1035, 2025, 1935, 195}},
    {"Text42", {4995, 2520, 1170, 300}, "Label43", {1035, 2565, 2295, 195}},
    {"Text43", {4995, 3060, 1170, 300}, "Label44", {1035, 3150, 3615, 195}},
    {"Text45", {4995, 3600, 1170, 300}, "Label46", {1035, 3645, 2340, 195}},
    {"Text44", {4995, 4140, 1170, 300}, "Label45", {1035, 4185, 1785, 195}},
};
constexpr Place kResult[] = {{"Text46", {4950, 450, 1215, 300}, "Label47", {990, 495, 2175, 195}}};

}  // namespace

PumpPage::PumpPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    const Form form = Form::page(this);
    place(Form::inside(form.groupBox("Frame8", {900, 1440, 7800, 4740}, QStringLiteral("输入参数："))), kInputs);
    place(Form::inside(form.groupBox("Frame9", {945, 6525, 7755, 1095}, QStringLiteral("计算结果："))), kResult);
    printsSheet(form.button("Command4", {1755, 8010, 1065, 375}, QStringLiteral("打  印")));
    finish(form.button("Command3", {6885, 8100, 1155, 375}, QStringLiteral("计  算")), Enter::PressesCalculate,
           Focus::StaysWhereItWas);
}

}  // namespace vxr::app
