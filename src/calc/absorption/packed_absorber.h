// Height of a packed absorber for a dilute gas with a straight equilibrium line Y* = m·X, by the absorption-factor
// method of the Chinese unit-operations course (化工原理, 吸收: 脱吸因数法), in mole ratios.
//
//   V = G·(1 − y1)                       inert gas, kmol/h
//   Y1 = y1/(1 − y1),  Y2 = Y1·(1 − φ/100),  X2 = x2/(1 − x2)
//   (L/V)min = (Y1 − Y2)/(Y1/m − X2),  L/V = β·(L/V)min,  L = (L/V)·V
//   X1 = X2 + (Y1 − Y2)/(L/V)           operating line through (X2, Y2)
//   S = m/(L/V)                          stripping factor 脱吸因数
//   N_OG = 1/(1 − S)·ln[(1 − S)·(Y1 − m·X2)/(Y2 − m·X2) + S];  where |1 − S| < 1e-9: N_OG = (Y1 − Y2)/(Y2 − m·X2)
//   Z = HOG·N_OG
//
// Units: G and L in kmol/h, HOG and Z in m; y1, x2 mole fractions; φ in %; m, β, Y, X dimensionless.
// Validity: dilute gas, so that V and L stay constant along the column and the equilibrium line is straight; the
// notes warn above y1 = 0.1, where these assumptions lose accuracy.
// Worked example (the page's start values): G 100, y1 0.05, φ 95, x2 0, m 1.2, β 1.5, HOG 0.8 → Y2 0.00263,
// (L/V)min 1.1400, L/V 1.7100, L 162.450, X1 0.02924, S 0.7018, N_OG 6.361, Z 5.089.
#pragma once

#include <array>
#include <string>

#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

// The field texts of one case, in the page's reading order.
struct AbsorberInput {
    std::string gas_flow;       // G, kmol/h
    std::string inlet_gas;      // y1, mole fraction of solute in the entering gas
    std::string recovery;       // φ, %
    std::string inlet_liquid;   // x2, mole fraction of solute in the entering solvent
    std::string slope;          // m
    std::string ratio_factor;   // β = (L/V)/(L/V)min
    std::string transfer_unit;  // HOG, m
};

// N_OG by the absorption-factor formula, or its limit where |1 − S| < 1e-9, for the operating line of slope
// `ratio` = L/V through (X2, Y2) and the top gas Y1; fails (DataCheckFailure) where the data make it no number.
frame::Num transfer_units(frame::Num Y1, frame::Num Y2, frame::Num X2, frame::Num m, frame::Num ratio);

// Results in the page's order: Y2, (L/V)min, L/V, L, X1, S, N_OG, Z.
frame::Outcome<AbsorberInput> packed_absorber(const AbsorberInput& in);

namespace absorption {
using In = AbsorberInput;
using frame::input, frame::result;
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {input("absGasFlow", "混合气体流量（kmol/h）：", "100",
           {"G", "kmol/h", "进塔混合气体的摩尔流量", "1～10000 kmol/h"}),
     &In::gas_flow},
    {input("absInletGas", "进塔气体中溶质摩尔分数：", "0.05",
           {"y1", "", "进塔气体中溶质的摩尔分数（低浓度：≤ 0.1）", "0.001～0.1"}),
     &In::inlet_gas},
    {input("absRecovery", "吸收率（%）：", "95", {"φ", "percent", "被吸收的溶质占进塔溶质的百分数", "80～99.9 %"}),
     &In::recovery},
    {input("absInletLiquid", "进塔液体中溶质摩尔分数：", "0",
           {"x2", "", "进塔吸收剂中溶质的摩尔分数（纯溶剂为 0）", "0～0.01"}),
     &In::inlet_liquid},
    {input("absSlope", "相平衡常数 m：", "1.2", {"m", "", "平衡关系 Y* = m·X 的斜率", "0.1～100"}), &In::slope},
    {input("absRatioFactor", "液气比/最小液气比：", "1.5", {"β", "", "操作液气比为最小液气比的倍数", "1.1～2"}),
     &In::ratio_factor},
    {input("absHOG", "气相总传质单元高度 HOG（m）：", "0.8", {"HOG", "m", "气相总传质单元高度", "0.3～1.5 m"}),
     &In::transfer_unit},
    {result("absOutletGas", "出塔气体组成 Y2（摩尔比）：", {"Y2", "", "出塔气体中溶质与惰性气体的摩尔比", ""})},
    {result("absMinRatio", "最小液气比：", {"(L/V)min", "", "最小液气比", ""})},
    {result("absRatio", "实际液气比：", {"L/V", "", "操作液气比", ""})},
    {result("absLiquidFlow", "吸收剂用量（kmol/h）：", {"L", "kmol/h", "吸收剂（惰性液体）的摩尔流量", ""})},
    {result("absOutletLiquid", "出塔液体组成 X1（摩尔比）：", {"X1", "", "出塔液体中溶质与溶剂的摩尔比", ""})},
    {result("absStripping", "脱吸因数 S：", {"S", "", "S = m/(L/V)", ""})},
    {result("absNOG", "传质单元数 N_OG：", {"N_OG", "", "气相总传质单元数", ""})},
    {result("absHeight", "填料层高度（m）：", {"Z", "m", "Z = HOG·N_OG", ""})},
});
static_assert(frame::covers_every_member(kFields));
}  // namespace absorption

}  // namespace vxr::calc
