#include "app/convection_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/form.h"
#include "app/messages.h"
#include "calc/heat/forced_convection.h"

namespace vxr::app {
namespace {

// The fluid, on the page. Its name is the user's note and never read.
constexpr Field kFluid[] = {
    {"Label73", {540, 1305, 1050, 270}, "流体名称：", "Text68", {2340, 1260, 1515, 330}, "水"},
    {"Label72", {5040, 1305, 1710, 270}, "流体密度（Kg/M ）：", "Text67", {6840, 1215, 1305, 330}, "1000"},
    {"Label70", {540, 1980, 1905, 255}, "流体比热（J/(Kg.℃)：", "Text65", {2805, 1890, 1050, 330}, "4180"},
    {"Label71", {5040, 1980, 1665, 255}, "流体粘度（Pa.s）：", "Text66", {6840, 1890, 1305, 330}, "0.001"},
    {"Label69", {540, 2610, 2055, 255}, "流体导热系数W/(m.℃)：", "Text64", {2850, 2520, 1005, 330}, "0.618"},
    {"Label68", {5040, 2610, 1575, 255}, "流体流速(m/s)：", "Text63", {6840, 2565, 1305, 330}, "1.5"},
};

// The pipe's dimensions, in the shape frame beside the option of the shape that uses them.
constexpr Field kPipe[] = {
    {"Label62", {1920, 390, 1530, 255}, "管道内径（m）：", "Text59", {3810, 345, 900, 330}, "0.1"},
    {"Label59", {1905, 870, 1530, 255}, "管道长度（m）：", "Text57", {3810, 825, 900, 330}, "2"},
    {"Label64", {1920, 1455, 1185, 255}, "弯管半径(m)：", "Text62", {3810, 1350, 900, 330}, "0.5"},
    {"Label63", {1920, 1920, 1620, 255}, "蛇管弯曲直径(m)：", "Text61", {3810, 1815, 900, 330}, "0.8"},
    {"Label61", {1920, 2415, 1710, 255}, "圆环内管直径 (m)：", "Text60", {3825, 2295, 900, 330}, "0.15"},
    {"Label60", {1920, 2790, 1650, 255}, "圆环外管直径 (m)：", "Text58", {3810, 2760, 900, 330}, "0.1"},
};

struct Option {
    const char* name;
    Twips at;
    const char* caption;
    bool checked;
};

constexpr Option kShapes[] = {
    {"Option3", {570, 285, 1350, 435}, "直管道：", true},
    {"Option4", {585, 1425, 1290, 270}, "弯曲管道：", false},
    {"Option5", {600, 1875, 1065, 345}, "蛇管：", false},
    {"Option6", {600, 2415, 1185, 345}, "圆环隙：", false},
};

constexpr Option kHeating[] = {
    {"Option1", {990, 615, 1515, 330}, "流体被加热", true},
    {"Option2", {1020, 1710, 1500, 255}, "流体被冷却", false},
};

void addOptions(const Form& form, const auto& options) {
    for (const Option& o : options) form.option(o.name, o.at, QString::fromUtf8(o.caption), o.checked);
}

bool isChecked(const QWidget* page, const char* option) {
    return page->findChild<QRadioButton*>(QString::fromLatin1(option))->isChecked();
}

calc::PipeShape selectedShape(const QWidget* page) {
    if (isChecked(page, "Option4")) return calc::PipeShape::Bent;
    if (isChecked(page, "Option5")) return calc::PipeShape::Coil;
    if (isChecked(page, "Option6")) return calc::PipeShape::Annulus;
    return calc::PipeShape::Straight;
}

}  // namespace

ConvectionPage::ConvectionPage(QWidget* parent) : QWidget(parent) {
    const Form form = Form::page(this);
    form.inputs(kFluid);
    // The "3" of kg/m³, over the blank of the density caption.
    form.exponent("Label65", {6300, 1215, 75, 180}, QStringLiteral("3"), "Label72");

    const Form shape = Form::inside(form.frame("Frame3", {180, 3375, 5010, 3270}, QStringLiteral("管道形状：")));
    addOptions(shape, kShapes);
    shape.inputs(kPipe);
    const Form heating = Form::inside(form.frame("Frame4", {5490, 3375, 3885, 3270}, QStringLiteral("流体加热状态：")));
    addOptions(heating, kHeating);

    form.result("Text56", {6165, 7110, 1605, 360},
                form.label("Label67", {3915, 7200, 2190, 270}, QStringLiteral("传热膜系数W/(m  .℃)：")));
    form.exponent("Label66", {5265, 7110, 75, 180}, QStringLiteral("2"), "Label67");

    // The print button has no action.
    form.button("Command7", {990, 7785, 1200, 405}, QStringLiteral("打  印"));
    QPushButton* calc = form.button("Command14", {6975, 7875, 1200, 405}, QStringLiteral("计  算"));
    connect(calc, &QPushButton::clicked, this, &ConvectionPage::calculate);
    pressOnEnter(this, calc);
    setReadingTabOrder(this);
}

void ConvectionPage::calculate() {
    const calc::ConvectionInput in{.diameter = fieldText(this, "Text59"),
                                   .velocity = fieldText(this, "Text63"),
                                   .density = fieldText(this, "Text67"),
                                   .viscosity = fieldText(this, "Text66"),
                                   .specific_heat = fieldText(this, "Text65"),
                                   .conductivity = fieldText(this, "Text64"),
                                   .bend_radius = fieldText(this, "Text62"),
                                   .coil_diameter = fieldText(this, "Text61"),
                                   .length = fieldText(this, "Text57"),
                                   .inner_diameter = fieldText(this, "Text60"),
                                   .outer_diameter = fieldText(this, "Text58"),
                                   .shape = selectedShape(this),
                                   .heated = isChecked(this, "Option1")};
    const auto alpha = calc::convection_film_coefficient(in);
    if (!alpha) return showDataCheck(this);
    setFieldText(this, "Text56", *alpha);
}

}  // namespace vxr::app
