#include "app/convection_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/form.h"
#include "calc/heat/forced_convection.h"

namespace vxr::app {
namespace {

using In = calc::ConvectionInput;

// The fluid, on the page. Its name is the user's note and never read.
constexpr Field kFluidName = {"Label73", {540, 1305, 1050, 270}, "流体名称：", "Text68", {2340, 1260, 1515, 330}, "水"};
constexpr BoundField<In> kFluid[] = {
    {{"Label72", {5040, 1305, 1710, 270}, "流体密度（Kg/M ）：", "Text67", {6840, 1215, 1305, 330}, "1000"},
     &In::density},
    {{"Label70", {540, 1980, 1905, 255}, "流体比热（J/(Kg.℃)：", "Text65", {2805, 1890, 1050, 330}, "4180"},
     &In::specific_heat},
    {{"Label71", {5040, 1980, 1665, 255}, "流体粘度（Pa.s）：", "Text66", {6840, 1890, 1305, 330}, "0.001"},
     &In::viscosity},
    {{"Label69", {540, 2610, 2055, 255}, "流体导热系数W/(m.℃)：", "Text64", {2850, 2520, 1005, 330}, "0.618"},
     &In::conductivity},
    {{"Label68", {5040, 2610, 1575, 255}, "流体流速(m/s)：", "Text63", {6840, 2565, 1305, 330}, "1.5"}, &In::velocity},
};

// The pipe's dimensions, in the shape frame beside the option of the shape that uses them.
constexpr BoundField<In> kPipe[] = {
    {{"Label62", {1920, 390, 1530, 255}, "管道内径（m）：", "Text59", {3810, 345, 900, 330}, "0.1"}, &In::diameter},
    {{"Label59", {1905, 870, 1530, 255}, "管道长度（m）：", "Text57", {3810, 825, 900, 330}, "2"}, &In::length},
    {{"Label64", {1920, 1455, 1185, 255}, "弯管半径(m)：", "Text62", {3810, 1350, 900, 330}, "0.5"}, &In::bend_radius},
    {{"Label63", {1920, 1920, 1620, 255}, "蛇管弯曲直径(m)：", "Text61", {3810, 1815, 900, 330}, "0.8"},
     &In::coil_diameter},
    {{"Label61", {1920, 2415, 1710, 255}, "圆环内管直径 (m)：", "Text60", {3825, 2295, 900, 330}, "0.15"},
     &In::inner_diameter},
    {{"Label60", {1920, 2790, 1650, 255}, "圆环外管直径 (m)：", "Text58", {3810, 2760, 900, 330}, "0.1"},
     &In::outer_diameter},
};

struct Option {
    const char* name;
    Twips at;
    const char* caption;
    bool checked;
    calc::PipeShape shape;
};

constexpr Option kShapes[] = {
    {"Option3", {570, 285, 1350, 435}, "直管道：", true, calc::PipeShape::Straight},
    {"Option4", {585, 1425, 1290, 270}, "弯曲管道：", false, calc::PipeShape::Bent},
    {"Option5", {600, 1875, 1065, 345}, "蛇管：", false, calc::PipeShape::Coil},
    {"Option6", {600, 2415, 1185, 345}, "圆环隙：", false, calc::PipeShape::Annulus},
};

}  // namespace

ConvectionPage::ConvectionPage(QWidget* parent) : CalcPage(QStringLiteral("传热膜系数计算"), parent) {
    const Form form = Form::page(this);
    form.inputs({&kFluidName, 1});
    addInput(textBox(this, kFluidName.box));  // the user's note, on the sheet with the rest
    bindInputs<In>(form, kFluid, fields_);
    // The "3" of kg/m³, over the blank of the density caption.
    form.exponent("Label65", {6300, 1215, 75, 180}, QStringLiteral("3"), "Label72");

    const Form shape = Form::inside(form.groupBox("Frame3", {180, 3375, 5010, 3270}, QStringLiteral("管道形状：")));
    for (const Option& o : kShapes) {
        QRadioButton* button = shape.option(o.name, o.at, QString::fromUtf8(o.caption), o.checked);
        shapes_.emplace_back(button, o.shape);
        addOption(button);
    }
    bindInputs<In>(shape, kPipe, fields_);
    const Form heating =
        Form::inside(form.groupBox("Frame4", {5490, 3375, 3885, 3270}, QStringLiteral("流体加热状态：")));
    heated_ = heating.option("Option1", {990, 615, 1515, 330}, QStringLiteral("流体被加热"), true);
    addOption(heated_);
    addOption(heating.option("Option2", {1020, 1710, 1500, 255}, QStringLiteral("流体被冷却"), false));

    addResult(form.result("Text56", {6165, 7110, 1605, 360},
                          form.label("Label67", {3915, 7200, 2190, 270}, QStringLiteral("传热膜系数W/(m  .℃)："))));
    form.exponent("Label66", {5265, 7110, 75, 180}, QStringLiteral("2"), "Label67");

    // The print button has no action.
    form.button("Command7", {990, 7785, 1200, 405}, QStringLiteral("打  印"));
    QPushButton* calc = form.button("Command14", {6975, 7875, 1200, 405}, QStringLiteral("计  算"));
    connect(calc, &QPushButton::clicked, this, &ConvectionPage::calculate);
    pressOnEnter(this, calc);
    setReadingTabOrder(this);
}

void ConvectionPage::calculate() {
    CalcPage::calculate(fields_, [this](In in) {
        for (const auto& [button, shape] : shapes_)
            if (button->isChecked()) in.shape = shape;
        in.heated = heated_->isChecked();
        return calc::convection_film_coefficient(in);
    });
}

}  // namespace vxr::app
