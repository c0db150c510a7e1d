#include "app/pages/condensation_page.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace vxr::app {
namespace {

// Vapour and condensate properties and the two temperatures; the "3" of kg/m³ over both density captions.
constexpr Place kInputs[] = {
    {"Text77", {2220, 315, 1515, 330}, "Label84", {495, 405, 1050, 270}},
    {"Text78", {6615, 360, 960, 330}, "Label85", {4320, 450, 2115, 255}},
    {"Text80", {2700, 900, 1035, 330}, "Label86", {495, 990, 1905, 255}},
    {"Text81", {6615, 990, 960, 330}, "Label87", {4320, 1080, 2280, 255}},
    {"Text79", {2700, 1620, 1035, 330}, "Label82", {495, 1620, 1710, 270}, "Label81", {1755, 1530, 75, 225}, 1},
    {"Text82", {6615, 1575, 960, 330}, "Label88", {4410, 1710, 1845, 255}, "Label80", {5760, 1620, 120, 180}},
    {"Text76", {2700, 2295, 1035, 330}, "Label83", {495, 2355, 1845, 255}},
    {"Text75", {6615, 2205, 960, 330}, "Label79", {4455, 2355, 1845, 255}},
};

// The surfaces, then their own inputs. The angle and the condensate's specific heat have no label: the bracketed
// captions of Option10 and Option8 run on into them.
constexpr Place kSurface[] = {
    {"Option10", {225, 450, 3345, 240}},
    {"Option9", {5175, 450, 1455, 240}},
    {"Option8", {225, 1440, 3885, 240}},
    {"Option7", {5175, 1395, 1455, 240}},
    {"Text74", {4095, 405, 690, 330}},
    {"Text73", {4095, 855, 690, 330}, "Label78", {1530, 900, 1815, 285}},
    {"Text72", {4095, 1395, 690, 330}},
    {"Text71", {4095, 1845, 690, 330}, "Label77", {1755, 1890, 1815, 285}},
    {"Text70", {6930, 1755, 690, 330}, "Label76", {5400, 1800, 1410, 285}},
};

constexpr Place kResult[] = {
    {"Text83", {2205, 450, 1620, 360}, "Label75", {135, 540, 1875, 270}, "Label74", {1440, 495, 75, 180}},
};

}  // namespace

CondensationPage::CondensationPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    const Form form = Form::page(this);
    place(Form::inside(form.groupBox("Frame7", {720, 1170, 8070, 2895}, QStringLiteral("输入参数："))), kInputs);
    place(Form::inside(form.groupBox("Frame6", {720, 4410, 8070, 2355}, QStringLiteral("冷凝面形式："))), kSurface);
    const Form result = Form::inside(form.groupBox("Frame5", {720, 6930, 8070, 1050}, QStringLiteral("计算结果：")));
    place(result, kResult);
    // A second result box below the frame's lower edge: clipped by the frame, never shown and never written. It
    // takes no focus, so the Tab key never lands on a box the user cannot see.
    result.result("Text69", {270, 1665, 1440, 360}, nullptr)->setFocusPolicy(Qt::NoFocus);
    printsSheet(form.button("Command16", {1125, 8280, 1200, 345}, QStringLiteral("打  印")));
    finish(form.button("Command8", {7155, 8325, 1200, 345}, QStringLiteral("计  算")), Enter::PressesCalculate,
           Focus::StaysWhereItWas);
}

bool CondensationPage::reads(std::string_view name, const std::vector<bool>& chosen) const {
    const bool plate = isChosen(chosen, "Option10"), vertical = isChosen(chosen, "Option9");
    const bool outside = isChosen(chosen, "Option8"), inside = isChosen(chosen, "Option7");
    if (name == "Text74") return plate;
    if (name == "Text73") return plate || vertical;
    if (name == "Text72") return outside || inside;
    if (name == "Text71") return outside;
    if (name == "Text70") return inside;
    return true;
}

}  // namespace vxr::app
