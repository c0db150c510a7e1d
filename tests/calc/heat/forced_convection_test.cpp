#include "calc/heat/forced_convection.h"

#include <gtest/gtest.h>

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
constexpr Field d = &ConvectionInput::diameter;
constexpr Field u = &ConvectionInput::velocity;
constexpr Field rho = &ConvectionInput::density;
constexpr Field mu = &ConvectionInput::viscosity;
constexpr Field cp = &ConvectionInput::specific_heat;
constexpr Field lambda = &ConvectionInput::conductivity;
constexpr Field R = &ConvectionInput::bend_radius;
constexpr Field D = &ConvectionInput::coil_diameter;
constexpr Field L = &ConvectionInput::length;
constexpr Field d1 = &ConvectionInput::inner_diameter;
constexpr Field d2 = &ConvectionInput::outer_diameter;

const std::vector<Case> kCases = {
    // Each shape and heating state with the defaults (turbulent, thin fluid: n enters, f does not).
    {"straight heated", kStraight, kHeated, {}, "4223.422"},
    {"straight cooled", kStraight, kCooled, {}, "3488.556"},
    {"bent heated", kBent, kHeated, {}, "5718.513"},
    {"coil heated", kCoil, kHeated, {}, "6071.169"},
    {"coil cooled", kCoil, kCooled, {}, "5014.799"},
    {"annulus Pr >= 5 heated", kAnnulus, kHeated, {}, "2591.344"},
    {"annulus Pr >= 5 cooled", kAnnulus, kCooled, {}, "2591.344"},
    {"annulus Pr < 5 heated", kAnnulus, kHeated, {{cp, "2000"}}, "1824.498"},
    {"annulus Pr < 5 cooled", kAnnulus, kCooled, {{cp, "2000"}}, "1824.498"},

    // Flow ranges and the viscosity split; f enters the viscous forms and laminar flow, n the thin forms.
    {"turbulent viscous heated", kStraight, kHeated, {{mu, "0.005"}}, "2137.276"},
    {"turbulent viscous cooled", kStraight, kCooled, {{mu, "0.005"}}, "1933.726"},
    {"transition thin heated", kStraight, kHeated, {{u, "0.05"}}, "241.309"},
    {"transition thin cooled", kStraight, kCooled, {{u, "0.05"}}, "199.322"},
    {"transition viscous", kStraight, kHeated, {{u, "0.05"}, {mu, "0.0021"}}, "105.481"},
    {"laminar heated", kStraight, kHeated, {{u, "0.01"}}, "82.473"},
    {"laminar cooled", kStraight, kCooled, {{u, "0.01"}}, "74.619"},
    {"laminar bent", kBent, kHeated, {{u, "0.01"}}, "111.669"},
    {"fluid at rest", kStraight, kHeated, {{u, "0"}}, "0.000"},

    // Closed bounds: Re = 10000 is turbulent, Re = 2300 transition, μ = 0.002 the thin-fluid form.
    {"Re 10000 viscous", kStraight, kHeated, {{u, "0.5"}, {mu, "0.005"}}, "887.490"},
    {"Re 10000 viscous unit values", kStraight, kHeated, {{d, "1"}, {u, "1"}, {rho, "10000"}, {mu, "1"}}, "509.922"},
    {"Re 9999 is transition", kStraight, kHeated, {{d, "1"}, {u, "1"}, {rho, "9999"}, {mu, "1"}}, "490.575"},
    {"Re 10000 mu 0.002 heated", kStraight, kHeated, {{d, "1"}, {u, "1"}, {rho, "20"}, {mu, "0.002"}}, "63.856"},
    {"Re 10000 mu 0.002 cooled", kStraight, kCooled, {{d, "1"}, {u, "1"}, {rho, "20"}, {mu, "0.002"}}, "49.213"},
    {"Re 2300 viscous", kStraight, kHeated, {{d, "1"}, {u, "1"}, {rho, "2300"}, {mu, "1"}}, "73.425"},
    {"Re 2300 mu 0.002", kStraight, kHeated, {{d, "1"}, {u, "1"}, {rho, "4.6"}, {mu, "0.002"}}, "9.195"},
    {"Re 2299 is laminar", kStraight, kHeated, {{d, "1"}, {u, "1"}, {rho, "2299"}, {mu, "1"}}, "226.788"},
    {"transition mu 0.002 heated", kStraight, kHeated, {{u, "0.05"}, {mu, "0.002"}}, "113.950"},
    {"transition mu 0.002 cooled", kStraight, kCooled, {{u, "0.05"}, {mu, "0.002"}}, "87.820"},

    // Fields a branch never reads may hold any text.
    {"straight ignores R, D, d1, d2", kStraight, kHeated, {{R, ""}, {D, "abc"}, {d1, "x"}, {d2, ""}}, "4223.422"},
    {"turbulent ignores L", kStraight, kHeated, {{L, ""}}, "4223.422"},
    {"bent ignores D, d1, d2", kBent, kHeated, {{D, ""}, {d1, ""}, {d2, ""}}, "5718.513"},
    {"coil ignores R, d1, d2", kCoil, kHeated, {{R, ""}, {d1, ""}, {d2, ""}}, "6071.169"},
    {"annulus ignores R, D, L", kAnnulus, kHeated, {{R, ""}, {D, ""}, {L, ""}}, "2591.344"},
    {"blanks around a number", kStraight, kHeated, {{d, " 0.1 "}}, "4223.422"},

    // Failures.
    {"mu 0", kStraight, kHeated, {{mu, "0"}}, kFails},
    {"lambda 0", kStraight, kHeated, {{lambda, "0"}}, kFails},
    {"negative velocity", kStraight, kHeated, {{u, "-1.5"}}, kFails},
    {"negative density", kStraight, kHeated, {{rho, "-1000"}}, kFails},
    {"L 0 in laminar flow", kStraight, kHeated, {{u, "0.01"}, {L, "0"}}, kFails},
    {"L empty in laminar flow", kStraight, kHeated, {{u, "0.01"}, {L, ""}}, kFails},
    {"annulus still fails on L in laminar flow", kAnnulus, kHeated, {{u, "0.01"}, {L, ""}}, kFails},
    {"R 0 with the bend", kBent, kHeated, {{R, "0"}}, kFails},
    {"R empty with the bend", kBent, kHeated, {{R, ""}}, kFails},
    {"D 0 with the coil", kCoil, kHeated, {{D, "0"}}, kFails},
    {"d1 0 with the annulus", kAnnulus, kHeated, {{d1, "0"}}, kFails},
    {"d2 empty with the annulus", kAnnulus, kHeated, {{d2, ""}}, kFails},
    {"negative diameter ratio", kAnnulus, kHeated, {{d2, "-0.1"}}, kFails},
    {"empty diameter", kStraight, kHeated, {{d, ""}}, kFails},
    {"text for a density", kStraight, kHeated, {{rho, "abc"}}, kFails},
    {"text for a specific heat", kAnnulus, kHeated, {{cp, "1.2.3"}}, kFails},
    {"overflowing Re", kStraight, kHeated, {{rho, "1e308"}, {u, "1e10"}}, kFails},
};

TEST(ForcedConvection, Table) {
    for (const Case& c : kCases) {
        ConvectionInput in = defaults(c.shape, c.heated);
        for (const auto& [field, text] : c.edits) in.*field = text;
        EXPECT_EQ(convection_film_coefficient(in), c.shows) << c.what;
    }
}

}  // namespace
}  // namespace vxr::calc
