#include "app/evaporation_page.h"

#include <QPushButton>
#include <array>

namespace vxr::app {
namespace {

using In = calc::EvaporationInput;

constexpr std::array<InputRow<In>, 12> kInputs = {{
    {"evapFeed", "进料量（kg/h）：", "10000", &In::feed},
    {"evapFeedConc", "进料浓度（质量分数）：", "0.10", &In::feed_conc},
    {"evapProductConc", "完成液浓度（质量分数）：", "0.30", &In::product_conc},
    {"evapFeedTemp", "进料温度（℃）：", "20", &In::feed_temp},
    {"evapFeedCp", "进料比热容（kJ/(kg·℃)）：", "3.77", &In::feed_cp},
    {"evapVapourTemp", "二次蒸汽温度（℃）：", "60.1", &In::vapour_temp},
    {"evapVapourLatent", "二次蒸汽汽化热（kJ/kg）：", "2355", &In::vapour_latent},
    {"evapTempLoss", "温度差损失（℃）：", "8", &In::temp_loss},
    {"evapSteamTemp", "加热蒸汽温度（℃）：", "133.3", &In::steam_temp},
    {"evapSteamLatent", "加热蒸汽汽化热（kJ/kg）：", "2168", &In::steam_latent},
    {"evapK", "总传热系数（W/(m²·℃)）：", "1500", &In::heat_transfer},
    {"evapHeatLoss", "热损失（占有效热量 %）：", "5", &In::heat_loss_percent},
}};

constexpr std::array<Row, 8> kResults = {{
    {"evapWater", "水分蒸发量（kg/h）："},
    {"evapProduct", "完成液量（kg/h）："},
    {"evapBoilingPoint", "溶液沸点（℃）："},
    {"evapDuty", "传热量（kW）："},
    {"evapSteam", "加热蒸汽消耗量（kg/h）："},
    {"evapEconomy", "单位蒸汽消耗量（kg/kg）："},
    {"evapTempDiff", "有效传热温差（℃）："},
    {"evapArea", "传热面积（m²）："},
}};

}  // namespace

EvaporationPage::EvaporationPage(QWidget* parent) : CalcPage(QStringLiteral("单效蒸发"), parent) {
    fields_ = inputFrame<In>("evapInputFrame", {120, 990, 9780, 2880}, kInputs, 2);
    resultFrame("evapResultFrame", {120, 3990, 9780, 2040}, kResults, 2);
    QPushButton* button = calculateButton("evapCalculate");
    connect(button, &QPushButton::clicked, this, [this] { calculate(fields_, calc::single_effect_evaporator); });
}

}  // namespace vxr::app
