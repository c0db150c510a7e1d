// The single-effect evaporator: worked cases, refusals and warnings at and beside their bounds, and the notes.
#include <cstdio>

#include "calc/case_support.h"
#include "calc/properties/water_steam.h"

namespace vxr::test {
namespace {

// Results: W, product, t1, Q, D, D/W, Δt, A. The book's case, 9072 kg/h from 1 % to 1.5 % boiling at 100 ℃: 3024,
// 6048 and 4108 kg/h, 149.3 m² (the defaults, with 5 % heat loss, are the manual's example). Typed at a bound, a field
// is refused (the first condition in reading order); typed just beside it, the case finishes. W = 5000 kg/h of r1 2000
// kJ/kg from 10000 kg/h of cp0 4 boiling at 68 ℃: a feed at 318 ℃ brings all the heat, Q = 0; at 317.9 ℃ D/W = 3.87e-4
// shows four significant digits. Water's triple point (tp) and critical temperature (tc) bound T1 and T after the signs
// of the losses, before the boiling point.
TEST(Evaporator, WorkedCasesAndRefusals) {
    const std::string conc = "浓度须满足 0 < 进料浓度 < 完成液浓度 < 1。";
    const std::string zero = "比热容、汽化热和传热系数必须大于零。", sign = "温度差损失和热损失不能为负。";
    const std::string none = "进料量必须大于零。", cold = "加热蒸汽温度必须高于溶液沸点。";
    const std::string tp = "二次蒸汽温度须高于水的三相点 0.01 ℃。", tc = "加热蒸汽温度须低于水的临界温度 373.946 ℃。";
    const Bound bounds[] = {{"evapFeed", "0", "0.001", none},          {"evapFeedConc", "0", "0.001", conc},
                            {"evapFeedConc", "0.3", "0.2999", conc},   {"evapProductConc", "1", "0.999", conc},
                            {"evapFeedCp", "0", "0.001", zero},        {"evapVapourLatent", "0", "0.001", zero},
                            {"evapSteamLatent", "0", "0.001", zero},   {"evapK", "0", "0.001", zero},
                            {"evapTempLoss", "-0.1", "0", sign},       {"evapHeatLoss", "-0.1", "0", sign},
                            {"evapSteamTemp", "68.1", "68.2", cold},   {"evapVapourTemp", "0.0099", "0.01", tp},
                            {"evapSteamTemp", "373.946", "373.94", tc}};
    expect_bounds("evaporation", bounds);
    const auto hot = [](const char* t0) {
        return Typed{{"evapFeedConc", "0.25"}, {"evapProductConc", "0.5"},   {"evapFeedCp", "4"},
                     {"evapVapourTemp", "60"}, {"evapVapourLatent", "2000"}, {"evapFeedTemp", t0}};
    };
    const Typed book = {{"evapFeed", "9072"},         {"evapFeedConc", "0.01"}, {"evapProductConc", "0.015"},
                        {"evapFeedTemp", "37.8"},     {"evapFeedCp", "4.14"},   {"evapVapourTemp", "100"},
                        {"evapVapourLatent", "2257"}, {"evapTempLoss", "0"},    {"evapSteamTemp", "110"},
                        {"evapSteamLatent", "2230"},  {"evapK", "1704"},        {"evapHeatLoss", "0"}};
    expect_shown("evaporation",
                 {{"book", book, "3024.000 | 6048.000 | 100.000 | 2544.800 | 4108.198 | 1.359 | 10.000 | 149.343"},
                  {"Q = 0", hot("318"), "传热量不为正，请核对进料温度。 @ evapFeedTemp"},
                  {"Q > 0", hot("317.9"), "5000.000 | 5000.000 | 68.000 | 1.167 | 1.937 | 0.0003875 | 65.300 | 0.012"},
                  {"F 0, x0 0", {{"evapFeed", "0"}, {"evapFeedConc", "0"}}, none + " @ evapFeed"},
                  {"r1 0, K < 0", {{"evapVapourLatent", "0"}, {"evapK", "-1"}}, zero + " @ evapVapourLatent"},
                  {"K 0, Δ < 0", {{"evapK", "0"}, {"evapTempLoss", "-1"}}, zero + " @ evapK"},
                  {"p < 0, T 0", {{"evapHeatLoss", "-5"}, {"evapSteamTemp", "0"}}, sign + " @ evapHeatLoss"},
                  {"T1 −1, T 400", {{"evapVapourTemp", "-1"}, {"evapSteamTemp", "400"}}, tp + " @ evapVapourTemp"},
                  {"T1 −5, T 0", {{"evapVapourTemp", "-5"}, {"evapSteamTemp", "0"}}, tp + " @ evapVapourTemp"},
                  {"T 380, T1 390", {{"evapSteamTemp", "380"}, {"evapVapourTemp", "390"}}, tc + " @ evapSteamTemp"},
                  {"no number, F 0", {{"evapFeedCp", "abc"}, {"evapFeed", "0"}}, "请仔细核对数据！ @ evapFeedCp"},
                  {"F·cp0 overflows", {{"evapK", "1e308"}, {"evapFeed", "1e308"}}, "请仔细核对数据！ @ none"}});
}

// Boiling at 68 ℃ exactly (60 + 8): a feed at the boiling point, and Δt = 5 ℃, do not warn; a hundredth beyond does.
// Q and A, and no other result, say that the heat of dilution is left out. A typed latent heat exactly 2 % off IF97's
// at its temperature does not warn, one beyond does: r1 in the notes of Q and A, r in those of D. IF97 gives
// 2357.45 kJ/kg at 60.1 ℃ and 2164.1 kJ/kg at 133.3 ℃.
TEST(Evaporator, NotesAndWarningsOnBothSidesOfTheirBounds) {
    const auto warned = [](const char* field, const char* text, std::size_t result) {
        return warns(run("evaporation", {{"evapVapourTemp", "60"}, {field, text}}), result);
    };
    EXPECT_FALSE(warned("evapFeedTemp", "68", 3));
    EXPECT_TRUE(warned("evapFeedTemp", "68.01", 3));
    EXPECT_FALSE(warned("evapSteamTemp", "73", 7));
    EXPECT_TRUE(warned("evapSteamTemp", "72.99", 7));
    EXPECT_EQ(outline(run("evaporation", {{"evapSteamTemp", "73.09"}, {"evapFeedTemp", "68.2"}})),
              "W / F − W / t1 / Q, 料液加热 F·cp0·(t1 − t0), 热损失, 未计溶液, 注意：进 / D, 注意：r / D/W / Δt / A, "
              "未计溶液, 注意：有");
    EXPECT_EQ(outline(run("evaporation")),
              "W / F − W / t1 / Q, 料液加热 F·cp0·(t1 − t0), 热损失, 未计溶液 / D / D/W / Δt / A, 未计溶液");
    const std::string dilution = "未计溶液的稀释热：对稀释热大的溶液（如 NaOH、H₂SO₄），Q 与 A 偏低。";
    EXPECT_EQ(notes(run("evaporation"), 3).back(), dilution);
    EXPECT_EQ(notes(run("evaporation"), 7).back(), dilution);
    EXPECT_EQ(notes(run("evaporation"), 0)[0], "W = F(1 − x0/x1) = 10000 × (1 − 0.1/0.3) = 6666.667 kg/h");
    EXPECT_EQ(notes(run("evaporation"), 3)[1],
              "料液加热 F·cp0·(t1 − t0) = 1813370 kJ/h，水分汽化 W·r1 = 15700000 kJ/h");
    const auto r = [](double t, double factor) {
        char text[40];
        std::snprintf(text, sizeof text, "%.17g",
                      std::get<calc::water::Saturation>(calc::water::saturation_at_temperature(t)).r * factor);
        return std::string(text);
    };
    const auto warned_by = [](const char* field, const std::string& text) {
        const calc::Answer a = run("evaporation", {{field, text.c_str()}});
        return std::to_string(warns(a, 3)) + std::to_string(warns(a, 4)) + std::to_string(warns(a, 7));
    };
    for (const auto& [field, t, factor, expected] : {std::tuple{"evapVapourLatent", 60.1, 1.02, "000"},
                                                     {"evapVapourLatent", 60.1, 1.0201, "101"},
                                                     {"evapVapourLatent", 60.1, 0.98, "000"},
                                                     {"evapVapourLatent", 60.1, 0.9799, "101"},
                                                     {"evapSteamLatent", 133.3, 1.02, "000"},
                                                     {"evapSteamLatent", 133.3, 1.0201, "010"},
                                                     {"evapSteamLatent", 133.3, 0.98, "000"},
                                                     {"evapSteamLatent", 133.3, 0.9799, "010"}})
        EXPECT_EQ(warned_by(field, r(t, factor)), expected) << field << " × " << factor;
    EXPECT_EQ(notes(run("evaporation", {{"evapVapourLatent", "2000"}}), 3).back(),
              "注意：r1 = 2000 kJ/kg，比 IAPWS-IF97 在 T1 = 60.1 ℃ 时水的汽化热 2357.45 kJ/kg 低 15.2 %（超过 2 "
              "%），请核对。");
    EXPECT_EQ(
        notes(run("evaporation", {{"evapSteamLatent", "2300"}}), 4).back(),
        "注意：r = 2300 kJ/kg，比 IAPWS-IF97 在 T = 133.3 ℃ 时水的汽化热 2164.1 kJ/kg 高 6.28 %（超过 2 %），请核对。");
    // Within a hair of the critical point the latent heat is all but nothing: no percentage of it.
    EXPECT_EQ(notes(run("evaporation", {{"evapSteamTemp", "373.9459999"}}), 4).back(),
              "注意：IAPWS-IF97 在 T = 373.9459999 ℃ 时水的汽化热为 0 kJ/kg：临界点附近汽化热趋于零，无法与 r = 2168 "
              "kJ/kg 比较，请核对。");
    EXPECT_EQ(
        notes(run("evaporation", {{"evapSteamTemp", "373.94597"}}), 4).back(),
        "注意：IAPWS-IF97 在 T = 373.94597 ℃（临界点附近）没有饱和蒸汽，也就没有水的汽化热，无法与 r = 2168 kJ/kg "
        "比较，请核对。");
}

}  // namespace
}  // namespace vxr::test
