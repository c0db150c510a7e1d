#include "calc/heat/forced_convection.h"

#include <gtest/gtest.h>

#include "calc/outcome_support.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vxr::calc {
namespace {

using Field = std::string ConvectionInput::*;
using Edits = std::vector<std::pair<Field, const char*>>;

// The page's default texts: water at 1.5 m/s in a 0.1 m pipe, Re = 150000, Pr = 6.76.
ConvectionInput defaults(PipeShape shape, bool heated) {
    return {.diameter = "0.1",
            .velocity = "1.5",
            .density = "1000",
            .viscosity = "0.001",
            .specific_heat = "4180",
            .conductivity = "0.618",
            .bend_radius = "0.5",
            .coil_diameter = "0.8",
            .length = "2",
            .inner_diameter = "0.15",
            .outer_diameter = "0.1",
            .shape = shape,
            .heated = heated};
}

struct Case {
    const char* what;
    PipeShape shape;
    bool heated;
    Edits edits;
    std::optional<std::string> shows;  // nothing: the data-check failure
};

constexpr auto kStraight = PipeShape::Straight;
constexpr auto kBent = PipeShape::Bent;
constexpr auto kCoil = PipeShape::Coil;
constexpr auto kAnnulus = PipeShape::Annulus;
constexpr bool kHeated = true;
constexpr bool kCooled = false;
const auto kFails = std::nullopt;

// Fields named by what they hold.
// clang-format off
constexpr Field d = &ConvectionInput::diameter, u = &ConvectionInput::velocity, rho = &ConvectionInput::density;
constexpr Field mu = &ConvectionInput::viscosity, cp = &ConvectionInput::specific_heat;
constexpr Field lambda = &ConvectionInput::conductivity, R = &ConvectionInput::bend_radius;
constexpr Field D = &ConvectionInput::coil_diameter, L = &ConvectionInput::length;
constexpr Field d1 = &ConvectionInput::inner_diameter, d2 = &ConvectionInput::outer_diameter;
// clang-format on

const std::vector<Case> kCases = {
    // Each shape and heating state with the defaults (turbulent, thin fluid: n enters, f does not).
    {"straight heated", kStraight, kHeated, {}, "4223.422"},
    {"straight cooled", kStraight, kCooled, {}, "3488.556"},
    {"bent heated", kBent, kHeated, {}, "5718.513"},
    {"coil cooled", kCoil, kCooled, {}, "5014.799"},
    {"annulus Pr >= 5", kAnnulus, kCooled, {}, "2591.344"},
    {"annulus Pr < 5", kAnnulus, kHeated, {{cp, "2000"}}, "1824.498"},
    // Pr exactly 5 takes the Pr ≥ 5 form of the annulus.
    {"annulus Pr 5", kAnnulus, kHeated, {{cp, "5000"}, {lambda, "1"}}, "3795.201"},

    // Flow ranges and the viscosity split; f enters the viscous forms and laminar flow, n the thin forms.
    {"turbulent viscous heated", kStraight, kHeated, {{mu, "0.005"}}, "2137.276"},
    {"turbulent viscous cooled", kStraight, kCooled, {{mu, "0.005"}}, "1933.726"},
    {"transition thin cooled", kStraight, kCooled, {{u, "0.05"}}, "199.322"},
    {"laminar cooled", kStraight, kCooled, {{u, "0.01"}}, "74.619"},
    {"laminar bent", kBent, kHeated, {{u, "0.01"}}, "111.669"},

    // Closed bounds: Re = 10000 is turbulent, Re = 2300 transition, μ = 0.002 the thin-fluid form.
    {"Re 10000 viscous", kStraight, kHeated, {{d, "1"}, {u, "1"}, {rho, "10000"}, {mu, "1"}}, "509.922"},
    {"Re 9999 is transition", kStraight, kHeated, {{d, "1"}, {u, "1"}, {rho, "9999"}, {mu, "1"}}, "490.575"},
    {"Re 10000 mu 0.002", kStraight, kCooled, {{d, "1"}, {u, "1"}, {rho, "20"}, {mu, "0.002"}}, "49.213"},
    {"Re 2300 viscous", kStraight, kHeated, {{d, "1"}, {u, "1"}, {rho, "2300"}, {mu, "1"}}, "73.425"},
    {"Re 2299 is laminar", kStraight, kHeated, {{d, "1"}, {u, "1"}, {rho, "2299"}, {mu, "1"}}, "226.788"},

    // Fields a branch never reads may hold any text.
    {"straight ignores R, D, d1, d2, L",
     kStraight,
     kHeated,
     {{R, ""}, {D, "a"}, {d1, "x"}, {d2, ""}, {L, ""}},
     "4223.422"},
    {"annulus ignores R, D, L", kAnnulus, kCooled, {{R, ""}, {D, ""}, {L, ""}}, "2591.344"},

    // Failures.
    {"mu 0", kStraight, kHeated, {{mu, "0"}}, kFails},
    {"L empty in laminar flow", kStraight, kHeated, {{u, "0.01"}, {L, ""}}, kFails},
    {"annulus still fails on L in laminar flow", kAnnulus, kHeated, {{u, "0.01"}, {L, ""}}, kFails},
    {"R 0 with the bend", kBent, kHeated, {{R, "0"}}, kFails},
    {"D 0 with the coil", kCoil, kHeated, {{D, "0"}}, kFails},
    {"d1 0 with the annulus", kAnnulus, kHeated, {{d1, "0"}}, kFails},
    {"negative diameter ratio", kAnnulus, kHeated, {{d2, "-0.1"}}, kFails},
    {"text for a specific heat", kAnnulus, kHeated, {{cp, "1.2.3"}}, kFails},
    {"overflowing Re", kStraight, kHeated, {{rho, "1e308"}, {u, "1e10"}}, kFails},
};

TEST(ForcedConvection, Table) {
    for (const Case& c : kCases) {
        ConvectionInput in = defaults(c.shape, c.heated);
        for (const auto& [field, text] : c.edits) in.*field = text;
        EXPECT_EQ(test::shown(convection_film_coefficient(in)), c.shows) << c.what;
    }
}

// The notes: Re with its range, Pr, the form that applied, and the warnings at their bounds.
TEST(ForcedConvection, Notes) {
    const std::vector<std::pair<Edits, std::string>> cases = {
        {{},
         "Re = 150000（湍流）  Pr = 6.76375 / α = 0.023·(λ/d)·Re^0.8·Pr^0.4 = 4223.422 W/(m²·℃) / "
         "注意：L/d = 20 < 60，未计入进口段影响"},
        {{{L, "6"}}, "Re = 150000（湍流）  Pr = 6.76375 / α = 0.023·(λ/d)·Re^0.8·Pr^0.4 = 4223.422 W/(m²·℃)"},
        {{{L, "5.99"}, {cp, "16000"}},  // Pr 25.9, L/d just under 60
         "Re = 150000（湍流）  Pr = 25.89 / α = 0.023·(λ/d)·Re^0.8·Pr^0.4 = 7225.068 W/(m²·℃) / "
         "注意：L/d = 59.9 < 60，未计入进口段影响"},
        {{{L, "x"}, {cp, "98880"}},  // Pr 160 is inside the thin-fluid range; a length that is no number: no warning
         "Re = 150000（湍流）  Pr = 160 / α = 0.023·(λ/d)·Re^0.8·Pr^0.4 = 14970.535 W/(m²·℃)"},
        {{{L, "x"}, {cp, "98890"}},
         "Re = 150000（湍流）  Pr = 160.016 / α = 0.023·(λ/d)·Re^0.8·Pr^0.4 = 14971.140 W/(m²·℃) / "
         "注意：Pr = 160.016 超出关联式适用范围 0.7～160"},
        {{{u, "0.01"}},
         "Re = 1000（层流）  Pr = 6.76375 / α = 1.86·Re^0.33·Pr^0.33·(d/L)^0.33·1.05·(λ/d) = 82.473 W/(m²·℃)"},
        {{{mu, "0.005"}, {L, "60"}, {cp, "17000"}},  // viscous form: Pr 137.5, inside its wider range
         "Re = 30000（湍流）  Pr = 137.54 / α = 0.027·(λ/d)·Re^0.8·Pr^0.33·1.05 = 3395.632 W/(m²·℃)"},
    };
    for (const auto& [edits, expected] : cases) {
        ConvectionInput in = defaults(kStraight, kHeated);
        for (const auto& [field, text] : edits) in.*field = text;
        EXPECT_EQ(test::notes(convection_film_coefficient(in)), expected);
    }
}

}  // namespace
}  // namespace vxr::calc
