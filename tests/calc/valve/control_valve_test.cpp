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

// Results: Kv, Cv, regime, choking limit, FP, Y, Rev. Water at 90 ℃ (the defaults), a ball valve that chokes, a
// viscous liquid (Kv = Ci = 1.3 × 164.995), CO₂ with reducers and choked. The switches: Δp at ΔpChoked = 497.185 kPa
// (p2 182.815), x at xChoked (p2 285.348: Kv runs on), Rev = 10000 (μ 93.37831: Kv jumps to Ci = 1.3·Kv, FR just
// below 1), the laminar formula taking over (μ 16013.97, where Ci also takes its next step of 30 %).
TEST(ControlValve, WorkedCasesAndEachRegimeSwitch) {
    const Typed ball = {
        {"cvFL", "0.6"}, {"cvFd", "0.98"}, {"cvPipeIn", "100"}, {"cvPipeOut", "100"}, {"cvValveSize", "100"}};
    expect_shown(
        "controlValve",
        {{"water", {}, "164.995 | 190.735 | 湍流 | 497.19 | 1.0000 |  | 2967028"},
         {"ball valve, choked", ball, "238.058 | 275.195 | 阻塞流 | 220.97 | 1.0000 |  | 6596962"},
         {"μ 500", {{"cvViscosity", "500"}}, "214.494 | 247.955 | 过渡流，FR = 0.880 | 497.19 |  |  | 1645"},
         {"CO₂", gas(), "70.807 | 81.853 | 湍流 | 0.5804 | 0.8680 | 0.6875 | 2092306"},
         {"CO₂, p2 280", gas({{"cvOutletPressure", "280"}}),
          "70.675 | 81.700 | 阻塞流 | 0.5804 | 0.8684 | 0.6667 | 2092514"},
         {"p2 182.81", {{"cvOutletPressure", "182.81"}}, "158.705 | 183.463 | 阻塞流 | 497.19 | 1.0000 |  | 3023753"},
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

// A refusal at its bound, and beside it the case finishes: `at` and `beside` are typed over the defaults.
TEST(ControlValve, RefusalsOnBothSidesOfEachBound) {
    const std::string pressure = "阀前压力和阀后压力必须大于零。",
                      property = "压缩因子、摩尔质量、密度和粘度必须大于零。";
    const std::string diameter = "管内径和阀门通径必须大于零。", valve = "阀门通径不得大于管内径。";
    const std::string fl = "压力恢复系数 FL 须大于 0 且不大于 1。", fd = "阀型修正系数 Fd 须大于 0 且不大于 1。";
    const std::string xt = "压差比系数 xT 须大于 0 且小于 1。";
    struct Row {
        Typed at, beside;
        std::string shown;
    };
    const Row rows[] = {
        {{{"cvFlow", "0"}}, {{"cvFlow", "0.001"}}, "流量必须大于零。 @ cvFlow"},
        {{{"cvInletPressure", "0"}, {"cvOutletPressure", "-1"}, {"cvVapourPressure", "0"}},
         {{"cvInletPressure", "0.001"}, {"cvOutletPressure", "0.0005"}, {"cvVapourPressure", "0"}},
         pressure + " @ cvInletPressure"},
        {{{"cvOutletPressure", "0"}}, {{"cvOutletPressure", "0.001"}}, pressure + " @ cvOutletPressure"},
        {{{"cvOutletPressure", "680"}},
         {{"cvOutletPressure", "679.99"}},
         "阀后压力必须低于阀前压力。 @ cvOutletPressure"},
        {{{"cvVapourPressure", "680"}},
         {{"cvVapourPressure", "679.99"}},
         "阀前压力必须高于饱和蒸气压（液体在阀前已汽化）。 @ cvInletPressure"},
        {{{"cvVapourPressure", "-0.001"}}, {{"cvVapourPressure", "0"}}, "饱和蒸气压不能为负。 @ cvVapourPressure"},
        {{{"cvCriticalPressure", "70.1"}},
         {{"cvCriticalPressure", "70.11"}},
         "饱和蒸气压必须低于临界压力。 @ cvVapourPressure"},
        {{{"cvFL", "0"}}, {{"cvFL", "0.01"}}, fl + " @ cvFL"},
        {{{"cvFL", "1.001"}}, {{"cvFL", "1"}}, fl + " @ cvFL"},
        {{{"cvFd", "0"}}, {{"cvFd", "0.01"}}, fd + " @ cvFd"},
        {{{"cvFd", "1.001"}}, {{"cvFd", "1"}}, fd + " @ cvFd"},
        {gas({{"cvXT", "0"}}), gas({{"cvXT", "0.01"}}), xt + " @ cvXT"},
        {gas({{"cvXT", "1"}}), gas({{"cvXT", "0.999"}}), xt + " @ cvXT"},
        {gas({{"cvHeatRatio", "1"}}), gas({{"cvHeatRatio", "1.001"}}), "绝热指数 γ 必须大于 1。 @ cvHeatRatio"},
        {gas({{"cvCompressibility", "0"}}), gas({{"cvCompressibility", "0.01"}}), property + " @ cvCompressibility"},
        {gas({{"cvMolarMass", "0"}}), gas({{"cvMolarMass", "0.01"}}), property + " @ cvMolarMass"},
        {{{"cvDensity", "0"}}, {{"cvDensity", "1"}}, property + " @ cvDensity"},
        {{{"cvViscosity", "0"}}, {{"cvViscosity", "1e-9"}}, property + " @ cvViscosity"},
        {gas({{"cvTemperature", "-273.15"}}), gas({{"cvTemperature", "-273.14"}}),
         "温度必须高于 −273.15 ℃。 @ cvTemperature"},
        {{{"cvPipeIn", "0"}}, {{"cvPipeIn", "200"}}, diameter + " @ cvPipeIn"},
        {{{"cvPipeOut", "-1"}}, {{"cvPipeOut", "200"}}, diameter + " @ cvPipeOut"},
        {{{"cvValveSize", "0"}}, {{"cvValveSize", "100"}}, diameter + " @ cvValveSize"},
        {{{"cvValveSize", "150.001"}}, {{"cvValveSize", "150"}}, valve + " @ cvValveSize"},
        {{{"cvPipeOut", "149.99"}}, {{"cvPipeOut", "150"}}, valve + " @ cvValveSize"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(shown(run("controlValve", r.at)), r.shown);
        EXPECT_TRUE(std::holds_alternative<frame::Explained>(run("controlValve", r.beside))) << r.shown;
    }
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
