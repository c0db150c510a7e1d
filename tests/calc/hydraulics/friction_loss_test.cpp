#include "calc/hydraulics/friction_loss.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;
using In = calc::PipeRunInput;
using Texts = std::vector<std::string>;
// clang-format off
constexpr auto u = &In::velocity, rho = &In::density, mu = &In::viscosity, eps = &In::roughness, e45 = &In::elbows_45,
    e90 = &In::elbows_90, bend = &In::return_bends, globe = &In::globe_valves, gate = &In::gate_valves,
    check = &In::check_valves, ball = &In::ball_valves, meters = &In::flow_meters;
// The page's default case: 100 mm bore, 1.5 m/s water, 0.5 mm roughness, 60 m with one or two of each fitting; bare.
const In kDefaults{"100", "1.5", "1000", "0.001", "0.5", "60", "1", "2", "1", "1", "1", "1", "1", "1"},
    kBare{"100", "1.5", "1000", "0.001", "0.5", "60", "0", "0", "0", "0", "0", "0", "0", "0"};
const auto run = test::runner(calc::friction_loss, kDefaults), bare = test::runner(calc::friction_loss, kBare);
TEST(FrictionLoss, TableFittingsAndNotes) {
    // Fully rough at Re 150000 and exactly 2000, laminar (roughness unread) at 1500 and just below 2000; Le = L bare,
    // less with a negative count. Refused: Re 0, a smooth pipe, an empty roughness or count, an overflowing length.
    const std::tuple<decltype(run), test::Edits<In>, Texts> cases[] = {
        {run, {}, {"56.510", "5.762"}}, {run, {{mu, "0.1"}}, {"79.440", "8.100"}},
        {run, {{&In::inside_diameter, "1000"}, {u, "2"}, {mu, "1"}}, {"37.224", "3.796"}},
        {run, {{&In::inside_diameter, "1000"}, {u, "2"}, {rho, "999.99"}, {mu, "1"}}, {"71.361", "7.277"}},
        {run, {{mu, "0.1"}, {eps, "abc"}}, {"79.440", "8.100"}}, {bare, {}, {"20.487", "2.089"}},
        {bare, {{meters, "-1"}}, {"6.829", "0.696"}}, {run, {{u, "0"}}, {}}, {run, {{eps, "0"}}, {}},
        {run, {{eps, ""}}, {}}, {run, {{e45, "x"}}, {}}, {run, {{&In::length, "1e308"}, {meters, "1e308"}}, {}},
        // Each fitting alone: 15, 40, 60, 340, 30, 100, 30, 400 bores (gate and check valves differ: not swapped).
        {bare, {{e45, "1"}}, {"20.999", "2.141"}}, {bare, {{e90, "1"}}, {"21.853", "2.228"}},
        {bare, {{bend, "1"}}, {"22.536", "2.298"}}, {bare, {{globe, "1"}}, {"32.096", "3.273"}},
        {bare, {{gate, "1"}}, {"21.511", "2.193"}}, {bare, {{check, "1"}}, {"23.902", "2.437"}},
        {bare, {{ball, "1"}}, {"21.511", "2.193"}}, {bare, {{meters, "1"}}, {"34.145", "3.482"}}};
    for (const auto& [calc, edits, expected] : cases)
        EXPECT_EQ(test::results(calc(edits)).value_or(Texts{}), expected) << test::typed(edits);
    // The warning below the fully rough zone: Re·(ε/d)·√(λ/8) < 70 (46.196 by default, 68.1, exactly 70 and 70.4).
    EXPECT_EQ(test::notes(run({})), "Re = d·u·ρ/μ = 150000（湍流，按完全粗糙区计算） / 1/√λ = 1.74 − 2·lg(2ε/d)，"
        "λ = 0.0303512 / Le = L + Σnᵢ·kᵢ·d = 60 + 105.5 = 165.5 m / hf = λ·(Le/d)·u²/2 = 56.510 J/kg / Hf = hf/g = "
        "5.762 m（g = 9.807 m/s²） / 注意：粗糙度雷诺数 Re·(ε/d)·√(λ/8) = 46.196 < 70，未进入完全粗糙区，λ 偏小，阻力偏低");
    for (const auto& [roughness, warns] : {std::pair{"0.7", true}, {"0.7164090153937708", false}, {"0.72", false}})
        EXPECT_EQ(test::warns(run({{eps, roughness}})), warns) << roughness;
    EXPECT_EQ(test::notes(run({{mu, "0.1"}})).find("Re = d·u·ρ/μ = 1500（层流） / λ = 64/Re = 0.0426667 / "), 0u);
}
