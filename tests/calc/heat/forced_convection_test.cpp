// Forced convection: each shape heated and cooled, the flow-range bounds, the fields each branch reads, refusals,
// every warning bound on both sides, and the notes.
#include <tuple>

#include "calc/case_support.h"

namespace vxr::test {

// The bent pipe, the coil and the heated annulus; each shape finishes with the other shapes' fields blank; the
// straight pipe's α is computed for the annulus too, its failures with it. Then Re = ρ/μ in a 1 m pipe at 1 m/s:
// the ranges close downwards (Re 10000 is turbulent, 2300 transition; μ = 0.002 Pa·s still takes the thin-fluid
// form, a hair more the viscous one).
TEST(ForcedConvection, WorkedCasesFlowRangesAndRefusals) {
    const std::string none = "请仔细核对数据！ @ none", named = "请仔细核对数据！ @ ";
    expect_shown(
        "convection",
        {{"cooled", {{"Option2", "1"}}, "3488.556"},
         {"annulus, cooled alike", {{"Option6", "1"}, {"Option2", "1"}}, "2591.344"},
         {"annulus, Pr 4.999: the Pr < 5 form", {{"Option6", "1"}, {"Text64", "1"}, {"Text65", "4999"}}, "3717.415"},
         {"annulus, Pr 5: the Pr ≥ 5 form", {{"Option6", "1"}, {"Text64", "1"}, {"Text65", "5000"}}, "3795.201"},
         {"viscous, Re 30000", {{"Text66", "0.005"}}, "2137.276"},
         {"viscous, cooled", {{"Text66", "0.005"}, {"Option2", "1"}}, "1933.726"},
         {"transition, Re 5000", {{"Text63", "0.05"}}, "241.309"},
         {"laminar, Re 1000", {{"Text63", "0.01"}}, "82.473"},
         {"laminar, cooled", {{"Text63", "0.01"}, {"Option2", "1"}}, "74.619"},
         {"straight", {{"Text62", ""}, {"Text61", "a"}, {"Text60", "x"}, {"Text58", ""}, {"Text57", ""}}, "4223.422"},
         {"bent", {{"Option4", "1"}, {"Text61", ""}, {"Text60", ""}, {"Text58", ""}}, "5718.513"},
         {"coil", {{"Option5", "1"}, {"Text62", ""}, {"Text60", ""}, {"Text58", ""}}, "6071.169"},
         {"annulus", {{"Option6", "1"}, {"Text62", ""}, {"Text61", ""}, {"Text57", ""}}, "2591.344"},
         {"no viscosity", {{"Text66", "0"}}, none},
         {"a negative velocity: a negative Re to the power 0.33", {{"Text63", "-1.5"}}, none},
         {"an annulus of negative d₂", {{"Option6", "1"}, {"Text58", "-0.1"}}, none},
         {"an overflow", {{"Text67", "1e308"}, {"Text63", "1e10"}}, none},
         {"laminar with no length", {{"Text63", "0.01"}, {"Text57", ""}}, named + "Text57"},
         {"a laminar annulus with no length", {{"Option6", "1"}, {"Text63", "0.01"}, {"Text57", ""}}, named + "Text57"},
         {"the annulus's specific heat", {{"Option6", "1"}, {"Text65", "1.2.3"}}, named + "Text65"}});
    const char* rows[][3] = {{"10000", "1", "509.922"},      {"9999", "1", "490.575"},  {"2300", "1", "73.425"},
                             {"2299", "1", "226.788"},       {"20", "0.002", "63.856"}, {"150", "0.002", "320.076"},
                             {"150", "0.0020001", "328.762"}};
    for (const auto& [rho, mu, alpha] : rows)
        EXPECT_EQ(shown(run("convection", {{"Text59", "1"}, {"Text63", "1"}, {"Text67", rho}, {"Text66", mu}})), alpha)
            << "ρ " << rho << ", μ " << mu;
}

// The turbulent and transition forms warn past each bound, not at it: L/d 60; Pr 0.7 and 160 for the thin-fluid
// form; Pr 16700 for the viscous one (a heavy oil at Re 9000, L/d 60), the annulus held to 160. Laminar never warns.
TEST(ForcedConvection, NotesAndWarnings) {
    const auto oil = [](const char* cp, const char* shape = "Option3") {
        return Typed{{"Text59", "1"},    {"Text63", "10"}, {"Text67", "900"}, {"Text66", "1"},
                     {"Text64", "0.12"}, {"Text57", "60"}, {"Text65", cp},    {shape, "1"}};
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
        {"oil in the annulus, Pr 16700", oil("2004", "Option6"), "Re, α, 圆环隙 (d₂/d₁)^0.53, 注意：Pr"},
        {"bent", {{"Option4", "1"}}, "Re, α, 弯管校正系数 1 + 1.77·d/R, 注意：L/d"}};
    for (const auto& [name, typed, heads] : rows) EXPECT_EQ(outline(run("convection", typed)), heads) << name;
    EXPECT_EQ(notes(run("convection", oil("2004.01"))).back(), "注意：Pr = 16700.1 超出关联式适用范围 0.7～16700");
    EXPECT_EQ(notes(run("convection", air("499.9"))).back(), "注意：Pr = 0.69986 超出关联式适用范围 0.7～160");
    EXPECT_EQ(notes(run("convection")), (std::vector<std::string>{"Re = 150000（湍流）  Pr = 6.76375",
                                                                  "α = 0.023·(λ/d)·Re^0.8·Pr^0.4 = 4223.422 W/(m²·℃)",
                                                                  "注意：L/d = 20 < 60，未计入进口段影响"}));
    // The laminar and the viscous forms carry f, the thin form n.
    EXPECT_EQ(notes(run("convection", {{"Text63", "0.01"}})).at(1),
              "α = 1.86·Re^0.33·Pr^0.33·(d/L)^0.33·1.05·(λ/d) = 82.473 W/(m²·℃)");
    EXPECT_EQ(notes(run("convection", {{"Text66", "0.005"}, {"Option2", "1"}})).at(1),
              "α = 0.027·(λ/d)·Re^0.8·Pr^0.33·0.95 = 1933.726 W/(m²·℃)");
}

}  // namespace vxr::test
