#include "app/condensation_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/form.h"
#include "calc/heat/condensation.h"

namespace vxr::app {
namespace {

using In = calc::CondensationInput;

// Vapour and condensate properties and the two temperatures. The vapour's name is the user's note, never read.
constexpr Field kVapourName = {"Label84", {495, 405, 1050, 270},  "蒸气名称：",
                               "Text77",  {2220, 315, 1515, 330}, "水蒸汽"};
constexpr BoundField<In> kInputs[] = {
    {{"Label85", {4320, 450, 2115, 255}, "蒸气冷凝潜热（KJ/Kg）：", "Text78", {6615, 360, 960, 330}, "1000"},
     &In::latent_heat},
    {{"Label86", {495, 990, 1905, 255}, "冷凝液粘度（Pa.s）：", "Text80", {2700, 900, 1035, 330}, "0.001"},
     &In::viscosity},
    {{"Label87", {4320, 1080, 2280, 255}, "冷凝液导热系数W/(m.℃)：", "Text81", {6615, 990, 960, 330}, "0.618"},
     &In::conductivity},
    {{"Label82", {495, 1620, 1710, 270}, "蒸汽密度（Kg/M ）：", "Text79", {2700, 1620, 1035, 330}, "0.001"},
     &In::vapour_density},
    {{"Label88", {4410, 1710, 1845, 255}, "冷凝液密度(Kg/m  )：", "Text82", {6615, 1575, 960, 330}, "1000"},
     &In::condensate_density},
    {{"Label83", {495, 2355, 1845, 255}, "蒸汽饱和温度（℃）：", "Text76", {2700, 2295, 1035, 330}, "150"},
     &In::saturation_temperature},
    {{"Label79", {4455, 2355, 1845, 255}, "壁面温度（℃）：", "Text75", {6615, 2205, 960, 330}, "120"},
     &In::wall_temperature},
};

// The surface's own inputs. The bracketed captions run on from the option to their left: the angle and the
// condensate's specific heat are captioned by the tails of Option10 and Option8.
constexpr BoundField<In> kSurfaceInputs[] = {
    {{nullptr, {}, nullptr, "Text74", {4095, 405, 690, 330}, "90"}, &In::angle},
    {{"Label78", {1530, 900, 1815, 285}, "平表面的长度（m）：]", "Text73", {4095, 855, 690, 330}, "3"}, &In::length},
    {{nullptr, {}, nullptr, "Text72", {4095, 1395, 690, 330}, "4180"}, &In::specific_heat},
    {{"Label77", {1755, 1890, 1815, 285}, "管外径（m）：]", "Text71", {4095, 1845, 690, 330}, "0.108"},
     &In::outside_diameter},
    {{"Label76", {5400, 1800, 1410, 285}, "[管内径（m）：]", "Text70", {6930, 1755, 690, 330}, "0.1"},
     &In::inside_diameter},
};

struct Option {
    const char* name;
    Twips at;
    const char* caption;
    bool checked;
    calc::CondensingSurface surface;
};

constexpr Option kSurfaces[] = {
    {"Option10", {225, 450, 3345, 240}, "倾斜平表面 [平表面与水平面夹角：", false, calc::CondensingSurface::Inclined},
    {"Option9", {5175, 450, 1455, 240}, "垂直管外表面", true, calc::CondensingSurface::VerticalTube},
    {"Option8",
     {225, 1440, 3885, 240},
     "单根水平管外 [冷凝液比热（J/(Kg.℃）：",
     false,
     calc::CondensingSurface::HorizontalTubeOutside},
    {"Option7", {5175, 1395, 1455, 240}, "单根水平管内", false, calc::CondensingSurface::HorizontalTubeInside},
};

}  // namespace

CondensationPage::CondensationPage(QWidget* parent) : CalcPage(QStringLiteral("冷凝膜系数"), parent) {
    const Form form = Form::page(this);

    const Form inputs = Form::inside(form.groupBox("Frame7", {720, 1170, 8070, 2895}, QStringLiteral("输入参数：")));
    inputs.inputs({&kVapourName, 1});
    addInput(textBox(this, kVapourName.box));  // the user's note, on the sheet with the rest
    bindInputs<In>(inputs, kInputs, fields_);
    // The "3" of kg/m³ in the two density captions.
    inputs.exponent("Label81", {1755, 1530, 75, 225}, QStringLiteral("3"), "Label82");
    inputs.exponent("Label80", {5760, 1620, 120, 180}, QStringLiteral("3"), "Label88");

    const Form surface = Form::inside(form.groupBox("Frame6", {720, 4410, 8070, 2355}, QStringLiteral("冷凝面形式：")));
    for (const Option& o : kSurfaces) {
        const QString caption = QString::fromUtf8(o.caption);
        QRadioButton* button = surface.option(o.name, o.at, caption, o.checked);
        // The surface's own name, without the caption of the box it runs on into.
        if (caption.contains(QLatin1String(" [")))
            button->setAccessibleName(caption.section(QLatin1String(" ["), 0, 0));
        surfaces_.emplace_back(button, o.surface);
        addOption(button);
    }
    bindInputs<In>(surface, kSurfaceInputs, fields_);
    // The two boxes captioned by an option's tail, named for the sheet and for accessibility tools.
    fields_.box(&In::angle)->setAccessibleName(QStringLiteral("平表面与水平面夹角（°）"));
    fields_.box(&In::specific_heat)->setAccessibleName(QStringLiteral("冷凝液比热（J/(Kg.℃)）"));

    const Form result = Form::inside(form.groupBox("Frame5", {720, 6930, 8070, 1050}, QStringLiteral("计算结果：")));
    addResult(result.result("Text83", {2205, 450, 1620, 360},
                            result.label("Label75", {135, 540, 1875, 270}, QStringLiteral("传热膜系数W/(m  .℃)"))));
    result.exponent("Label74", {1440, 495, 75, 180}, QStringLiteral("2"), "Label75");
    // A second result box below the frame's lower edge: clipped by the frame, never shown and never written. It
    // takes no focus, so the Tab key never lands on a box the user cannot see.
    result.result("Text69", {270, 1665, 1440, 360}, nullptr)->setFocusPolicy(Qt::NoFocus);

    // The print button has no action.
    form.button("Command16", {1125, 8280, 1200, 345}, QStringLiteral("打  印"));
    QPushButton* calc = form.button("Command8", {7155, 8325, 1200, 345}, QStringLiteral("计  算"));
    connect(calc, &QPushButton::clicked, this, &CondensationPage::calculate);
    pressOnEnter(this, calc);
    setReadingTabOrder(this);
}

void CondensationPage::calculate() {
    CalcPage::calculate(fields_, [this](In in) {
        for (const auto& [button, surface] : surfaces_)
            if (button->isChecked()) in.surface = surface;
        return calc::condensation_film_coefficient(in);
    });
}

}  // namespace vxr::app
