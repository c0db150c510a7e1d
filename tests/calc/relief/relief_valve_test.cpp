#include "calc/relief/relief_valve.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;
using In = calc::ReliefInput;
using Medium = calc::ReliefMedium;
constexpr Medium kGas = Medium::Gas, kLiquid = Medium::Liquid;
constexpr auto W = &In::flow, Ps = &In::set_pressure, over = &In::overpressure, Pb = &In::back_pressure,
               Pa = &In::atmosphere, K = &In::coefficient, M = &In::molar_mass, t = &In::temperature,
               Z = &In::compressibility, k = &In::exponent, rho = &In::density;

static In defaults(Medium medium, const test::Edits<In>& edits = {}) {
    return test::edited<In>({"10000", "1.0", "10", "0", "0.1013", "0.65", "29", "50", "1", "1.4", "1000", medium},
                            edits);
}

// P = 1.2 MPa, k = 1.4 and Pa 0.1: rc·P − Pa = 0.5339384...; just either side the two gas formulas differ by their
// rounded constants: the subcritical area is 1.00089 times the critical one.
TEST(ReliefValve, WorkedCasesTheStepAtTheCriticalRatioAndConditions) {
    const auto near = [](const char* back) { return defaults(kGas, {{Pa, "0.1"}, {Pb, back}}); };
    // The gas example of API 520: 24270 kg/h at 670 kPa absolute, 348 K, Z 0.90, M 51, k 1.11, coefficient 0.975.
    const auto api520 = [](const char* back) -> In {
        return {"24270", "0.57", "0", back, "0.1", "0.975", "51", "74.85", "0.90", "1.11", "x", kGas};
    };
    // clang-format off
    const std::pair<In, std::vector<std::string>> cases[] = {
        {defaults(kGas), {"1.2013", "临界流动", "0.5283", "356.060", "1579.796", "44.849"}},
        // The gas fields of a liquid are never read.
        {defaults(kLiquid, {{M, "abc"}, {k, "abc"}}), {"1.2013", "液体", "", "", "90.954", "10.761"}},
        {api520("0"), {"0.6700", "临界流动", "0.5826", "327.833", "3695.302", "68.593"}},
        {api520("0.432"), {"0.6700", "亚临界流动", "0.5826", "327.833", "4250.331", "73.564"}},
        {near("0.53393"), {"1.2000", "临界流动", "0.5283", "356.060", "1581.508", "44.874"}},
        {near("0.53395"), {"1.2000", "亚临界流动", "0.5283", "356.060", "1582.916", "44.894"}}};
    for (const auto& [in, expected] : cases) EXPECT_EQ(test::results(relief_valve(in)), expected) << in.back_pressure;
    // Each condition, on both sides where it has two, in the defaults of a medium; the field typed is at fault.
    const std::string gas = "摩尔质量和压缩因子必须大于零，温度必须高于 −273.15 ℃。", negative = "超压和背压不能为负。",
                      closed = "背压不低于泄放压力，安全阀无法泄放。";
    const std::tuple<std::string In::*, std::vector<const char*>, Medium, std::string> refused[] = {
        {W, {"0"}, kGas, "泄放量必须大于零。"}, {Ps, {"0"}, kLiquid, "整定压力必须大于零。"},
        {over, {"-1"}, kGas, negative}, {Pb, {"-0.01"}, kLiquid, negative}, {Pa, {"0"}, kGas, "大气压必须大于零。"},
        {K, {"0", "1.001"}, kLiquid, "泄放系数须在 0 与 1 之间。"}, {Pb, {"1.1"}, kGas, closed},
        {Pb, {"1.2"}, kLiquid, closed}, {M, {"0"}, kGas, gas}, {t, {"-273.15"}, kGas, gas}, {Z, {"0"}, kGas, gas},
        {k, {"1"}, kGas, "绝热指数必须大于1。"}, {rho, {"0"}, kLiquid, "液体密度必须大于零。"},
        {t, {"abc"}, kGas, ""}, {rho, {""}, kLiquid, ""}};
    for (const auto& [field, texts, medium, message] : refused)
        for (const char* text : texts)
            EXPECT_EQ(test::refusal(relief_valve(defaults(medium, {{field, text}}))), std::pair(message, field))
                << text;
}
// clang-format on
