#include "app/relief_page.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace vxr::app {
namespace {

using In = calc::ReliefInput;

constexpr std::array<InputRow<In>, 11> kInputs = {{
    {"reliefFlow", "泄放量（kg/h）：", "10000", &In::flow},
    {"reliefSetPressure", "整定压力（MPa，表压）：", "1.0", &In::set_pressure},
    {"reliefOverpressure", "超压（%）：", "10", &In::overpressure},
    {"reliefBackPressure", "背压（MPa，表压）：", "0", &In::back_pressure},
    {"reliefAtmosphere", "当地大气压（MPa）：", "0.1013", &In::atmosphere},
    {"reliefCoefficient", "额定泄放系数 K：", "0.65", &In::coefficient},
    {"reliefMolarMass", "摩尔质量（kg/kmol）：", "29", &In::molar_mass},
    {"reliefTemperature", "泄放温度（℃）：", "50", &In::temperature},
    {"reliefZ", "压缩因子 Z：", "1", &In::compressibility},
    {"reliefAdiabaticExponent", "绝热指数 k：", "1.4", &In::exponent},
    {"reliefDensity", "液体密度（kg/m³）：", "1000", &In::density},
}};

constexpr std::array<Row, 6> kResults = {{
    {"reliefPressure", "泄放压力（MPa，绝压）："},
    {"reliefRegime", "流动状态："},
    {"reliefCriticalRatio", "临界压力比："},
    {"reliefC", "气体特性系数 C："},
    {"reliefArea", "最小泄放面积（mm²）："},
    {"reliefThroat", "最小喉径（mm）："},
}};

// The inputs only a gas reads, and the one only a liquid reads.
constexpr std::array<std::string In::*, 4> kGasOnly = {&In::molar_mass, &In::temperature, &In::compressibility,
                                                       &In::exponent};

void enableRow(QLineEdit* box, bool on) {
    box->setEnabled(on);
    for (const QString& suffix : {QStringLiteral("Label"), QStringLiteral("Exponent")})
        if (auto* caption = box->parentWidget()->findChild<QLabel*>(box->objectName() + suffix))
            caption->setEnabled(on);
}

}  // namespace

ReliefPage::ReliefPage(QWidget* parent) : CalcPage(QStringLiteral("安全阀计算"), parent) {
    QGroupBox* medium = Form::page(this).groupBox("reliefMedium", {120, 990, 9780, 600}, QStringLiteral("介质："));
    const Form options = Form::inside(medium);
    gas_ = options.option("reliefGas", {300, 250, 300, 270}, QStringLiteral("气体或蒸汽"), true);
    QRadioButton* liquid = options.option("reliefLiquid", {2700, 250, 300, 270}, QStringLiteral("液体"), false);
    addOption(gas_);
    addOption(liquid);

    fields_ = inputFrame<In>("reliefInputFrame", {120, 1710, 9780, 2880}, kInputs, 2);
    resultFrame("reliefResultFrame", {120, 4710, 9780, 1620}, kResults, 2);
    QPushButton* button = calculateButton("reliefCalculate");
    connect(gas_, &QRadioButton::toggled, this, &ReliefPage::showMedium);
    showMedium();
    connect(button, &QPushButton::clicked, this, [this] {
        const calc::ReliefMedium medium = gas_->isChecked() ? calc::ReliefMedium::Gas : calc::ReliefMedium::Liquid;
        calculate(fields_, [medium](In in) {
            in.medium = medium;
            return calc::relief_valve(in);
        });
    });
}

void ReliefPage::showMedium() {
    const bool gas = gas_->isChecked();
    for (std::string In::*member : kGasOnly) enableRow(fields_.box(member), gas);
    enableRow(fields_.box(&In::density), !gas);
}

}  // namespace vxr::app
