#include "calc/relief/relief_valve.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;
using In = calc::ReliefInput;
constexpr auto W = &In::flow, Ps = &In::set_pressure, over = &In::overpressure, Pb = &In::back_pressure,
               Pa = &In::atmosphere, K = &In::coefficient, M = &In::molar_mass, t = &In::temperature,
               Z = &In::compressibility, k = &In::exponent, rho = &In::density;
// clang-format off
const In kGas{"10000", "1.0", "10", "0", "0.1013", "0.65", "29", "50", "1", "1.4", "1000", calc::ReliefMedium::Gas},
    kLiquid = [] { In in = kGas; in.medium = calc::ReliefMedium::Liquid; return in; }();
const auto gas = test::runner(calc::relief_valve, kGas), liquid = test::runner(calc::relief_valve, kLiquid);
// P = 1.2 MPa, k = 1.4 and Pa 0.1: rc·P − Pa = 0.5339384...; just either side the two gas formulas differ by their
// rounded constants: the subcritical area is 1.00089 times the critical one.
TEST(ReliefValve, WorkedCasesTheStepAtTheCriticalRatioAndConditions) {
    // The gas example of API 520: 24270 kg/h at 670 kPa absolute, 348 K, Z 0.90, M 51, k 1.11, coefficient 0.975.
    const auto api520 = [](const char* back) { return calc::relief_valve(
        {"24270", "0.57", "0", back, "0.1", "0.975", "51", "74.85", "0.90", "1.11", "x", kGas.medium}); };
    const std::pair<frame::Outcome<In>, std::vector<std::string>> cases[] = {
        {gas({}), {"1.2013", "临界流动", "0.5283", "356.060", "1579.796", "44.849"}},
        // The gas fields of a liquid are never read.
        {liquid({{M, "abc"}, {k, "abc"}}), {"1.2013", "液体", "", "", "90.954", "10.761"}},
        {api520("0"), {"0.6700", "临界流动", "0.5826", "327.833", "3695.302", "68.593"}},
        {api520("0.432"), {"0.6700", "亚临界流动", "0.5826", "327.833", "4250.331", "73.564"}},
        {gas({{Pa, "0.1"}, {Pb, "0.53393"}}), {"1.2000", "临界流动", "0.5283", "356.060", "1581.508", "44.874"}},
        {gas({{Pa, "0.1"}, {Pb, "0.53395"}}), {"1.2000", "亚临界流动", "0.5283", "356.060", "1582.916", "44.894"}}};
    for (const auto& [out, expected] : cases) EXPECT_EQ(test::results(out), expected) << expected[4];
    // Each condition, on both sides where it has two, in the defaults of a medium; the field typed is at fault.
    const std::string gases = "摩尔质量和压缩因子必须大于零，温度必须高于 −273.15 ℃。", negative = "超压和背压不能为负。",
        closed = "背压不低于泄放压力，安全阀无法泄放。", coefficient = "泄放系数须在 0 与 1 之间。";
    test::expect_refusals<In>(gas, {{{{W, "0"}}, "泄放量必须大于零。", W}, {{{over, "-1"}}, negative, over},
        {{{Pa, "0"}}, "大气压必须大于零。", Pa}, {{{Pb, "1.1"}}, closed, Pb}, {{{M, "0"}}, gases, M}, {{{Z, "0"}}, gases, Z},
        {{{t, "-273.15"}}, gases, t}, {{{k, "1"}}, "绝热指数必须大于1。", k}, {{{t, "abc"}}, "", t}});
    test::expect_refusals<In>(liquid, {{{{Ps, "0"}}, "整定压力必须大于零。", Ps}, {{{Pb, "-0.01"}}, negative, Pb},
        {{{K, "0"}}, coefficient, K}, {{{K, "1.001"}}, coefficient, K}, {{{K, "1"}}, "finished", nullptr},
        {{{Pb, "1.2"}}, closed, Pb}, {{{rho, "0"}}, "液体密度必须大于零。", rho}, {{{rho, ""}}, "", rho}});
}
