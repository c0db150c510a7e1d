#include "app/absorption_page.h"

#include <QPushButton>
#include <array>

namespace vxr::app {
namespace {

using In = calc::AbsorberInput;

constexpr std::array<InputRow<In>, 7> kInputs = {{
    {"absGasFlow", "混合气体流量（kmol/h）：", "100", &In::gas_flow},
    {"absInletGas", "进塔气体中溶质摩尔分数：", "0.05", &In::inlet_gas},
    {"absRecovery", "吸收率（%）：", "95", &In::recovery},
    {"absInletLiquid", "进塔液体中溶质摩尔分数：", "0", &In::inlet_liquid},
    {"absSlope", "相平衡常数 m：", "1.2", &In::slope},
    {"absRatioFactor", "液气比/最小液气比：", "1.5", &In::ratio_factor},
    {"absHOG", "气相总传质单元高度 HOG（m）：", "0.8", &In::transfer_unit},
}};

constexpr std::array<Row, 8> kResults = {{
    {"absOutletGas", "出塔气体组成 Y2（摩尔比）："},
    {"absMinRatio", "最小液气比："},
    {"absRatio", "实际液气比："},
    {"absLiquidFlow", "吸收剂用量（kmol/h）："},
    {"absOutletLiquid", "出塔液体组成 X1（摩尔比）："},
    {"absStripping", "脱吸因数 S："},
    {"absNOG", "传质单元数 N_OG："},
    {"absHeight", "填料层高度（m）："},
}};

}  // namespace

AbsorptionPage::AbsorptionPage(QWidget* parent) : CalcPage(QStringLiteral("吸收计算"), parent) {
    fields_ = inputFrame<In>("absInputFrame", {120, 990, 9780, 2100}, kInputs, 2);
    resultFrame("absResultFrame", {120, 3300, 9780, 2100}, kResults, 2);
    QPushButton* button = calculateButton("absCalculate");
    connect(button, &QPushButton::clicked, this, [this] { calculate(fields_, calc::packed_absorber); });
}

}  // namespace vxr::app
