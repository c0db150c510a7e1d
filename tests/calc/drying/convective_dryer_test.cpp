#include "calc/drying/convective_dryer.h"
#include <gtest/gtest.h>
#include <random>
#include "calc/drying/water_saturation.h"
#include "calc/outcome_support.h"
#include "frame/number_text.h"

using namespace vxr;
using In = calc::DryerInput;
using frame::significant;
constexpr auto G1 = &In::wet_feed, w1 = &In::initial_moisture, w2 = &In::final_moisture, P = &In::pressure,
               t0 = &In::air_temp, phi0 = &In::air_humidity, t1 = &In::preheat_temp, t2 = &In::exhaust_temp;
const auto run = test::runner(calc::convective_dryer, In{"1000", "0.40", "0.05", "101.325", "20", "60", "120", "60"});
// IAPWS-IF97's own table for the saturation line, IAPWS 2011's check value over ice, the switch at 0 ℃; the
// page's checks, and the warning of an exhaust above 80 % (at 79 % and at exactly 80 %, t1 = 115 ℃, not yet).
TEST(DryerCore, SaturationDefaultsChecksAndTheIdealDryer) {
    // clang-format off
    using namespace calc;
    EXPECT_EQ(significant(if97_saturation_pressure(300), 9) + " " + significant(if97_saturation_pressure(600), 9) +
        " " + significant(ice_sublimation_pressure(230), 13) + " " + significant(saturation_pressure(-10)) + " " +
        significant(saturation_pressure(0)), "3536.58941 12344314.6 8.947352740189 0.259874 0.611213");
    EXPECT_EQ(test::results(run({})), (std::vector<std::string>{"368.421", "631.579", "0.00874", "0.03240", "25.15",
        "15570.648", "15706.686", "443.947", "60.00"}));
    EXPECT_EQ(frame::masked(air_humidity(2.76, 101.32).get(), 5), "0.01742");
    EXPECT_EQ(test::shown(run({{t0, "-10"}, {phi0, "80"}}), 2), "0.00128");
    EXPECT_EQ(std::tuple(test::warns(run({{t2, "40"}}), 4), test::warns(run({{t2, "41"}}), 4),
        test::warns(run({{t1, "115"}, {t2, "40.09099313666324"}}), 4)), std::tuple(true, false, false));
    const std::string moisture = "含水量须满足 0 ≤ 产品含水量 < 初始含水量 < 1。", rh = "相对湿度须在 0 到 100 之间。",
        range = "温度超出水蒸气饱和压力公式的范围（−60～373.946 ℃）。", preheat = "预热后空气温度必须高于新鲜空气温度和废气温度。";
    // Where two fields are typed, the first condition in reading order is the one refused; a dry product is no fault.
    test::expect_refusals<In>(run, {{{{G1, "0"}, {w1, "1"}}, "湿物料处理量必须大于零。", G1}, {{{w1, "1"}}, moisture, w1},
        {{{w2, "0.4"}}, moisture, w1}, {{{w2, "-0.01"}, {phi0, "0"}}, moisture, w2}, {{{w2, "0"}}, "finished", nullptr},
        {{{phi0, "0"}}, rh, phi0}, {{{phi0, "100.01"}, {t0, "-61"}}, rh, phi0}, {{{t1, "60"}}, preheat, t1},
        {{{t0, "-60.01"}, {t2, "400"}}, range, t0}, {{{t2, "373.95"}, {t1, "400"}}, range, t2},
        {{{t0, "120"}, {t2, "30"}}, preheat, t1}, {{{P, "1.4"}}, "总压过低。", P},
        {{{t2, "33"}}, "废气已饱和（相对湿度超过100%），请提高废气温度。", t2}, {{{P, "x"}, {G1, "y"}}, "", G1},
        {{{G1, "1e308"}, {w1, "0.9"}}, "", nullptr}});
    // An ideal dryer's heat balance makes η = (t1 − t2)/(t1 − t0), whatever the material and the air.
    std::mt19937 random(14);
    const auto at = [&](double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(random); };
    const auto s = [](double v) { return std::to_string(v); };
    int finished = 0;
    for (int i = 0; i < 200; ++i) {
        const double w = at(0.05, 0.9), a = at(-40, 40), b = at(a + 20, 300), c = at(a, b);
        const In in{"1000", s(w), s(w / 3), s(at(50, 500)), s(a), s(at(1, 100)), s(b), s(c)};
        const auto eta = test::shown(calc::convective_dryer(in), 8);
        if (eta && ++finished) { EXPECT_NEAR(std::stod(*eta), 100 * (b - c) / (b - a), 0.0051) << in.exhaust_temp; }
    }
    EXPECT_GT(finished, 100);
}
// clang-format on
