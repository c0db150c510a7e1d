// The relief valve: worked cases of both media, the critical pressure ratio, the refusals at and beside each bound.
#include "calc/case_support.h"

namespace vxr::test {
namespace {

// `typed` over the defaults of a liquid.
Typed liquid(Typed typed) {
    typed.insert(typed.begin(), {"reliefLiquid", "1"});
    return typed;
}

// API 520's gas example typed over the defaults, 24270 kg/h at 670 kPa absolute, 348 K, Z 0.90, M 51, k 1.11,
// K 0.975, under a back pressure, with a back-pressure factor.
Typed api520(const char* back_pressure, const char* factor = "1") {
    Typed typed = {{"reliefFlow", "24270"},        {"reliefSetPressure", "0.57"}, {"reliefOverpressure", "0"},
                   {"reliefCoefficient", "0.975"}, {"reliefAtmosphere", "0.1"},   {"reliefMolarMass", "51"},
                   {"reliefTemperature", "74.85"}, {"reliefZ", "0.90"},           {"reliefAdiabaticExponent", "1.11"}};
    typed.emplace_back("reliefBackPressure", back_pressure);
    typed.emplace_back("reliefBackPressureFactor", factor);
    return typed;
}

// Results: P, regime, rc, C, A, d0. With Pa 0.1, P = 1.2 and k = 1.4, rc·P − Pa = 0.5339384: just either side the
// two gas formulas differ by their rounded constants, the subcritical area 1.00089 times the critical one. The fields
// of the other medium are never read. Kb divides every area: 1579.796/0.8 = 1974.745, 4250.331/0.9 = 4722.590,
// 90.954/0.8 = 113.692. A tiny flow shows A and d0 in four significant digits. Typed at a bound, a field is refused;
// typed just beside it, the case finishes; a condition common to both media is refused in a liquid's defaults too.
// Pb is compared with Ps as typed (1 against 1.0), after every single field's condition; where Pa swallows Ps − Pb
// (1e-20), P = Po and the area divides by zero.
TEST(ReliefValve, WorkedCasesAndRefusals) {
    const std::string flow = "泄放量必须大于零。", set = "整定压力必须大于零。", sign = "超压和背压不能为负。";
    const std::string air = "大气压必须大于零。", shut = "背压不低于整定压力，安全阀无法开启。";
    const std::string kb = "背压修正系数须在 0 与 1 之间。";
    const std::string gas = "摩尔质量和压缩因子必须大于零，温度必须高于 −273.15 ℃。", k = "绝热指数必须大于1。";
    const std::string coef = "泄放系数须在 0 与 1 之间。", rho = "液体密度必须大于零。";
    const Bound bounds[] = {
        {"reliefFlow", "0", "1e-300", flow},           {"reliefSetPressure", "0", "1e-9", set},
        {"reliefOverpressure", "-0.01", "0", sign},    {"reliefBackPressure", "-0.01", "0", sign},
        {"reliefAtmosphere", "0", "1e-9", air},        {"reliefCoefficient", "0", "1e-9", coef},
        {"reliefCoefficient", "1.001", "1", coef},     {"reliefBackPressure", "1", "0.9999", shut},
        {"reliefBackPressureFactor", "0", "1e-9", kb}, {"reliefBackPressureFactor", "1.0001", "1", kb},
        {"reliefMolarMass", "0", "1e-9", gas},         {"reliefTemperature", "-273.15", "-273.14", gas},
        {"reliefAdiabaticExponent", "1", "1.001", k},  {"reliefZ", "0", "1e-9", gas}};
    expect_bounds("relief", bounds);
    for (const Bound& b : bounds) {  // the same refusals for a liquid, but for the gas's own inputs
        if (b.message == gas || b.message == k) continue;
        EXPECT_EQ(shown(run("relief", liquid({{b.field, b.at}}))), b.message + " @ " + b.field) << "liquid " << b.at;
    }
    const Typed swallowed = {{"reliefSetPressure", "1e-20"}, {"reliefBackPressure", "5e-21"}};
    const std::string defaults = "1.2013 | 临界流动 | 0.5283 | 356.060 | 1579.796 | 44.849";
    const Typed below = {{"reliefAtmosphere", "0.1"}, {"reliefBackPressure", "0.53393"}};
    const Typed above = {{"reliefAtmosphere", "0.1"}, {"reliefBackPressure", "0.53395"}};
    const Typed no_gas = liquid(
        {{"reliefMolarMass", "a"}, {"reliefTemperature", "b"}, {"reliefZ", "c"}, {"reliefAdiabaticExponent", "d"}});
    expect_shown(
        "relief",
        {{"defaults, ρ no number", {{"reliefDensity", "q"}}, defaults},
         {"liquid, M, t, Z, k no numbers", no_gas, "1.2013 | 液体 |  |  | 90.954 | 10.761"},
         {"API 520", api520("0"), "0.6700 | 临界流动 | 0.5826 | 327.833 | 3695.302 | 68.593"},
         {"API 520, Pb 0.432", api520("0.432"), "0.6700 | 亚临界流动 | 0.5826 | 327.833 | 4250.331 | 73.564"},
         {"below rc", below, "1.2000 | 临界流动 | 0.5283 | 356.060 | 1581.508 | 44.874"},
         {"above rc", above, "1.2000 | 亚临界流动 | 0.5283 | 356.060 | 1582.916 | 44.894"},
         {"Kb 0.8", {{"reliefBackPressureFactor", "0.8"}}, "1.2013 | 临界流动 | 0.5283 | 356.060 | 1974.745 | 50.143"},
         {"API 520, Pb 0.432, Kb 0.9", api520("0.432", "0.9"),
          "0.6700 | 亚临界流动 | 0.5826 | 327.833 | 4722.590 | 77.543"},
         {"liquid, Kw 0.8", liquid({{"reliefBackPressureFactor", "0.8"}}), "1.2013 | 液体 |  |  | 113.692 | 12.032"},
         {"liquid, W 0.001", liquid({{"reliefFlow", "0.001"}}), "1.2013 | 液体 |  |  | 0.000009095 | 0.003403"},
         {"W 0, Ps 0", {{"reliefFlow", "0"}, {"reliefSetPressure", "0"}}, flow + " @ reliefFlow"},
         {"Pb 1.08 over Ps 1.0", {{"reliefBackPressure", "1.08"}}, shut + " @ reliefBackPressure"},
         {"Pb 2, K 0", {{"reliefBackPressure", "2"}, {"reliefCoefficient", "0"}}, coef + " @ reliefCoefficient"},
         {"Pa swallows Ps − Pb", swallowed, "请仔细核对数据！ @ none"},
         {"liquid, Pa swallows Ps − Pb", liquid(swallowed), "请仔细核对数据！ @ none"},
         {"no number", {{"reliefTemperature", "abc"}}, "请仔细核对数据！ @ reliefTemperature"},
         {"A overflows", {{"reliefFlow", "1e308"}, {"reliefCoefficient", "1e-10"}}, "请仔细核对数据！ @ none"},
         {"liquid, ρ 0", liquid({{"reliefDensity", "0"}}), rho + " @ reliefDensity"},
         {"liquid, ρ 1e-9", liquid({{"reliefDensity", "1e-9"}}), "1.2013 | 液体 |  |  | 90953648.440 | 10761.309"},
         {"liquid, ρ empty", liquid({{"reliefDensity", ""}}), "请仔细核对数据！ @ reliefDensity"}});
}

// A back pressure above 10 % of the set pressure, with Kb left at 1, warns under A for both media; 0.1 × 0.071
// rounds below 0.0071, yet a back pressure typed at exactly 10 % does not warn. Kb (Kw) stands in every area formula;
// only a liquid's notes speak of viscosity, and neither medium's is a warning.
TEST(ReliefValve, NotesAndTheConventionalValveWarning) {
    for (const bool gas : {true, false}) {
        const auto warned = [&](Typed typed) { return warns(run("relief", gas ? typed : liquid(typed)), 4); };
        EXPECT_FALSE(warned({{"reliefBackPressure", "0.1"}})) << gas;
        EXPECT_TRUE(warned({{"reliefBackPressure", "0.1001"}})) << gas;
        EXPECT_FALSE(warned({{"reliefBackPressure", "0.15"}, {"reliefBackPressureFactor", "0.9999"}})) << gas;
        EXPECT_FALSE(warned({{"reliefSetPressure", "0.071"}, {"reliefBackPressure", "0.0071"}})) << gas;
    }
    EXPECT_EQ(notes(run("relief", {{"reliefBackPressure", "0.15"}}), 4).back(),
              "注意：背压超过整定压力的 10%，普通安全阀不适用，应选平衡波纹管阀并按制造厂曲线取 Kb（液体 Kw）。");
    EXPECT_EQ(outline(run("relief")), "P, Po / Po/P / rc / C / A, T, Po/P, 本方法不 / d0");
    EXPECT_EQ(outline(run("relief", liquid({}))), "P, Po / 液体：A /  /  / A, 未作粘度 / d0");
    EXPECT_EQ(notes(run("relief", {{"reliefBackPressureFactor", "0.8"}}), 4)[0],
              "A = W/(7.6×10⁻²·C·K·Kb·P·√(M/(Z·T))) = 10000/(0.076 × 356.06 × 0.65 × 0.8 × 1.2013 × √(29/(1 × "
              "323.15))) = 1974.75 mm²");
    EXPECT_TRUE(notes(run("relief", api520("0.432", "0.9")), 4)[0].starts_with(
        "A = W/(55.84·K·Kb·P·√((k/(k − 1))·[(Po/P)^(2/k) − (Po/P)^((k + 1)/k)])·√(M/(Z·T))) = 24270/(55.84 × 0.975 × "
        "0.9 × "));
    EXPECT_EQ(notes(run("relief", liquid({{"reliefBackPressureFactor", "0.8"}})), 4),
              std::vector<std::string>({"A = W/(5.1·K·Kw·√(ρ·(P − Po))) = 10000/(5.1 × 0.65 × 0.8 × √(1000 × (1.2013 − "
                                        "0.1013))) = 113.692 mm²",
                                        "未作粘度修正，适用于粘度与水相近的液体；本方法不适用于两相流。"}));
    EXPECT_EQ(notes(run("relief"), 4).back(), "本方法不适用于两相流。");
    EXPECT_EQ(notes(run("relief"), 1)[0], "Po/P = 0.1013/1.2013 = 0.0843253 ≤ rc = 0.528282：临界流动");
    EXPECT_EQ(notes(run("relief", api520("0.432")), 1)[0], "Po/P = 0.532/0.67 = 0.79403 > rc = 0.582588：亚临界流动");
}

}  // namespace
}  // namespace vxr::test
