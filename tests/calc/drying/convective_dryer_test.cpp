#include "calc/drying/convective_dryer.h"
#include <gtest/gtest.h>
#include <random>
#include "calc/drying/water_saturation.h"
#include "calc/outcome_support.h"
#include "frame/number_text.h"

using namespace vxr;

using In = calc::DryerInput;
using Edits = std::vector<std::pair<std::string In::*, std::string>>;

static In with(const Edits& edits) {
    In in{"1000", "0.40", "0.05", "101.325", "20", "60", "120", "60"};
    for (const auto& [field, text] : edits) in.*field = text;
    return in;
}

// IAPWS-IF97's own table for the saturation line, IAPWS 2011's check value over ice, the switch at 0 ℃; the
// page's checks, and the warning of an exhaust near saturation (at 79 % not yet).
TEST(DryerCore, SaturationDefaultsHumidityAndWinterAir) {
    EXPECT_EQ(frame::significant(calc::if97_saturation_pressure(300) / 1000, 9), "3.53658941");
    EXPECT_EQ(frame::significant(calc::if97_saturation_pressure(500) / 1000, 9), "2638.89776");
    EXPECT_EQ(frame::significant(calc::if97_saturation_pressure(600) / 1000, 9), "12344.3146");
    EXPECT_EQ(frame::significant(calc::ice_sublimation_pressure(230), 13), "8.947352740189");
    EXPECT_EQ(frame::significant(calc::saturation_pressure(-10) * 1000), "259.874");
    EXPECT_EQ(frame::significant(calc::saturation_pressure(0) * 1000), "611.213");
    EXPECT_EQ(test::texts(convective_dryer(with({}))),
              (std::vector<std::string>{"368.421", "631.579", "0.00874", "0.03240", "25.15", "15570.648", "15706.686",
                                        "443.947", "60.00"}));
    EXPECT_EQ(frame::masked(calc::air_humidity(2.76, 101.32).get(), 5), "0.01742");
    EXPECT_EQ(test::shown(convective_dryer(with({{&In::air_temp, "-10"}, {&In::air_humidity, "80"}})), 2), "0.00128");
    EXPECT_NE(test::notes(convective_dryer(with({{&In::exhaust_temp, "40"}})), 4).find("注意："), std::string::npos);
    EXPECT_EQ(test::notes(convective_dryer(with({{&In::exhaust_temp, "41"}})), 4).find("注意："), std::string::npos);
    const char *moisture = "含水量须满足 0 ≤ 产品含水量 < 初始含水量 < 1。", *rh = "相对湿度须在 0 到 100 之间。",
               *range = "温度超出水蒸气饱和压力公式的范围（−60～373.946 ℃）。",
               *preheat = "预热后空气温度必须高于新鲜空气温度和废气温度。";
    const std::tuple<Edits, std::string, std::string In::*> cases[] = {
        {{{&In::wet_feed, "0"}, {&In::initial_moisture, "1"}}, "湿物料处理量必须大于零。", &In::wet_feed},
        {{{&In::initial_moisture, "1"}}, moisture, &In::initial_moisture},
        {{{&In::final_moisture, "0.4"}}, moisture, &In::initial_moisture},
        {{{&In::final_moisture, "-0.01"}, {&In::air_humidity, "0"}}, moisture, &In::final_moisture},
        {{{&In::air_humidity, "0"}}, rh, &In::air_humidity},
        {{{&In::air_humidity, "100.01"}, {&In::air_temp, "-61"}}, rh, &In::air_humidity},
        {{{&In::air_temp, "-60.01"}, {&In::exhaust_temp, "400"}}, range, &In::air_temp},
        {{{&In::exhaust_temp, "373.95"}, {&In::preheat_temp, "400"}}, range, &In::exhaust_temp},
        {{{&In::preheat_temp, "60"}}, preheat, &In::preheat_temp},
        {{{&In::air_temp, "120"}, {&In::exhaust_temp, "30"}}, preheat, &In::preheat_temp},
        {{{&In::pressure, "1.4"}}, "总压过低。", &In::pressure},
        {{{&In::exhaust_temp, "33"}}, "废气已饱和（相对湿度超过100%），请提高废气温度。", &In::exhaust_temp},
        {{{&In::pressure, "x"}, {&In::wet_feed, "y"}}, "", &In::wet_feed},
        {{{&In::wet_feed, "1e308"}, {&In::initial_moisture, "0.9"}}, "", nullptr},
    };
    for (const auto& [edits, message, field] : cases) {
        const auto refusal = std::get<frame::Refusal<In>>(convective_dryer(with(edits)));  // throws if done
        EXPECT_EQ(refusal.message, message);
        EXPECT_EQ(refusal.field, field) << message;
    }
}

// For an ideal dryer the enthalpy balance makes η = (t1 − t2)/(t1 − t0), whatever the material and the air.
TEST(DryerCore, IdealDryerEfficiencyIsTheTemperatureRatio) {
    std::mt19937 random(14);
    const auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(random); };
    const auto text = [](double v) { return std::to_string(v); };
    int finished = 0;
    for (int i = 0; i < 200; ++i) {
        const double w1 = uniform(0.05, 0.9), t0 = uniform(-40, 40), t1 = uniform(t0 + 20, 300), t2 = uniform(t0, t1);
        const In in{"1000",   text(w1), text(w1 / 3), text(uniform(50, 500)), text(t0), text(uniform(1, 100)),
                    text(t1), text(t2)};
        if (const auto eta = test::shown(convective_dryer(in), 8); eta && ++finished) {
            EXPECT_NEAR(std::stod(*eta), 100 * (t1 - t2) / (t1 - t0), 0.0051) << i;
        }
    }
    EXPECT_GT(finished, 100);
}
