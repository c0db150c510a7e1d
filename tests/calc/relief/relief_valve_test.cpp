// Relief-valve sizing: the worked cases of both media and both gas regimes, the step at the critical ratio, and
// every condition with its message and the field at fault.
#include "calc/relief/relief_valve.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vxr::calc {
namespace {

using In = ReliefInput;
using Texts = std::vector<std::string>;

// The page's defaults; the liquid case reads only the shared fields and the density.
In defaults(ReliefMedium medium = ReliefMedium::Gas) {
    return {"10000", "1.0", "10", "0", "0.1013", "0.65", "29", "50", "1", "1.4", "1000", medium};
}
// The gas example of API 520: 24270 kg/h at 670 kPa absolute, 348 K, Z 0.90, M 51, k 1.11, coefficient 0.975.
In api520(const char* back_pressure) {
    return {"24270", "0.57", "0", back_pressure, "0.1", "0.975", "51", "74.85", "0.90", "1.11", "x", ReliefMedium::Gas};
}

Texts texts(const frame::Outcome<In>& outcome) {
    Texts out;
    if (const auto* e = std::get_if<frame::Explained>(&outcome))
        for (const auto& r : e->results) out.push_back(r.text);
    return out;
}

TEST(ReliefValve, SizesWorkedCases) {
    In wrong_medium_unread = defaults(ReliefMedium::Liquid);
    wrong_medium_unread.molar_mass = wrong_medium_unread.exponent = "abc";
    const struct {
        const char* name;
        In in;
        Texts results;
    } cases[] = {
        {"defaults, gas", defaults(), {"1.2013", "临界流动", "0.5283", "356.060", "1579.796", "44.849"}},
        {"defaults, liquid", defaults(ReliefMedium::Liquid), {"1.2013", "液体", "", "", "90.954", "10.761"}},
        {"gas fields of a liquid are never read", wrong_medium_unread, {"1.2013", "液体", "", "", "90.954", "10.761"}},
        {"API 520, critical", api520("0"), {"0.6700", "临界流动", "0.5826", "327.833", "3695.302", "68.593"}},
        {"API 520, 532 kPa back pressure",
         api520("0.432"),
         {"0.6700", "亚临界流动", "0.5826", "327.833", "4250.331", "73.564"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(texts(relief_valve(c.in)), c.results);
    }
}

TEST(ReliefValve, StepsByTheRoundedConstantsAtTheCriticalRatio) {
    // P = 1.2 MPa, k = 1.4: rc·P − Pa = 0.5339384...; back pressures just either side of it.
    In below = defaults(), above = defaults();
    below.atmosphere = above.atmosphere = "0.1";
    below.back_pressure = "0.53393";
    above.back_pressure = "0.53395";
    const Texts critical = texts(relief_valve(below)), subcritical = texts(relief_valve(above));
    ASSERT_EQ(critical.size() + subcritical.size(), 12u);
    EXPECT_EQ(critical[1], "临界流动");
    EXPECT_EQ(subcritical[1], "亚临界流动");
    EXPECT_NEAR(std::stod(subcritical[4]) / std::stod(critical[4]), 1.00089, 2e-5);
}

TEST(ReliefValve, RefusesEachConditionWithItsField) {
    const std::string gas = "摩尔质量和压缩因子必须大于零，温度必须高于 −273.15 ℃。";
    const struct {
        std::string In::*field;  // set to `text` in the defaults of `medium`
        const char* text;
        ReliefMedium medium;
        std::string message;
        std::string In::*at_fault;
    } cases[] = {
        {&In::flow, "0", ReliefMedium::Gas, "泄放量必须大于零。", &In::flow},
        {&In::set_pressure, "0", ReliefMedium::Liquid, "整定压力必须大于零。", &In::set_pressure},
        {&In::overpressure, "-1", ReliefMedium::Gas, "超压和背压不能为负。", &In::overpressure},
        {&In::back_pressure, "-0.01", ReliefMedium::Liquid, "超压和背压不能为负。", &In::back_pressure},
        {&In::atmosphere, "0", ReliefMedium::Gas, "大气压必须大于零。", &In::atmosphere},
        {&In::coefficient, "0", ReliefMedium::Gas, "泄放系数须在 0 与 1 之间。", &In::coefficient},
        {&In::coefficient, "1.001", ReliefMedium::Liquid, "泄放系数须在 0 与 1 之间。", &In::coefficient},
        {&In::back_pressure, "1.1", ReliefMedium::Gas, "背压不低于泄放压力，安全阀无法泄放。", &In::back_pressure},
        {&In::back_pressure, "1.2", ReliefMedium::Liquid, "背压不低于泄放压力，安全阀无法泄放。", &In::back_pressure},
        {&In::molar_mass, "0", ReliefMedium::Gas, gas, &In::molar_mass},
        {&In::temperature, "-273.15", ReliefMedium::Gas, gas, &In::temperature},
        {&In::compressibility, "0", ReliefMedium::Gas, gas, &In::compressibility},
        {&In::exponent, "1", ReliefMedium::Gas, "绝热指数必须大于1。", &In::exponent},
        {&In::density, "0", ReliefMedium::Liquid, "液体密度必须大于零。", &In::density},
        {&In::temperature, "abc", ReliefMedium::Gas, "", &In::temperature},
        {&In::density, "", ReliefMedium::Liquid, "", &In::density},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message + " " + c.text);
        In in = defaults(c.medium);
        in.*c.field = c.text;
        const auto outcome = relief_valve(in);
        const auto* refusal = std::get_if<frame::Refusal<In>>(&outcome);
        ASSERT_NE(refusal, nullptr);
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(refusal->field, c.at_fault);
    }
}

}  // namespace
}  // namespace vxr::calc
