// A single-effect evaporator: material and heat balances, heating steam and heating area (化工原理, 蒸发: 单效蒸发
// 的计算).
//
//   water evaporated   W = F·(1 − x0/x1)                                          kg/h
//   product            F − W                                                      kg/h
//   boiling point      t1 = T1 + Δ  (secondary vapour temperature plus the boiling-point rise and other losses)
//   heat duty          Q = [F·cp0·(t1 − t0) + W·r1]·(1 + p/100) / 3600           kW
//   heating steam      D = 3600·Q / r                                             kg/h
//   temperature drop   Δt = T − t1;   heating area  A = 1000·Q / (K·Δt)           m²
//
// The heat balance neglects the heat of dilution (it holds for solutions such as most salts and sugars, not for
// e.g. NaOH or H₂SO₄ at high concentration, where Q and A come out low: their notes say so) and takes the condensate
// leaving at the steam temperature; p is the heat loss as a share of the useful heat. Both vapours are water's, so
// the secondary vapour lies at or above the triple point (0.01 ℃) and the steam below the critical point
// (373.946 ℃). A typed latent heat is checked against water's at its temperature (IAPWS-IF97, r = h″ − h′ of
// calc/properties/water_steam.h): r1 more than 2 % off IF97's at T1 warns in the notes of Q and of A (the heat
// balance and the area it sets), r more than 2 % off IF97's at T in those of D (the formula r enters); exactly
// 2 % does not warn. Mass fractions are of the solute; F in kg/h, cp0 in kJ/(kg·℃), r1 and r in kJ/kg, K in W/(m²·℃).
//
// Worked example: F 10000 kg/h from 0.10 to 0.30, feed at 20 ℃ with cp0 3.77 kJ/(kg·℃), secondary vapour 60.1 ℃
// (r1 2355 kJ/kg), Δ 8 ℃, steam 133.3 ℃ (r 2168 kJ/kg), K 1500 W/(m²·℃), 5 % heat loss: W 6666.667 kg/h,
// product 3333.333 kg/h, t1 68.100 ℃, Q 5108.066 kW, D 8482.029 kg/h, D/W 1.272, Δt 65.200 ℃, A 52.230 m².
#pragma once

#include <array>
#include <string>

#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

// The field texts of one case, in the page's reading order.
struct EvaporationInput {
    std::string feed;               // F, kg/h
    std::string feed_conc;          // x0, mass fraction
    std::string product_conc;       // x1, mass fraction
    std::string feed_temp;          // t0, ℃
    std::string feed_cp;            // cp0, kJ/(kg·℃)
    std::string vapour_temp;        // T1, ℃
    std::string vapour_latent;      // r1, kJ/kg
    std::string temp_loss;          // Δ, ℃
    std::string steam_temp;         // T, ℃
    std::string steam_latent;       // r, kJ/kg
    std::string heat_transfer;      // K, W/(m²·℃)
    std::string heat_loss_percent;  // p, % of the useful heat
};

// W, product, t1, Q, D, D/W, Δt and A, each through its mask with its notes; or why not.
frame::Outcome<EvaporationInput> single_effect_evaporator(const EvaporationInput& in);

namespace evaporation {
using In = EvaporationInput;
using frame::input, frame::result, frame::Property;
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {input("evapFeed", "进料量（kg/h）：", "10000", {"F", "kg/h", "进入蒸发器的料液质量流量", "100～100000 kg/h"}),
     &In::feed},
    {input("evapFeedConc", "进料浓度（质量分数）：", "0.10", {"x0", "", "料液中溶质的质量分数", "0.01～0.5"}),
     &In::feed_conc},
    {input("evapProductConc", "完成液浓度（质量分数）：", "0.30",
           {"x1", "", "完成液中溶质的质量分数，须大于 x0", "0.05～0.8"}),
     &In::product_conc},
    {input("evapFeedTemp", "进料温度（℃）：", "20", {"t0", "degC", "料液进入蒸发器时的温度", "0～150 ℃"}),
     &In::feed_temp},
    {input("evapFeedCp", "进料比热容（kJ/(kg·℃)）：", "3.77",
           {"cp0", "kJ/(kg K)", "料液（溶液）的比热容", "2～4.2 kJ/(kg·℃)"}),
     &In::feed_cp},
    {input("evapVapourTemp", "二次蒸汽温度（℃）：", "60.1",
           {"T1", "degC", "蒸发室压力下二次蒸汽的饱和温度", "40～150 ℃"}),
     &In::vapour_temp},
    {input("evapVapourLatent", "二次蒸汽汽化热（kJ/kg）：", "2355",
           {"r1", "kJ/kg", "二次蒸汽温度下水的汽化热", "2000～2400 kJ/kg", Property::LatentHeat}),
     &In::vapour_latent},
    {input("evapTempLoss", "温度差损失（℃）：", "8", {"Δ", "K", "沸点升高与液柱静压等引起的温度差损失之和", "0～30 ℃"}),
     &In::temp_loss},
    {input("evapSteamTemp", "加热蒸汽温度（℃）：", "133.3", {"T", "degC", "加热蒸汽的饱和温度", "100～200 ℃"}),
     &In::steam_temp},
    {input("evapSteamLatent", "加热蒸汽汽化热（kJ/kg）：", "2168",
           {"r", "kJ/kg", "加热蒸汽温度下水的汽化热", "1900～2260 kJ/kg", Property::LatentHeat}),
     &In::steam_latent},
    {input("evapK", "总传热系数（W/(m²·℃)）：", "1500", {"K", "W/(m2 K)", "蒸发器的总传热系数", "500～3000 W/(m²·℃)"}),
     &In::heat_transfer},
    {input("evapHeatLoss", "热损失（占有效热量 %）：", "5", {"p", "percent", "热损失占有效热量的百分数", "0～10 %"}),
     &In::heat_loss_percent},
    {result("evapWater", "水分蒸发量（kg/h）：", {"W", "kg/h", "W = F·(1 − x0/x1)", ""})},
    {result("evapProduct", "完成液量（kg/h）：", {"F − W", "kg/h", "完成液的质量流量", ""})},
    {result("evapBoilingPoint", "溶液沸点（℃）：", {"t1", "degC", "t1 = T1 + Δ", ""})},
    {result("evapDuty", "传热量（kW）：", {"Q", "kW", "蒸发器的热负荷", ""})},
    {result("evapSteam", "加热蒸汽消耗量（kg/h）：", {"D", "kg/h", "D = 3600·Q/r", ""})},
    {result("evapEconomy", "单位蒸汽消耗量（kg/kg）：", {"D/W", "", "每蒸发 1 kg 水消耗的加热蒸汽量", ""})},
    {result("evapTempDiff", "有效传热温差（℃）：", {"Δt", "K", "Δt = T − t1", ""})},
    {result("evapArea", "传热面积（m²）：", {"A", "m2", "A = 1000·Q/(K·Δt)", ""})},
});
static_assert(frame::covers_every_member(kFields));
}  // namespace evaporation

}  // namespace vxr::calc
