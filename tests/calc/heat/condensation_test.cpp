#include "calc/heat/condensation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vxr::calc {
namespace {

using Field = std::string CondensationInput::*;
using Edits = std::vector<std::pair<Field, const char*>>;

// The page's default texts: steam at 150 ℃ on a wall at 120 ℃.
CondensationInput defaults(CondensingSurface surface) {
    return {.condensate_density = "1000",
            .vapour_density = "0.001",
            .angle = "90",
            .latent_heat = "1000",
            .conductivity = "0.618",
            .viscosity = "0.001",
            .length = "3",
            .saturation_temperature = "150",
            .wall_temperature = "120",
            .specific_heat = "4180",
            .outside_diameter = "0.108",
            .inside_diameter = "0.1",
            .surface = surface};
}

struct Case {
    const char* what;
    CondensingSurface surface;
    Edits edits;
    std::optional<std::string> shows;  // nothing: the data-check failure
};

constexpr auto kInclined = CondensingSurface::Inclined;
constexpr auto kVertical = CondensingSurface::VerticalTube;
constexpr auto kOutside = CondensingSurface::HorizontalTubeOutside;
constexpr auto kInside = CondensingSurface::HorizontalTubeInside;
const auto kFails = std::nullopt;

constexpr Field rho_l = &CondensationInput::condensate_density;
constexpr Field rho_v = &CondensationInput::vapour_density;
constexpr Field theta = &CondensationInput::angle;
constexpr Field r = &CondensationInput::latent_heat;
constexpr Field lambda = &CondensationInput::conductivity;
constexpr Field mu = &CondensationInput::viscosity;
constexpr Field L = &CondensationInput::length;
constexpr Field ts = &CondensationInput::saturation_temperature;
constexpr Field tw = &CondensationInput::wall_temperature;
constexpr Field cp = &CondensationInput::specific_heat;
constexpr Field d_o = &CondensationInput::outside_diameter;
constexpr Field d_i = &CondensationInput::inside_diameter;

const std::vector<Case> kCases = {
    // Each surface with the defaults, g = 9.81.
    {"vertical tube", kVertical, {}, "2544.933"},
    {"inclined at 90 degrees equals the vertical tube", kInclined, {}, "2544.933"},
    {"outside of a horizontal tube", kOutside, {}, "2907.131"},
    {"inside of a horizontal tube", kInside, {}, "129.810"},
    {"vertical tube, smaller temperature drop", kVertical, {{ts, "130"}}, "3349.320"},
    {"outside, smaller temperature drop", kOutside, {{ts, "130"}}, "3774.881"},
    {"inside, smaller temperature drop", kInside, {{ts, "130"}}, "170.840"},
    {"outside without film subcooling", kOutside, {{cp, "0"}}, "2848.262"},

    // The angle is in degrees.
    {"inclined at 30 degrees", kInclined, {{theta, "30"}}, "2140.025"},
    {"inclined at 150 degrees", kInclined, {{theta, "150"}}, "2140.025"},
    {"inclined at -270 degrees", kInclined, {{theta, "-270"}}, "2544.933"},
    {"horizontal surface", kInclined, {{theta, "0"}}, "0.000"},
    {"half a turn is horizontal again", kInclined, {{theta, "180"}}, "0.000"},
    {"a whole turn is horizontal again", kInclined, {{theta, "360"}}, "0.000"},
    {"a turn and a half", kInclined, {{theta, "540"}}, "0.000"},
    {"sine below zero", kInclined, {{theta, "200"}}, kFails},
    {"negative angle", kInclined, {{theta, "-10"}}, kFails},
    {"empty angle on the inclined surface", kInclined, {{theta, ""}}, kFails},

    // Latent heat: read for every surface, used by three.
    {"r 0 inclined", kInclined, {{r, "0"}}, "0.000"},
    {"r 0 vertical", kVertical, {{r, "0"}}, "0.000"},
    {"r 0 outside", kOutside, {{r, "0"}}, kFails},
    {"r 0 inside, where r is not used", kInside, {{r, "0"}}, "129.810"},
    {"empty r inclined", kInclined, {{r, ""}}, kFails},
    {"empty r vertical", kVertical, {{r, ""}}, kFails},
    {"empty r outside", kOutside, {{r, ""}}, kFails},
    {"empty r inside", kInside, {{r, ""}}, kFails},
    {"r overflows on conversion to J/kg", kInside, {{r, "1e306"}}, kFails},

    // Fields a surface never reads may hold any text.
    {"vertical ignores angle, cp, do, di", kVertical, {{theta, ""}, {cp, "x"}, {d_o, ""}, {d_i, "abc"}}, "2544.933"},
    {"inclined ignores cp, do, di", kInclined, {{cp, ""}, {d_o, ""}, {d_i, ""}}, "2544.933"},
    {"outside ignores angle, di", kOutside, {{theta, ""}, {d_i, ""}}, "2907.131"},
    {"inside ignores angle, cp, L, do", kInside, {{theta, ""}, {cp, ""}, {L, ""}, {d_o, ""}}, "129.810"},

    // Failures.
    {"ts equals tw", kVertical, {{tw, "150"}}, kFails},
    {"ts equals tw inside", kInside, {{tw, "150"}}, kFails},
    {"wall warmer than the vapour", kVertical, {{tw, "160"}}, kFails},
    {"vapour denser than the condensate", kVertical, {{rho_v, "1001"}}, kFails},
    {"vapour as dense as the condensate", kVertical, {{rho_v, "1000"}}, "0.000"},
    {"mu 0", kVertical, {{mu, "0"}}, kFails},
    {"L 0 inclined", kInclined, {{L, "0"}}, kFails},
    {"L 0 vertical", kVertical, {{L, "0"}}, kFails},
    {"L 0 outside", kOutside, {{L, "0"}}, kFails},
    {"do 0 outside", kOutside, {{d_o, "0"}}, kFails},
    {"di 0 inside", kInside, {{d_i, "0"}}, kFails},
    {"empty cp outside", kOutside, {{cp, ""}}, kFails},
    {"text for a conductivity", kInside, {{lambda, "abc"}}, kFails},
    {"empty condensate density", kInside, {{rho_l, ""}}, kFails},
};

TEST(Condensation, Table) {
    for (const Case& c : kCases) {
        CondensationInput in = defaults(c.surface);
        for (const auto& [field, text] : c.edits) in.*field = text;
        EXPECT_EQ(condensation_film_coefficient(in), c.shows) << c.what;
    }
}

}  // namespace
}  // namespace vxr::calc
