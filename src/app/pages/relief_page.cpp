#include "app/pages/relief_page.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace vxr::app {
namespace {

constexpr Place kMedium[] = {
    {"reliefGas", {300, 250, 300, 270}},
    {"reliefLiquid", {2700, 250, 300, 270}},
};

// The inputs only a gas reads, and the one only a liquid reads.
constexpr std::string_view kGasOnly[] = {"reliefMolarMass", "reliefTemperature", "reliefZ", "reliefAdiabaticExponent"};
constexpr std::string_view kLiquidOnly = "reliefDensity";

}  // namespace

ReliefPage::ReliefPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    place(Form::inside(Form::page(this).groupBox("reliefMedium", {120, 990, 9780, 600}, QStringLiteral("介质："))),
          kMedium);
    stackFrames("reliefInputFrame", "reliefResultFrame", {.top = 1710});
    finish(addedCalculateButton("reliefCalculate"), Enter::PressesCalculate, Focus::GoesToTheFieldAtFault);
    connect(static_cast<QAbstractButton*>(control("reliefGas")), &QAbstractButton::toggled, this,
            &ReliefPage::showMedium);
    showMedium();
}

bool ReliefPage::reads(std::string_view name, const std::vector<bool>& chosen) const {
    const bool gas = isChosen(chosen, "reliefGas");
    if (name == kLiquidOnly) return !gas;
    return gas || std::find(std::begin(kGasOnly), std::end(kGasOnly), name) == std::end(kGasOnly);
}

void ReliefPage::showMedium() {
    const bool gas = static_cast<QAbstractButton*>(control("reliefGas"))->isChecked();
    for (const std::string_view name : kGasOnly) enableRow(box(name), gas);
    enableRow(box(kLiquidOnly), !gas);
}

}  // namespace vxr::app
