// The control valve: the standard's worked cases, each regime switch a step either side, each refusal at and beside
// its bound, and the inputs of the other medium never read.
#include "calc/case_support.h"

namespace vxr::test {
namespace {

// The carbon dioxide case over the defaults (rotary valve, 80 → 50 → 100 mm), with `more` typed after it.
Typed gas(Typed more = {}) {
    Typed typed = {
        {"cvGas", "1"},        {"cvFlow", "3800"},         {"cvTemperature", "159.85"}, {"cvViscosity", "0.014665"},
        {"cvFL", "0.85"},      {"cvFd", "0.42"},           {"cvPipeIn", "80"},          {"cvPipeOut", "100"},
        {"cvValveSize", "50"}, {"cvOutletPressure", "310"}};
    typed.insert(typed.end(), more.begin(), more.end());
    return typed;
}

// Results: Kv, Cv, regime, choking limit, FP, Y, Rev (the manual's worked cases: water at 90 ℃, a ball valve that
// chokes, a viscous liquid, CO₂ with reducers). The switches: Δp at ΔpChoked = 497.185 kPa (p2 182.815), x at
// xChoked (p2 285.348: Kv runs on), Rev = 10000 (μ 93.37831: Kv jumps to Ci = 1.3·Kv, FR just below 1), the laminar
// formula taking over (μ 16013.97, where Ci also takes its next step of 30 %).
TEST(ControlValve, EachRegimeSwitch) {
    const Typed ball = {
        {"cvFL", "0.6"}, {"cvFd", "0.98"}, {"cvPipeIn", "100"}, {"cvPipeOut", "100"}, {"cvValveSize", "100"}};
    expect_shown(
        "controlValve",
        {{"p2 182.81", {{"cvOutletPressure", "182.81"}}, "158.705 | 183.463 | 阻塞流 | 497.19 | 1.0000 |  | 3023753"},
         {"p2 182.82", {{"cvOutletPressure", "182.82"}}, "158.706 | 183.464 | 湍流 | 497.19 | 1.0000 |  | 3023745"},
         {"CO₂, p2 285.34", gas({{"cvOutletPressure", "285.34"}}),
          "70.675 | 81.700 | 阻塞流 | 0.5804 | 0.8684 | 0.6667 | 2092514"},
         {"CO₂, p2 285.35", gas({{"cvOutletPressure", "285.35"}}),
          "70.675 | 81.700 | 湍流 | 0.5804 | 0.8684 | 0.6667 | 2092514"},
         {"μ 93.3783", {{"cvViscosity", "93.3783"}}, "164.995 | 190.735 | 湍流 | 497.19 | 1.0000 |  | 10000"},
         {"μ 93.3784", {{"cvViscosity", "93.3784"}}, "214.494 | 247.955 | 过渡流，FR = 0.992 | 497.19 |  |  | 8810"},
         {"μ 16013", {{"cvViscosity", "16013"}}, "278.842 | 322.342 | 过渡流，FR = 0.592 | 497.19 |  |  | 45"},
         {"μ 16015", {{"cvViscosity", "16015"}}, "362.495 | 419.044 | 层流，FR = 0.455 | 497.19 |  |  | 40"}});
    EXPECT_TRUE(warns(run("controlValve", ball)) && !warns(run("controlValve")));
    EXPECT_TRUE(warns(run("controlValve", {{"cvViscosity", "500"}})));
    // Flashing after the valve: p2 below pv warns, at pv not.
    const auto flashes = [](const char* p2) {
        for (const std::string& line : notes(run("controlValve", {{"cvOutletPressure", p2}, {"cvFL", "0.6"}})))
            if (line.find("闪蒸") != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(flashes("70.09"));
    EXPECT_FALSE(flashes("70.1"));
}

// A refusal at its bound, and beside it the case finishes; the gas's own bounds over the CO₂ case.
TEST(ControlValve, RefusalsOnBothSidesOfEachBound) {
    const std::string pressure = "阀前压力和阀后压力必须大于零。",
                      property = "压缩因子、摩尔质量、密度和粘度必须大于零。";
    const std::string diameter = "管内径和阀门通径必须大于零。", valve = "阀门通径不得大于管内径。";
    const std::string fl = "压力恢复系数 FL 须大于 0 且不大于 1。", fd = "阀型修正系数 Fd 须大于 0 且不大于 1。";
    const std::string xt = "压差比系数 xT 须大于 0 且小于 1。", lower = "阀后压力必须低于阀前压力。";
    const std::string flashed = "阀前压力必须高于饱和蒸气压（液体在阀前已汽化）。", pv = "饱和蒸气压不能为负。";
    const std::string pc = "饱和蒸气压必须低于临界压力。", gamma = "绝热指数 γ 必须大于 1。";
    const std::string flow = "流量必须大于零。", cold = "温度必须高于 −273.15 ℃。";
    const Bound liquid[] = {{"cvFlow", "0", "0.001", flow},
                            {"cvOutletPressure", "0", "0.001", pressure},
                            {"cvOutletPressure", "680", "679.99", lower},
                            {"cvVapourPressure", "-0.001", "0", pv},
                            {"cvFL", "0", "0.01", fl},
                            {"cvFL", "1.001", "1", fl},
                            {"cvFd", "0", "0.01", fd},
                            {"cvFd", "1.001", "1", fd},
                            {"cvDensity", "0", "1", property},
                            {"cvViscosity", "0", "1e-9", property},
                            {"cvPipeIn", "0", "200", diameter},
                            {"cvPipeOut", "-1", "200", diameter},
                            {"cvValveSize", "0", "100", diameter},
                            {"cvValveSize", "150.001", "150", valve}};
    // Bounds whose refusal names another field than the one typed.
    const Bound elsewhere[] = {{"cvVapourPressure", "680", "679.99", flashed, "cvInletPressure"},
                               {"cvCriticalPressure", "70.1", "70.11", pc, "cvVapourPressure"},
                               {"cvPipeOut", "149.99", "150", valve, "cvValveSize"}};
    const Bound gas_only[] = {{"cvXT", "0", "0.01", xt},
                              {"cvXT", "1", "0.999", xt},
                              {"cvHeatRatio", "1", "1.001", gamma},
                              {"cvCompressibility", "0", "0.01", property},
                              {"cvMolarMass", "0", "0.01", property},
                              {"cvTemperature", "-273.15", "-273.14", cold}};
    const Bound inlet[] = {{"cvInletPressure", "0", "0.001", pressure}};
    expect_bounds("controlValve", liquid);
    expect_bounds("controlValve", elsewhere);
    expect_bounds("controlValve", gas_only, gas());
    expect_bounds("controlValve", inlet, {{"cvOutletPressure", "0.0005"}, {"cvVapourPressure", "0"}});
    EXPECT_EQ(shown(run("controlValve", {{"cvInletPressure", "0"}, {"cvOutletPressure", "-1"}})),
              pressure + " @ cvInletPressure");
    // A valve far too small for its reducers: FP has no fixed point and the page says so.
    EXPECT_EQ(shown(run("controlValve", {{"cvValveSize", "20"}})),
              "管件几何系数 FP 的迭代未收敛：相对于所需的 Kv，阀门通径过小或管件损失过大，请核对通径与管径。 @ none");
    // A liquid so viscous that no Ci the standard's steps reach passes it: FR falls faster than Ci rises.
    EXPECT_EQ(shown(run("controlValve", {{"cvViscosity", "1e6"}})),
              "雷诺数系数 FR 的迭代未收敛：非湍流下找不到满足 Kv/FR ≤ Ci 的 Ci，请核对粘度、流量与阀门通径。 @ none");
    // Text in an input the medium does not read refuses nothing.
    EXPECT_EQ(shown(run("controlValve", {{"cvMolarMass", "x"},
                                         {"cvHeatRatio", "x"},
                                         {"cvCompressibility", "x"},
                                         {"cvXT", "x"},
                                         {"cvTemperature", "x"}})),
              shown(run("controlValve")));
    EXPECT_EQ(
        shown(run("controlValve", gas({{"cvDensity", "x"}, {"cvVapourPressure", "x"}, {"cvCriticalPressure", "x"}}))),
        shown(run("controlValve", gas())));
}

}  // namespace
}  // namespace vxr::test
