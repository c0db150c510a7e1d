#include "app/pages/convection_page.h"

#include <QGroupBox>
#include <QPushButton>

namespace vxr::app {
namespace {

// The fluid, on the page; the "3" of kg/m³ over the blank of the density caption.
constexpr Place kFluid[] = {
    {"Text68", {2340, 1260, 1515, 330}, "Label73", {540, 1305, 1050, 270}},
    {"Text67", {6840, 1215, 1305, 330}, "Label72", {5040, 1305, 1710, 270}, "Label65", {6300, 1215, 75, 180}, 1},
    {"Text65", {2805, 1890, 1050, 330}, "Label70", {540, 1980, 1905, 255}},
    {"Text66", {6840, 1890, 1305, 330}, "Label71", {5040, 1980, 1665, 255}},
    {"Text64", {2850, 2520, 1005, 330}, "Label69", {540, 2610, 2055, 255}},
    {"Text63", {6840, 2565, 1305, 330}, "Label68", {5040, 2610, 1575, 255}},
};

// The shape options, and the pipe's dimensions beside the option of the shape that uses them.
constexpr Place kShape[] = {
    {"Option3", {570, 285, 1350, 435}},
    {"Option4", {585, 1425, 1290, 270}},
    {"Option5", {600, 1875, 1065, 345}},
    {"Option6", {600, 2415, 1185, 345}},
    {"Text59", {3810, 345, 900, 330}, "Label62", {1920, 390, 1530, 255}},
    {"Text57", {3810, 825, 900, 330}, "Label59", {1905, 870, 1530, 255}},
    {"Text62", {3810, 1350, 900, 330}, "Label64", {1920, 1455, 1185, 255}},
    {"Text61", {3810, 1815, 900, 330}, "Label63", {1920, 1920, 1620, 255}},
    {"Text60", {3825, 2295, 900, 330}, "Label61", {1920, 2415, 1710, 255}},
    {"Text58", {3810, 2760, 900, 330}, "Label60", {1920, 2790, 1650, 255}},
};

constexpr Place kHeating[] = {
    {"Option1", {990, 615, 1515, 330}},
    {"Option2", {1020, 1710, 1500, 255}},
};

constexpr Place kResult[] = {
    {"Text56", {6165, 7110, 1605, 360}, "Label67", {3915, 7200, 2190, 270}, "Label66", {5265, 7110, 75, 180}},
};

}  // namespace

ConvectionPage::ConvectionPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    const Form form = Form::page(this);
    place(form, kFluid);
    place(Form::inside(form.groupBox("Frame3", {180, 3375, 5010, 3270}, QStringLiteral("管道形状："))), kShape);
    place(Form::inside(form.groupBox("Frame4", {5490, 3375, 3885, 3270}, QStringLiteral("流体加热状态："))), kHeating);
    place(form, kResult);
    printsSheet(form.button("Command7", {990, 7785, 1200, 405}, QStringLiteral("打  印")));
    finish(form.button("Command14", {6975, 7875, 1200, 405}, QStringLiteral("计  算")), Enter::PressesCalculate,
           Focus::StaysWhereItWas);
}

bool ConvectionPage::reads(std::string_view name, const std::vector<bool>& chosen) const {
    if (name == "Text62") return isChosen(chosen, "Option4");
    if (name == "Text61") return isChosen(chosen, "Option5");
    if (name == "Text60" || name == "Text58") return isChosen(chosen, "Option6");
    return true;
}

}  // namespace vxr::app
