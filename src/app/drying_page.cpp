#include "app/drying_page.h"

#include <QPushButton>
#include <array>

namespace vxr::app {
namespace {

using In = calc::DryerInput;

constexpr std::array<InputRow<In>, 8> kInputs = {{
    {"dryWetFeed", "湿物料处理量（kg/h）：", "1000", &In::wet_feed},
    {"dryInitialMoisture", "初始湿基含水量（质量分数）：", "0.40", &In::initial_moisture},
    {"dryFinalMoisture", "产品湿基含水量（质量分数）：", "0.05", &In::final_moisture},
    {"dryPressure", "总压（kPa）：", "101.325", &In::pressure},
    {"dryAirTemp", "新鲜空气温度（℃）：", "20", &In::air_temp},
    {"dryAirHumidity", "新鲜空气相对湿度（%）：", "60", &In::air_humidity},
    {"dryPreheatTemp", "预热后空气温度（℃）：", "120", &In::preheat_temp},
    {"dryExhaustTemp", "废气温度（℃）：", "60", &In::exhaust_temp},
}};

constexpr std::array<Row, 9> kResults = {{
    {"dryWater", "水分蒸发量（kg/h）："},
    {"dryProduct", "干燥产品量（kg/h）："},
    {"dryFreshHumidity", "新鲜空气湿度（kg水/kg干气）："},
    {"dryExhaustHumidity", "废气湿度（kg水/kg干气）："},
    {"dryExhaustRH", "废气相对湿度（%）："},
    {"dryDryAir", "绝干空气消耗量（kg干气/h）："},
    {"dryFreshAir", "新鲜空气消耗量（kg/h）："},
    {"dryHeater", "预热器热负荷（kW）："},
    {"dryEfficiency", "干燥热效率（%）："},
}};

}  // namespace

DryingPage::DryingPage(QWidget* parent) : CalcPage(QStringLiteral("干燥计算"), parent) {
    fields_ = inputFrame<In>("dryInputFrame", {120, 990, 9780, 2040}, kInputs, 2);
    resultFrame("dryResultFrame", {120, 3150, 9780, 2460}, kResults, 2);
    QPushButton* button = calculateButton("dryCalculate");
    connect(button, &QPushButton::clicked, this, [this] { calculate(fields_, calc::convective_dryer); });
}

}  // namespace vxr::app
