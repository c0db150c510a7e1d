// Friction loss of a pipe run: worked cases, the laminar/fully-rough boundary, each fitting, failures and notes.
#include "calc/hydraulics/friction_loss.h"

#include <gtest/gtest.h>

#include <functional>

#include "calc/outcome_support.h"

namespace vxr::calc {
namespace {

using In = PipeRunInput;

// The page's default case: 100 mm bore, 1.5 m/s water, 0.5 mm roughness, 60 m with one or two of each fitting.
In defaults() {
    return {"100", "1.5", "1000", "0.001", "0.5", "60", "1", "2", "1", "1", "1", "1", "1", "1"};
}

void no_fittings(In& r) {
    for (const FittingKind& k : kFittings) r.*k.count = "0";
}

TEST(FrictionLoss, Table) {
    struct Case {
        const char* name;
        std::function<void(In&)> change;
        std::vector<std::string> shows;  // empty: refused
    };
    const Case cases[] = {
        {"defaults, Re 150000, fully rough", [](In&) {}, {"56.510", "5.762"}},
        {"viscous, Re 1500, laminar", [](In& r) { r.viscosity = "0.1"; }, {"79.440", "8.100"}},
        {"Re exactly 2000 is fully rough",
         [](In& r) { r.inside_diameter = "1000", r.velocity = "2", r.viscosity = "1"; },
         {"37.224", "3.796"}},
        {"Re just below 2000 is laminar",
         [](In& r) { r.inside_diameter = "1000", r.velocity = "2", r.density = "999.99", r.viscosity = "1"; },
         {"71.361", "7.277"}},
        {"no fittings: Le = L", no_fittings, {"20.487", "2.089"}},
        {"a negative flow meter takes length away",
         [](In& r) { no_fittings(r), r.flow_meters = "-1"; },
         {"6.829", "0.696"}},
        {"laminar flow never reads the roughness",
         [](In& r) { r.viscosity = "0.1", r.roughness = "abc"; },
         {"79.440", "8.100"}},
        {"zero velocity: Re 0, 64/0", [](In& r) { r.velocity = "0"; }, {}},
        {"smooth pipe in turbulent flow", [](In& r) { r.roughness = "0"; }, {}},
        {"empty roughness in turbulent flow", [](In& r) { r.roughness = ""; }, {}},
        {"text count", [](In& r) { r.elbows_45 = "x"; }, {}},
        {"overflowing length", [](In& r) { r.length = "1e308", r.flow_meters = "1e308"; }, {}},
    };
    for (const auto& c : cases) {
        In run = defaults();
        c.change(run);
        EXPECT_EQ(test::texts(friction_loss(run)), c.shows) << c.name;
    }
}

// Each fitting alone, one of it: 15, 40, 60, 340, 30, 100, 30, 400 bores. The gate and ball valves share a length;
// the check valve's differs from the gate valve's, so swapping those two counts changes the loss.
TEST(FrictionLoss, AddsEachFittingsEquivalentLength) {
    const std::pair<std::string In::*, const char*> cases[] = {
        {&In::elbows_45, "20.999"},    {&In::elbows_90, "21.853"},   {&In::return_bends, "22.536"},
        {&In::globe_valves, "32.096"}, {&In::gate_valves, "21.511"}, {&In::check_valves, "23.902"},
        {&In::ball_valves, "21.511"},  {&In::flow_meters, "34.145"},
    };
    for (const auto& [count, expected] : cases) {
        In run = defaults();
        no_fittings(run);
        run.*count = "1";
        EXPECT_EQ(test::shown(friction_loss(run)), expected) << expected;
    }
}

// The notes, and the warning below the fully rough zone: Re·(ε/d)·√(λ/8) < 70 (the defaults give 46.196).
TEST(FrictionLoss, Notes) {
    In run = defaults();
    EXPECT_EQ(test::notes(friction_loss(run)),
              "Re = d·u·ρ/μ = 150000（湍流，按完全粗糙区计算） / 1/√λ = 1.74 − 2·lg(2ε/d)，λ = 0.0303512 / "
              "Le = L + Σnᵢ·kᵢ·d = 60 + 105.5 = 165.5 m / hf = λ·(Le/d)·u²/2 = 56.510 J/kg / "
              "Hf = hf/g = 5.762 m（g = 9.807 m/s²） / "
              "注意：粗糙度雷诺数 Re·(ε/d)·√(λ/8) = 46.196 < 70，未进入完全粗糙区，λ 偏小，阻力偏低");
    const std::pair<const char*, bool> bounds[] = {{"0.7", true}, {"0.72", false}, {"0.8", false}};  // 68.1, 70.4
    for (const auto& [roughness, warns] : bounds) {
        run.roughness = roughness;
        EXPECT_EQ(test::notes(friction_loss(run)).find("注意") != std::string::npos, warns) << roughness;
    }
    run.viscosity = "0.1";
    EXPECT_EQ(test::notes(friction_loss(run)).find("Re = d·u·ρ/μ = 1500（层流） / λ = 64/Re = 0.0426667 / "), 0u);
}

}  // namespace
}  // namespace vxr::calc
