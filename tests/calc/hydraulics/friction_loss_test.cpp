#include "calc/hydraulics/friction_loss.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;
using In = calc::PipeRunInput;
using Texts = std::vector<std::string>;
constexpr auto d = &In::inside_diameter, u = &In::velocity, rho = &In::density, mu = &In::viscosity,
               eps = &In::roughness, L = &In::length, meters = &In::flow_meters;

// The page's default case: 100 mm bore, 1.5 m/s water, 0.5 mm roughness, 60 m with one or two of each fitting.
const In kDefaults{"100", "1.5", "1000", "0.001", "0.5", "60", "1", "2", "1", "1", "1", "1", "1", "1"};
const In kBare{"100", "1.5", "1000", "0.001", "0.5", "60", "0", "0", "0", "0", "0", "0", "0", "0"};

// clang-format off
TEST(FrictionLoss, TableFittingsAndNotes) {
    // Re 150000, fully rough; Re 1500, laminar; Re exactly 2000 is fully rough, just below it laminar; no fittings
    // (Le = L), a negative count takes length away; laminar flow never reads the roughness. No results: refused (Re 0,
    // a smooth pipe, an empty roughness or count, an overflowing length).
    const std::tuple<In, test::Edits<In>, Texts> cases[] = {
        {kDefaults, {}, {"56.510", "5.762"}}, {kDefaults, {{mu, "0.1"}}, {"79.440", "8.100"}},
        {kDefaults, {{d, "1000"}, {u, "2"}, {mu, "1"}}, {"37.224", "3.796"}},
        {kDefaults, {{d, "1000"}, {u, "2"}, {rho, "999.99"}, {mu, "1"}}, {"71.361", "7.277"}},
        {kBare, {}, {"20.487", "2.089"}}, {kBare, {{meters, "-1"}}, {"6.829", "0.696"}},
        {kDefaults, {{mu, "0.1"}, {eps, "abc"}}, {"79.440", "8.100"}}, {kDefaults, {{u, "0"}}, {}},
        {kDefaults, {{eps, "0"}}, {}}, {kDefaults, {{eps, ""}}, {}}, {kDefaults, {{&In::elbows_45, "x"}}, {}},
        {kDefaults, {{L, "1e308"}, {meters, "1e308"}}, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(test::results(friction_loss(test::edited(std::get<0>(c), std::get<1>(c)))).value_or(Texts{}),
                  std::get<2>(c)) << "row " << &c - cases;
    // Each fitting alone, one of it: 15, 40, 60, 340, 30, 100, 30, 400 bores. The gate and ball valves share a
    // length; the check valve's differs from the gate valve's, so swapping those two counts changes the loss.
    const std::pair<std::string In::*, const char*> fittings[] = {
        {&In::elbows_45, "20.999"}, {&In::elbows_90, "21.853"}, {&In::return_bends, "22.536"},
        {&In::globe_valves, "32.096"}, {&In::gate_valves, "21.511"}, {&In::check_valves, "23.902"},
        {&In::ball_valves, "21.511"}, {meters, "34.145"}};
    for (const auto& [count, expected] : fittings)
        EXPECT_EQ(test::shown(friction_loss(test::edited(kBare, {{count, "1"}}))), expected) << expected;
    // The warning below the fully rough zone: Re·(ε/d)·√(λ/8) < 70 (46.196 by default, 68.1 and 70.4 around it).
    const auto notes = [](const test::Edits<In>& e) { return test::notes(friction_loss(test::edited(kDefaults, e))); };
    EXPECT_EQ(notes({}), "Re = d·u·ρ/μ = 150000（湍流，按完全粗糙区计算） / 1/√λ = 1.74 − 2·lg(2ε/d)，λ = 0.0303512 / "
                         "Le = L + Σnᵢ·kᵢ·d = 60 + 105.5 = 165.5 m / hf = λ·(Le/d)·u²/2 = 56.510 J/kg / "
                         "Hf = hf/g = 5.762 m（g = 9.807 m/s²） / "
                         "注意：粗糙度雷诺数 Re·(ε/d)·√(λ/8) = 46.196 < 70，未进入完全粗糙区，λ 偏小，阻力偏低");
    for (const auto& [roughness, warns] : {std::pair{"0.7", true}, {"0.72", false}})
        EXPECT_EQ(notes({{eps, roughness}}).find("注意") != std::string::npos, warns) << roughness;
    EXPECT_EQ(notes({{mu, "0.1"}}).find("Re = d·u·ρ/μ = 1500（层流） / λ = 64/Re = 0.0426667 / "), 0u);
}
// clang-format on
