// The convective dryer: its saturation line, worked cases, the refusals in reading order, the warning of a humid
// exhaust on both sides of its bound, the notes' outline, and the ideal dryer's heat balance on random cases.
#include <random>

#include "calc/case_support.h"
#include "calc/drying/water_saturation.h"
#include "frame/number_text.h"

namespace vxr::test {
namespace {

// IAPWS 2011's check value over ice, and the switch at 0 ℃ (above it, IF97's saturation line: the properties' test).
TEST(Dryer, SaturationPressureFromBothEquations) {
    EXPECT_EQ(frame::in_note(calc::ice_sublimation_pressure(230), 13), "8.947352740189");
    EXPECT_EQ(frame::in_note(calc::saturation_pressure(-10)), "0.259874");
    EXPECT_EQ(frame::in_note(calc::saturation_pressure(0)), "0.611213");
}

// Worked cases; where two fields are typed, the first condition in reading order is the one refused.
TEST(Dryer, WorkedCasesAndRefusals) {
    const std::string moisture = "含水量须满足 0 ≤ 产品含水量 < 初始含水量 < 1。 @ ",
                      rh = "相对湿度须在 0 到 100 之间。 @ ";
    const std::string range = "温度超出水蒸气饱和压力公式的范围（−60～373.946 ℃）。 @ ";
    const std::string preheat = "预热后空气温度必须高于新鲜空气温度和废气温度。 @ dryPreheatTemp";
    const std::string check = "请仔细核对数据！ @ ";
    expect_shown(
        "drying",
        {{"winter air at −10 ℃ and 80 %, over ice",
          {{"dryAirTemp", "-10"}, {"dryAirHumidity", "80"}},
          "368.421 | 631.579 | 0.00128 | 0.02462 | 19.34 | 15786.288 | 15806.477 | 577.132 | 46.15"},
         {"air at −60 ℃: H0 3.98e-6 in four significant digits",
          {{"dryAirTemp", "-60"}},
          "368.421 | 631.579 | 0.000003983 | 0.02329 | 18.33 | 15823.749 | 15823.812 | 799.105 | 33.33"},
         {"a bone-dry product",
          {{"dryFinalMoisture", "0"}},
          "400.000 | 600.000 | 0.00874 | 0.03240 | 25.15 | 16905.275 | 17052.973 | 482.000 | 60.00"},
         {"no feed, before all water",
          {{"dryWetFeed", "0"}, {"dryInitialMoisture", "1"}},
          "湿物料处理量必须大于零。 @ dryWetFeed"},
         {"all water", {{"dryInitialMoisture", "1"}}, moisture + "dryInitialMoisture"},
         {"a product as wet as the feed", {{"dryFinalMoisture", "0.4"}}, moisture + "dryInitialMoisture"},
         {"a negative product moisture",
          {{"dryFinalMoisture", "-0.01"}, {"dryAirHumidity", "0"}},
          moisture + "dryFinalMoisture"},
         {"dry air", {{"dryAirHumidity", "0"}}, rh + "dryAirHumidity"},
         {"air above saturation", {{"dryAirHumidity", "100.01"}, {"dryAirTemp", "-61"}}, rh + "dryAirHumidity"},
         {"air below −60 ℃", {{"dryAirTemp", "-60.01"}, {"dryExhaustTemp", "400"}}, range + "dryAirTemp"},
         {"an exhaust above Tc", {{"dryExhaustTemp", "373.95"}, {"dryPreheatTemp", "400"}}, range + "dryExhaustTemp"},
         {"heated no warmer than the exhaust", {{"dryPreheatTemp", "60"}}, preheat},
         {"heated no warmer than the fresh air", {{"dryAirTemp", "120"}, {"dryExhaustTemp", "30"}}, preheat},
         {"a total pressure below the vapour's", {{"dryPressure", "1.4"}}, "总压过低。 @ dryPressure"},
         {"a saturated exhaust",
          {{"dryExhaustTemp", "33"}},
          "废气已饱和（相对湿度超过100%），请提高废气温度。 @ dryExhaustTemp"},
         {"texts that are no numbers", {{"dryPressure", "x"}, {"dryWetFeed", "y"}}, check + "dryWetFeed"},
         {"an overflow", {{"dryWetFeed", "1e308"}, {"dryInitialMoisture", "0.9"}}, check + "none"}});
}

// Above 80 % relative humidity the exhaust may condense: φ2 = 80 % exactly (t1 115 ℃, t2 40.0909931… ℃) does not
// warn, a hundredth of a degree cooler does. Then the notes' outline.
TEST(Dryer, NotesAndAHumidExhaust) {
    for (const auto& [t2, expected] : {std::pair{"40.09099313666324", false}, {"40.08", true}, {"41", false}})
        EXPECT_EQ(warns(run("drying", {{"dryPreheatTemp", "115"}, {"dryExhaustTemp", t2}}), 4), expected) << t2;
    EXPECT_EQ(
        outline(run("drying")),
        "W, Gc, X1 / G2 / H0, p0, ps(20 ℃) / H2, 理想干燥器：I2 / φ2, 废气水汽分压 p2, ps(60 ℃) / L / L0 / Qp / η, "
        "理想干燥器校核：η");
}

// An ideal dryer's heat balance makes η = (t1 − t2)/(t1 − t0), whatever the material and the air.
TEST(Dryer, IdealDryerEfficiencyOnRandomCases) {
    std::mt19937 random(14);
    const auto at = [&](double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(random); };
    int finished = 0;
    for (int i = 0; i < 200; ++i) {
        const double w1 = at(0.05, 0.9), t0 = at(-40, 40), t1 = at(t0 + 20, 300), t2 = at(t0, t1);
        const std::string t[] = {std::to_string(w1), std::to_string(w1 / 3),     std::to_string(at(50, 500)),
                                 std::to_string(t0), std::to_string(at(1, 100)), std::to_string(t1),
                                 std::to_string(t2)};
        Typed typed;
        for (const char* field : {"dryInitialMoisture", "dryFinalMoisture", "dryPressure", "dryAirTemp",
                                  "dryAirHumidity", "dryPreheatTemp", "dryExhaustTemp"})
            typed.emplace_back(field, t[typed.size()].c_str());
        const calc::Answer a = run("drying", typed);
        if (std::holds_alternative<calc::Refused>(a)) continue;
        ++finished;
        const std::string eta = shown(a).substr(shown(a).rfind(' ') + 1);
        EXPECT_NEAR(std::stod(eta), 100 * (t1 - t2) / (t1 - t0), 0.0051) << t[6];
    }
    EXPECT_GT(finished, 100);
}

}  // namespace
}  // namespace vxr::test
