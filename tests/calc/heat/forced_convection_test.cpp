// Forced convection: each shape heated and cooled, the flow-range bounds, fields a branch never reads, refusals,
// every warning bound on both sides, and the notes.
#include <tuple>

#include "calc/case_support.h"

namespace vxr::test {
namespace {

TEST(ForcedConvection, WorkedCases) {
    expect_shown(
        "convection",
        {{"defaults: water at 1.5 m/s in 0.1 m, straight, heated: Re 150000, Pr 6.76", {}, "4223.422"},
         {"cooled", {{"Option2", "1"}}, "3488.556"},
         {"bent", {{"Option4", "1"}}, "5718.513"},
         {"coil", {{"Option5", "1"}}, "6071.169"},
         {"coil, cooled", {{"Option5", "1"}, {"Option2", "1"}}, "5014.799"},
         {"annulus, heated", {{"Option6", "1"}}, "2591.344"},
         {"annulus, cooled alike", {{"Option6", "1"}, {"Option2", "1"}}, "2591.344"},
         {"annulus, Pr 3.24", {{"Option6", "1"}, {"Text65", "2000"}}, "1824.498"},
         {"annulus, Pr 4.999: the Pr < 5 form", {{"Option6", "1"}, {"Text64", "1"}, {"Text65", "4999"}}, "3717.415"},
         {"annulus, Pr 5: the Pr ≥ 5 form", {{"Option6", "1"}, {"Text64", "1"}, {"Text65", "5000"}}, "3795.201"},
         {"viscous, Re 30000", {{"Text66", "0.005"}}, "2137.276"},
         {"viscous, cooled", {{"Text66", "0.005"}, {"Option2", "1"}}, "1933.726"},
         {"transition, Re 5000", {{"Text63", "0.05"}}, "241.309"},
         {"transition, cooled", {{"Text63", "0.05"}, {"Option2", "1"}}, "199.322"},
         {"laminar, Re 1000", {{"Text63", "0.01"}}, "82.473"},
         {"laminar, cooled", {{"Text63", "0.01"}, {"Option2", "1"}}, "74.619"},
         {"laminar, bent", {{"Text63", "0.01"}, {"Option4", "1"}}, "111.669"}});
}

// Re = ρ/μ in a 1 m pipe at 1 m/s (Pr 6764). The ranges close downwards: Re 10000 is turbulent, 2300 transition;
// μ = 0.002 Pa·s still takes the thin-fluid form, a hair more the viscous one.
TEST(ForcedConvection, FlowRangeBounds) {
    const auto re = [](const char* rho, const char* mu) {
        return Typed{{"Text59", "1"}, {"Text63", "1"}, {"Text67", rho}, {"Text66", mu}};
    };
    expect_shown("convection", {{"Re 10000", re("10000", "1"), "509.922"},
                                {"Re 9999", re("9999", "1"), "490.575"},
                                {"Re 2300", re("2300", "1"), "73.425"},
                                {"Re 2299", re("2299", "1"), "226.788"},
                                {"Re 10000, μ 0.002", re("20", "0.002"), "63.856"},
                                {"μ 0.002 at Re 75000", {{"Text66", "0.002"}}, "3200.755"},
                                {"μ 0.0020001 at Re 74996", {{"Text66", "0.0020001"}}, "3287.625"}});
}

// Each shape finishes with the other shapes' fields blank and names its own; the straight pipe's α is computed for
// the annulus too, its failures with it.
TEST(ForcedConvection, FieldsReadAndRefusals) {
    const std::string none = "请仔细核对数据！ @ none", named = "请仔细核对数据！ @ ";
    expect_shown(
        "convection",
        {{"straight", {{"Text62", ""}, {"Text61", "a"}, {"Text60", "x"}, {"Text58", ""}, {"Text57", ""}}, "4223.422"},
         {"bent", {{"Option4", "1"}, {"Text61", ""}, {"Text60", ""}, {"Text58", ""}}, "5718.513"},
         {"coil", {{"Option5", "1"}, {"Text62", ""}, {"Text60", ""}, {"Text58", ""}}, "6071.169"},
         {"annulus", {{"Option6", "1"}, {"Text62", ""}, {"Text61", ""}, {"Text57", ""}}, "2591.344"},
         {"no viscosity", {{"Text66", "0"}}, none},
         {"no conductivity", {{"Text64", "0"}}, none},
         {"a negative velocity: a negative Re to the power 0.33", {{"Text63", "-1.5"}}, none},
         {"an annulus of negative d₂", {{"Option6", "1"}, {"Text58", "-0.1"}}, none},
         {"an overflow", {{"Text67", "1e308"}, {"Text63", "1e10"}}, none},
         {"laminar with no length", {{"Text63", "0.01"}, {"Text57", ""}}, named + "Text57"},
         {"a laminar annulus with no length", {{"Option6", "1"}, {"Text63", "0.01"}, {"Text57", ""}}, named + "Text57"},
         {"the annulus's specific heat", {{"Option6", "1"}, {"Text65", "1.2.3"}}, named + "Text65"},
         {"the bend's radius", {{"Option4", "1"}, {"Text62", ""}}, named + "Text62"},
         {"the coil's diameter", {{"Option5", "1"}, {"Text61", ""}}, named + "Text61"},
         {"the annulus's d₁", {{"Option6", "1"}, {"Text60", ""}}, named + "Text60"},
         {"the annulus's d₂", {{"Option6", "1"}, {"Text58", ""}}, named + "Text58"}});
}

// The turbulent and transition forms warn past each bound, not at it: L/d 60; Pr 0.7 and 160 for the thin-fluid
// form; Pr 16700 for the viscous one (a heavy oil at Re 9000, L/d 60), the annulus held to 160. Laminar never warns.
TEST(ForcedConvection, WarningsAtTheirBounds) {
    const auto oil = [](const char* cp, bool annulus = false) {
        Typed t{{"Text59", "1"},    {"Text63", "10"}, {"Text67", "900"}, {"Text66", "1"},
                {"Text64", "0.12"}, {"Text57", "60"}, {"Text65", cp}};
        if (annulus) t.push_back({"Option6", "1"});
        return t;
    };
    const auto air = [](const char* cp) {
        return Typed{{"Text57", "6"}, {"Text66", "0.0007"}, {"Text64", "0.5"}, {"Text65", cp}};
    };
    const std::tuple<const char*, Typed, const char*> rows[] = {
        {"L/d 60", {{"Text57", "6"}}, "Re, α"},
        {"L/d 59.999", {{"Text57", "5.9999"}}, "Re, α, 注意：L/d"},
        {"a length that is no number: no L/d check", {{"Text57", "x"}}, "Re, α"},
        {"laminar, L/d 20", {{"Text63", "0.01"}}, "Re, α"},
        {"Pr 160", {{"Text57", "6"}, {"Text65", "98880"}}, "Re, α"},
        {"Pr 160.002", {{"Text57", "6"}, {"Text65", "98881"}}, "Re, α, 注意：Pr"},
        {"Pr 0.7", air("500"), "Re, α"},
        {"Pr 0.69986", air("499.9"), "Re, α, 注意：Pr"},
        {"oil, Pr 16700", oil("2004"), "Re, α"},
        {"oil, Pr 16700.1", oil("2004.01"), "Re, α, 注意：Pr"},
        {"oil in the annulus, Pr 16700", oil("2004", true), "Re, α, 圆环隙 (d₂/d₁)^0.53, 注意：Pr"}};
    for (const auto& [name, typed, heads] : rows) EXPECT_EQ(outline(run("convection", typed)), heads) << name;
    EXPECT_EQ(notes(run("convection", oil("2004.01"))).back(), "注意：Pr = 16700.1 超出关联式适用范围 0.7～16700");
    EXPECT_EQ(notes(run("convection", air("499.9"))).back(), "注意：Pr = 0.69986 超出关联式适用范围 0.7～160");
}

TEST(ForcedConvection, NotesOutline) {
    EXPECT_EQ(outline(run("convection")), "Re, α, 注意：L/d");
    EXPECT_EQ(notes(run("convection")), (std::vector<std::string>{"Re = 150000（湍流）  Pr = 6.76375",
                                                                  "α = 0.023·(λ/d)·Re^0.8·Pr^0.4 = 4223.422 W/(m²·℃)",
                                                                  "注意：L/d = 20 < 60，未计入进口段影响"}));
    // The laminar and the viscous forms, which carry f; the thin form carries n.
    EXPECT_EQ(notes(run("convection", {{"Text63", "0.01"}})).at(1),
              "α = 1.86·Re^0.33·Pr^0.33·(d/L)^0.33·1.05·(λ/d) = 82.473 W/(m²·℃)");
    EXPECT_EQ(notes(run("convection", {{"Text66", "0.005"}, {"Option2", "1"}})).at(1),
              "α = 0.027·(λ/d)·Re^0.8·Pr^0.33·0.95 = 1933.726 W/(m²·℃)");
}

}  // namespace
}  // namespace vxr::test
