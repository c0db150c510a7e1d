// A convective dryer with a preheater, taken as an ideal dryer: no heat is added in the dryer, none lost, and the
// material takes none away, so the air leaves with the enthalpy it had after the preheater (化工原理, 干燥: 物料衡算与
// 热量衡算, 理想干燥过程).
//
//   dry solid          Gc = G1·(1 − w1);  X1 = w1/(1 − w1),  X2 = w2/(1 − w2)     (wet-basis w, dry-basis X)
//   water evaporated   W = Gc·(X1 − X2);  product G1 − W                          kg/h
//   fresh air          p0 = φ0/100·ps(t0);  H0 = 0.622·p0/(P − p0)                 kg water/kg dry air
//   exhaust            (1.01 + 1.88·H0)·t1 + 2490·H0 = (1.01 + 1.88·H2)·t2 + 2490·H2  (humid enthalpy, kJ/kg dry air)
//                      φ2 = 100·[H2·P/(0.622 + H2)] / ps(t2)                       %
//   air                L = W/(H2 − H0) kg dry air/h;  fresh air L·(1 + H0) kg/h
//   preheater          Qp = L·(1.01 + 1.88·H0)·(t1 − t0)/3600                      kW
//   thermal efficiency η = 100·W·(2490 + 1.88·t2)/(3600·Qp)                        %
//
// ps is the saturation pressure of water (calc/drying/water_saturation.h: IAPWS-IF97 over water, IAPWS 2011 over
// ice), so t0 and t2 must lie within −60 … 373.946 ℃. For the ideal dryer the enthalpy balance makes
// η = (t1 − t2)/(t1 − t0) exactly. Pressures in kPa, temperatures in ℃, flows in kg/h.
//
// Worked example: 1000 kg/h wet feed from 0.40 to 0.05, air at 101.325 kPa, 20 ℃ and 60 %, preheated to 120 ℃,
// leaving at 60 ℃: W 368.421 kg/h, product 631.579 kg/h, H0 0.00874, H2 0.03240, φ2 25.15 %, L 15570.648 kg dry
// air/h, fresh air 15706.686 kg/h, Qp 443.947 kW, η 60.00 %.
#pragma once

#include <array>
#include <string>

#include "frame/checked.h"
#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

// The field texts of one case, in the page's reading order.
struct DryerInput {
    std::string wet_feed;          // G1, kg/h
    std::string initial_moisture;  // w1, wet basis, mass fraction
    std::string final_moisture;    // w2, wet basis, mass fraction
    std::string pressure;          // P, kPa
    std::string air_temp;          // t0, ℃
    std::string air_humidity;      // φ0, %
    std::string preheat_temp;      // t1, ℃
    std::string exhaust_temp;      // t2, ℃
};

// The humidity of air, kg water/kg dry air, from its water-vapour pressure p and total pressure P (same unit).
frame::Num air_humidity(frame::Num vapour_pressure, frame::Num total_pressure);

// W, product, H0, H2, φ2, L, fresh air, Qp and η, each through its mask with its notes; or why not.
frame::Outcome<DryerInput> convective_dryer(const DryerInput& in);

namespace drying {
using In = DryerInput;
using frame::input, frame::result;
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {input("dryWetFeed", "湿物料处理量（kg/h）：", "1000",
           {"G1", "kg/h", "进入干燥器的湿物料质量流量", "10～50000 kg/h"}),
     &In::wet_feed},
    {input("dryInitialMoisture", "初始湿基含水量（质量分数）：", "0.40",
           {"w1", "", "湿物料的湿基含水量：水的质量/湿物料质量", "0.05～0.9"}),
     &In::initial_moisture},
    {input("dryFinalMoisture", "产品湿基含水量（质量分数）：", "0.05",
           {"w2", "", "干燥产品的湿基含水量，须小于 w1", "0～0.2"}),
     &In::final_moisture},
    {input("dryPressure", "总压（kPa）：", "101.325", {"P", "kPa", "干燥系统中湿空气的总压（绝压）", "80～110 kPa"}),
     &In::pressure},
    {input("dryAirTemp", "新鲜空气温度（℃）：", "20", {"t0", "degC", "进入预热器的新鲜空气温度", "-40～45 ℃"}),
     &In::air_temp},
    {input("dryAirHumidity", "新鲜空气相对湿度（%）：", "60", {"φ0", "percent", "新鲜空气的相对湿度", "10～100 %"}),
     &In::air_humidity},
    {input("dryPreheatTemp", "预热后空气温度（℃）：", "120",
           {"t1", "degC", "空气离开预热器、进入干燥器的温度", "60～400 ℃"}),
     &In::preheat_temp},
    {input("dryExhaustTemp", "废气温度（℃）：", "60", {"t2", "degC", "空气离开干燥器时的温度", "40～150 ℃"}),
     &In::exhaust_temp},
    {result("dryWater", "水分蒸发量（kg/h）：", {"W", "kg/h", "W = Gc·(X1 − X2)", ""})},
    {result("dryProduct", "干燥产品量（kg/h）：", {"G2", "kg/h", "G2 = G1 − W", ""})},
    {result("dryFreshHumidity", "新鲜空气湿度（kg水/kg干气）：", {"H0", "", "新鲜空气的湿度", ""})},
    {result("dryExhaustHumidity", "废气湿度（kg水/kg干气）：", {"H2", "", "理想干燥器出口废气的湿度", ""})},
    {result("dryExhaustRH", "废气相对湿度（%）：", {"φ2", "percent", "废气的相对湿度", ""})},
    {result("dryDryAir", "绝干空气消耗量（kg干气/h）：", {"L", "kg/h", "L = W/(H2 − H0)", ""})},
    {result("dryFreshAir", "新鲜空气消耗量（kg/h）：", {"L0", "kg/h", "L0 = L·(1 + H0)", ""})},
    {result("dryHeater", "预热器热负荷（kW）：", {"Qp", "kW", "预热器加热空气所需的热量", ""})},
    {result("dryEfficiency", "干燥热效率（%）：", {"η", "percent", "汽化水分所用热量占预热器供热的百分数", ""})},
});
static_assert(frame::covers_every_member(kFields));
}  // namespace drying

}  // namespace vxr::calc
