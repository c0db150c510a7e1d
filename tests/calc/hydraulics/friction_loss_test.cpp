// Friction loss of a pipe run: worked cases, the laminar/fully-rough boundary, fitting lengths and failures.
#include "calc/hydraulics/friction_loss.h"

#include <gtest/gtest.h>

#include <functional>

namespace vxr::calc {
namespace {

// The page's default case: 100 mm bore, 1.5 m/s water, 0.5 mm roughness, 60 m with one or two of each fitting.
PipeRunInput defaults() {
    return {"100", "1.5", "1000", "0.001", "0.5", "60", {"1", "2", "1", "1", "1", "1", "1", "1"}};
}

PipeRunInput with(const std::function<void(PipeRunInput&)>& change) {
    PipeRunInput run = defaults();
    change(run);
    return run;
}

void all_counts(PipeRunInput& r, const char* n) {
    for (auto& c : r.fittings) c = n;
}

struct Case {
    const char* name;
    std::function<void(PipeRunInput&)> change;
    const char* per_mass;
    const char* head;
};

TEST(FrictionLoss, ComputesWorkedCases) {
    const Case cases[] = {
        {"defaults, Re 150000, fully rough", [](PipeRunInput&) {}, "56.510", "5.762"},
        {"viscous, Re 1500, laminar", [](PipeRunInput& r) { r.viscosity = "0.1"; }, "79.440", "8.100"},
        {"Re exactly 2000 is fully rough",
         [](PipeRunInput& r) { r.inside_diameter = "1000", r.velocity = "2", r.density = "1000", r.viscosity = "1"; },
         "37.224", "3.796"},
        {"Re just below 2000 is laminar",
         [](PipeRunInput& r) { r.inside_diameter = "1000", r.velocity = "2", r.density = "999.99", r.viscosity = "1"; },
         "71.361", "7.277"},
        {"no fittings: Le = L", [](PipeRunInput& r) { all_counts(r, "0"); }, "20.487", "2.089"},
        {"one of each fitting", [](PipeRunInput& r) { all_counts(r, "1"); }, "55.144", "5.623"},
        {"half a 45° elbow", [](PipeRunInput& r) { all_counts(r, "0"), r.fittings[0] = "0.5"; }, "20.743", "2.115"},
        {"a negative flow meter takes length away", [](PipeRunInput& r) { all_counts(r, "0"), r.fittings[7] = "-1"; },
         "6.829", "0.696"},
        {"finer roughness", [](PipeRunInput& r) { r.roughness = "0.05"; }, "31.079", "3.169"},
        {"negative velocity: laminar, negative loss", [](PipeRunInput& r) { r.velocity = "-1.5"; }, "-0.794", "-0.081"},
        {"blanks around numbers", [](PipeRunInput& r) { r.inside_diameter = " 100 ", r.length = "60 "; }, "56.510",
         "5.762"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto loss = friction_loss(with(c.change));
        ASSERT_TRUE(loss.has_value());
        EXPECT_EQ(loss->per_mass, c.per_mass);
        EXPECT_EQ(loss->head, c.head);
    }
}

// Each fitting alone, one of it: the equivalent lengths 15, 40, 60, 340, 30, 100, 30, 400 bores in counting order.
TEST(FrictionLoss, AddsEachFittingsEquivalentLength) {
    const char* expected[kFittingKinds] = {"20.999", "21.853", "22.536", "32.096",
                                           "21.511", "23.902", "21.511", "34.145"};
    for (std::size_t i = 0; i < kFittingKinds; ++i) {
        SCOPED_TRACE(i);
        const auto loss = friction_loss(with([i](PipeRunInput& r) { all_counts(r, "0"), r.fittings[i] = "1"; }));
        ASSERT_TRUE(loss.has_value());
        EXPECT_EQ(loss->per_mass, expected[i]);
    }
}

// Laminar flow never reads the roughness: whatever its field holds, the laminar result stands.
TEST(FrictionLoss, LaminarFlowIgnoresRoughness) {
    for (const char* roughness : {"", "abc", "0", "-1", "1e999"}) {
        SCOPED_TRACE(roughness);
        const auto loss = friction_loss(with([&](PipeRunInput& r) { r.viscosity = "0.1", r.roughness = roughness; }));
        ASSERT_TRUE(loss.has_value());
        EXPECT_EQ(loss->per_mass, "79.440");
        EXPECT_EQ(loss->head, "8.100");
    }
}

TEST(FrictionLoss, RefusesDataItCannotCompute) {
    const std::pair<const char*, std::function<void(PipeRunInput&)>> cases[] = {
        {"zero velocity: Re 0, 64/0", [](PipeRunInput& r) { r.velocity = "0"; }},
        {"zero diameter", [](PipeRunInput& r) { r.inside_diameter = "0"; }},
        {"zero density", [](PipeRunInput& r) { r.density = "0"; }},
        {"zero viscosity", [](PipeRunInput& r) { r.viscosity = "0"; }},
        {"smooth pipe in turbulent flow", [](PipeRunInput& r) { r.roughness = "0"; }},
        {"negative roughness in turbulent flow", [](PipeRunInput& r) { r.roughness = "-0.5"; }},
        {"empty roughness in turbulent flow", [](PipeRunInput& r) { r.roughness = ""; }},
        {"empty diameter", [](PipeRunInput& r) { r.inside_diameter = ""; }},
        {"text velocity", [](PipeRunInput& r) { r.velocity = "abc"; }},
        {"text density", [](PipeRunInput& r) { r.density = "1.2.3"; }},
        {"empty viscosity", [](PipeRunInput& r) { r.viscosity = ""; }},
        {"empty length", [](PipeRunInput& r) { r.length = ""; }},
        {"text first count", [](PipeRunInput& r) { r.fittings[0] = "x"; }},
        {"empty last count", [](PipeRunInput& r) { r.fittings[7] = ""; }},
        {"overflowing length", [](PipeRunInput& r) { r.length = "1e308", r.fittings[7] = "1e308"; }},
    };
    for (const auto& [name, change] : cases) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(friction_loss(with(change)).has_value());
    }
}

}  // namespace
}  // namespace vxr::calc
