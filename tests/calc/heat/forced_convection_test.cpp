#include "calc/heat/forced_convection.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;
using In = calc::ConvectionInput;
using Shape = calc::PipeShape;
// clang-format off
constexpr Shape kStraight = Shape::Straight, kBent = Shape::Bent, kCoil = Shape::Coil, kAnnulus = Shape::Annulus;
constexpr bool kHeated = true, kCooled = false;
constexpr auto d = &In::diameter, u = &In::velocity, rho = &In::density, mu = &In::viscosity, cp = &In::specific_heat,
    lambda = &In::conductivity, R = &In::bend_radius, D = &In::coil_diameter, L = &In::length,
    d1 = &In::inner_diameter, d2 = &In::outer_diameter;
// The page's default texts, water at 1.5 m/s in a 0.1 m pipe (Re = 150000, Pr = 6.76), changed by `edits`.
const auto run = [](Shape shape, bool heated, const test::Edits<In>& edits) {
    return convection_film_coefficient(test::edited<In>(
        {"0.1", "1.5", "1000", "0.001", "4180", "0.618", "0.5", "0.8", "2", "0.15", "0.1", shape, heated}, edits)); };
TEST(ForcedConvection, TableAndNotes) {
    const std::optional<std::string> fails;  // the data-check failure
    const auto re = [](const char* r, const char* m) { return test::Edits<In>{{d, "1"}, {u, "1"}, {rho, r}, {mu, m}}; };
    const std::tuple<Shape, bool, test::Edits<In>, std::optional<std::string>> cases[] = {
        // Each shape and heating state (turbulent, thin fluid: n enters, f does not); Pr = 5 takes the Pr ≥ 5 form.
        {kStraight, kHeated, {}, "4223.422"}, {kStraight, kCooled, {}, "3488.556"}, {kBent, kHeated, {}, "5718.513"},
        {kCoil, kCooled, {}, "5014.799"}, {kAnnulus, kCooled, {}, "2591.344"},
        {kAnnulus, kHeated, {{cp, "2000"}}, "1824.498"}, {kAnnulus, kHeated, {{cp, "5000"}, {lambda, "1"}}, "3795.201"},
        // Flow ranges and the viscosity split; f enters the viscous forms and laminar flow, n the thin forms.
        {kStraight, kHeated, {{mu, "0.005"}}, "2137.276"}, {kStraight, kCooled, {{mu, "0.005"}}, "1933.726"},
        {kStraight, kCooled, {{u, "0.05"}}, "199.322"}, {kStraight, kCooled, {{u, "0.01"}}, "74.619"},
        // Closed bounds (re: Re = ρ/μ): 10000 turbulent, 2300 transition, μ 0.002 the thin-fluid form; a laminar bend.
        {kStraight, kHeated, re("10000", "1"), "509.922"}, {kStraight, kHeated, re("9999", "1"), "490.575"},
        {kStraight, kCooled, re("20", "0.002"), "49.213"}, {kStraight, kHeated, re("2300", "1"), "73.425"},
        {kStraight, kHeated, re("2299", "1"), "226.788"}, {kBent, kHeated, {{u, "0.01"}}, "111.669"},
        // Fields a branch never reads may hold any text; the annulus computes the straight pipe first, failures too.
        {kStraight, kHeated, {{R, ""}, {D, "a"}, {d1, "x"}, {d2, ""}, {L, ""}}, "4223.422"},
        {kAnnulus, kCooled, {{R, ""}, {D, ""}, {L, ""}}, "2591.344"}, {kStraight, kHeated, {{mu, "0"}}, fails},
        {kStraight, kHeated, {{u, "0.01"}, {L, ""}}, fails}, {kAnnulus, kHeated, {{u, "0.01"}, {L, ""}}, fails},
        {kAnnulus, kHeated, {{d2, "-0.1"}}, fails}, {kAnnulus, kHeated, {{cp, "1.2.3"}}, fails},
        {kStraight, kHeated, {{rho, "1e308"}, {u, "1e10"}}, fails}};
    for (const auto& [shape, heated, edits, expected] : cases)
        EXPECT_EQ(test::shown(run(shape, heated, edits)), expected) << test::typed(edits);
    // The notes: Re and its range, Pr, the form, the warnings at L/d 60 and Pr 160 (none with a length not a number).
    const std::string re_pr = "Re = 150000（湍流）  Pr = ", thin = " / α = 0.023·(λ/d)·Re^0.8·Pr^0.4 = ";
    const std::pair<test::Edits<In>, std::string> notes[] = {
        {{{L, "6"}}, re_pr + "6.76375" + thin + "4223.422 W/(m²·℃)"},
        {{{L, "5.99"}, {cp, "16000"}}, re_pr + "25.89" + thin + "7225.068 W/(m²·℃) / 注意：L/d = 59.9 < 60，未计入进口段影响"},
        {{{L, "x"}, {cp, "98880"}}, re_pr + "160" + thin + "14970.535 W/(m²·℃)"},
        {{{L, "x"}, {cp, "98890"}}, re_pr + "160.016" + thin + "14971.140 W/(m²·℃) / "
            "注意：Pr = 160.016 超出关联式适用范围 0.7～160"},
        {{{u, "0.01"}}, "Re = 1000（层流）  Pr = 6.76375 / α = 1.86·Re^0.33·Pr^0.33·(d/L)^0.33·1.05·(λ/d) = "
            "82.473 W/(m²·℃)"},
        {{{mu, "0.005"}, {L, "60"}, {cp, "17000"}},  // the viscous form: Pr 137.5 is inside its wider range
         "Re = 30000（湍流）  Pr = 137.54 / α = 0.027·(λ/d)·Re^0.8·Pr^0.33·1.05 = 3395.632 W/(m²·℃)"}};
    for (const auto& [edits, expected] : notes) EXPECT_EQ(test::notes(run(kStraight, kHeated, edits)), expected);
}
