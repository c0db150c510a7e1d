#include "calc/relief/relief_valve.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;

using In = calc::ReliefInput;
using Texts = std::vector<std::string>;
constexpr calc::ReliefMedium kGas = calc::ReliefMedium::Gas, kLiquid = calc::ReliefMedium::Liquid;

static In defaults(calc::ReliefMedium medium) {
    return {"10000", "1.0", "10", "0", "0.1013", "0.65", "29", "50", "1", "1.4", "1000", medium};
}
// The gas example of API 520: 24270 kg/h at 670 kPa absolute, 348 K, Z 0.90, M 51, k 1.11, coefficient 0.975.
static In api520(const char* back_pressure) {
    return {"24270", "0.57", "0", back_pressure, "0.1", "0.975", "51", "74.85", "0.90", "1.11", "x", kGas};
}

// P = 1.2 MPa, k = 1.4 and Pa 0.1: rc·P − Pa = 0.5339384...; just either side the two gas formulas differ by their
// rounded constants: the subcritical area is 1.00089 times the critical one.
TEST(ReliefValve, WorkedCasesTheStepAtTheCriticalRatioAndConditions) {
    In unread = defaults(kLiquid), below = defaults(kGas), above = defaults(kGas);
    unread.molar_mass = unread.exponent = "abc";  // the gas fields of a liquid are never read
    below.atmosphere = above.atmosphere = "0.1";
    below.back_pressure = "0.53393";
    above.back_pressure = "0.53395";
    const std::pair<In, Texts> cases[] = {
        {defaults(kGas), {"1.2013", "临界流动", "0.5283", "356.060", "1579.796", "44.849"}},
        {unread, {"1.2013", "液体", "", "", "90.954", "10.761"}},
        {api520("0"), {"0.6700", "临界流动", "0.5826", "327.833", "3695.302", "68.593"}},
        {api520("0.432"), {"0.6700", "亚临界流动", "0.5826", "327.833", "4250.331", "73.564"}},
        {below, {"1.2000", "临界流动", "0.5283", "356.060", "1581.508", "44.874"}},
        {above, {"1.2000", "亚临界流动", "0.5283", "356.060", "1582.916", "44.894"}},
    };
    for (const auto& [in, expected] : cases) EXPECT_EQ(test::texts(relief_valve(in)), expected) << in.back_pressure;
    // Each condition, on both sides where it has two, in the defaults of a medium; the field typed is at fault.
    const std::string gas = "摩尔质量和压缩因子必须大于零，温度必须高于 −273.15 ℃。";
    const std::tuple<std::string In::*, std::vector<const char*>, calc::ReliefMedium, std::string> refused[] = {
        {&In::flow, {"0"}, kGas, "泄放量必须大于零。"},
        {&In::set_pressure, {"0"}, kLiquid, "整定压力必须大于零。"},
        {&In::overpressure, {"-1"}, kGas, "超压和背压不能为负。"},
        {&In::back_pressure, {"-0.01"}, kLiquid, "超压和背压不能为负。"},
        {&In::atmosphere, {"0"}, kGas, "大气压必须大于零。"},
        {&In::coefficient, {"0", "1.001"}, kLiquid, "泄放系数须在 0 与 1 之间。"},
        {&In::back_pressure, {"1.1"}, kGas, "背压不低于泄放压力，安全阀无法泄放。"},
        {&In::back_pressure, {"1.2"}, kLiquid, "背压不低于泄放压力，安全阀无法泄放。"},
        {&In::molar_mass, {"0"}, kGas, gas},
        {&In::temperature, {"-273.15"}, kGas, gas},
        {&In::compressibility, {"0"}, kGas, gas},
        {&In::exponent, {"1"}, kGas, "绝热指数必须大于1。"},
        {&In::density, {"0"}, kLiquid, "液体密度必须大于零。"},
        {&In::temperature, {"abc"}, kGas, ""},
        {&In::density, {""}, kLiquid, ""},
    };
    for (const auto& [field, texts, medium, message] : refused)
        for (const char* text : texts) {
            In in = defaults(medium);
            in.*field = text;
            const auto refusal = std::get<frame::Refusal<In>>(relief_valve(in));  // throws if done
            EXPECT_EQ(refusal.message, message) << text;
            EXPECT_EQ(refusal.field, field) << message << text;
        }
}
