#include "calc/heat/condensation.h"

#include <gtest/gtest.h>

#include <tuple>

#include "calc/outcome_support.h"

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

// clang-format off
constexpr Field rho_l = &CondensationInput::condensate_density, rho_v = &CondensationInput::vapour_density;
constexpr Field theta = &CondensationInput::angle, r = &CondensationInput::latent_heat;
constexpr Field lambda = &CondensationInput::conductivity, mu = &CondensationInput::viscosity;
constexpr Field L = &CondensationInput::length, ts = &CondensationInput::saturation_temperature;
constexpr Field tw = &CondensationInput::wall_temperature, cp = &CondensationInput::specific_heat;
constexpr Field d_o = &CondensationInput::outside_diameter, d_i = &CondensationInput::inside_diameter;
// clang-format on

const std::vector<Case> kCases = {
    // Each surface with the defaults, g = 9.81.
    {"vertical tube", kVertical, {}, "2544.933"},
    {"inclined at 90 degrees equals the vertical tube", kInclined, {}, "2544.933"},
    {"outside of a horizontal tube: no length in the group", kOutside, {}, "3825.999"},
    {"inside of a horizontal tube: Chato", kInside, {}, "2959.105"},
    {"outside, smaller temperature drop", kOutside, {{ts, "130"}}, "4968.023"},
    {"inside, smaller temperature drop", kInside, {{ts, "130"}}, "3864.917"},
    {"outside without film subcooling", kOutside, {{cp, "0"}}, "3748.524"},
    {"inside, r 0: only the subcooling term", kInside, {{r, "0"}}, "1362.239"},
    // Saturated steam at 100 ℃ inside a 25 mm tube at 90 ℃: r′ = 2257000 + 0.375·4216·10 = 2272810 J/kg;
    // group 958·(958 − 0.6)·9.81·2272810·0.68³ / (0.000282·0.025·10) = 9.12071e16; α = 0.555·group^0.25.
    {"inside, steam at 100 degrees",
     kInside,
     {{rho_l, "958"},
      {rho_v, "0.6"},
      {r, "2257"},
      {lambda, "0.68"},
      {mu, "0.000282"},
      {ts, "100"},
      {tw, "90"},
      {cp, "4216"},
      {d_i, "0.025"}},
     "9644.954"},

    // The angle is in degrees; whole and half turns are horizontal.
    {"inclined at 30 degrees", kInclined, {{theta, "30"}}, "2140.025"},
    {"inclined at 150 degrees", kInclined, {{theta, "150"}}, "2140.025"},
    {"inclined at -270 degrees", kInclined, {{theta, "-270"}}, "2544.933"},
    {"half a turn is horizontal again", kInclined, {{theta, "180"}}, "0.000"},
    {"half a turn the other way", kInclined, {{theta, "-180"}}, "0.000"},
    {"a turn and a half", kInclined, {{theta, "540"}}, "0.000"},
    {"sine below zero", kInclined, {{theta, "200"}}, kFails},

    // Latent heat: read for every surface.
    {"r 0 vertical", kVertical, {{r, "0"}}, "0.000"},
    {"r 0 outside", kOutside, {{r, "0"}}, kFails},
    {"empty r vertical", kVertical, {{r, ""}}, kFails},
    {"empty r inside", kInside, {{r, ""}}, kFails},

    // Fields a surface never reads may hold any text; the horizontal tubes read no length.
    {"vertical ignores angle, cp, do, di", kVertical, {{theta, ""}, {cp, "x"}, {d_o, ""}, {d_i, "abc"}}, "2544.933"},
    {"outside ignores angle, di, L", kOutside, {{theta, ""}, {d_i, ""}, {L, "x"}}, "3825.999"},
    {"inside ignores angle, L, do", kInside, {{theta, ""}, {L, ""}, {d_o, ""}}, "2959.105"},

    // Failures.
    {"ts equals tw", kVertical, {{tw, "150"}}, kFails},
    {"ts equals tw inside", kInside, {{tw, "150"}}, kFails},
    {"ts equals tw outside", kOutside, {{tw, "150"}}, kFails},
    {"wall warmer than the vapour", kVertical, {{tw, "160"}}, kFails},
    {"wall warmer inside: negative group", kInside, {{tw, "160"}}, kFails},
    {"vapour denser than the condensate outside", kOutside, {{rho_v, "1001"}}, kFails},
    {"L 0 vertical", kVertical, {{L, "0"}}, kFails},
    {"do 0 outside", kOutside, {{d_o, "0"}}, kFails},
    {"di 0 inside", kInside, {{d_i, "0"}}, kFails},
    {"empty cp outside", kOutside, {{cp, ""}}, kFails},
    {"empty cp inside", kInside, {{cp, ""}}, kFails},
};

TEST(Condensation, Table) {
    for (const Case& c : kCases) {
        CondensationInput in = defaults(c.surface);
        for (const auto& [field, text] : c.edits) in.*field = text;
        EXPECT_EQ(test::shown(condensation_film_coefficient(in)), c.shows) << c.what;
    }
}

// The notes: Δt, the corrected latent heat, and the film Reynolds number with its warning above 1800.
TEST(Condensation, Notes) {
    const std::vector<std::tuple<CondensingSurface, Edits, std::string>> cases = {
        {kVertical,
         {},
         "Δt = ts − tw = 30 ℃ / α = 1.13·[ρl·(ρl − ρv)·g·r·λ³/(μ·L·Δt)]^0.25 / α = 2544.933 W/(m²·℃) / "
         "膜雷诺数 Re = 4·α·L·Δt/(r·μ) = 916.176"},
        {kVertical,
         {{L, "30"}},
         "Δt = ts − tw = 30 ℃ / α = 1.13·[ρl·(ρl − ρv)·g·r·λ³/(μ·L·Δt)]^0.25 / α = 1431.121 W/(m²·℃) / "
         "膜雷诺数 Re = 4·α·L·Δt/(r·μ) = 5152.04 / 注意：Re > 1800，液膜已非层流，层流膜公式偏低"},
        {kInclined,
         {{theta, "30"}},
         "Δt = ts − tw = 30 ℃ / α = 1.13·[ρl·(ρl − ρv)·g·sinθ·r·λ³/(μ·L·Δt)]^0.25，sinθ = 0.5 / "
         "α = 2140.025 W/(m²·℃) / 膜雷诺数 Re = 4·α·L·Δt/(r·μ) = 770.409"},
        {kInside,
         {},
         "Δt = ts − tw = 30 ℃ / α = 0.555·[ρl·(ρl − ρv)·g·r′·λ³/(μ·dᵢ·Δt)]^0.25（管内低速冷凝） / "
         "r′ = r + 0.375·cp·Δt = 1047020 J/kg / α = 2959.105 W/(m²·℃)"},
        {kOutside,
         {},
         "Δt = ts − tw = 30 ℃ / α = 0.725·[ρl·(ρl − ρv)·g·r′·λ³/(μ·dₒ·Δt)]^0.25 / "
         "r′ = r·(1 + 0.68·cp·Δt/r) = 1085270 J/kg / α = 3825.999 W/(m²·℃)"},
    };
    for (const auto& [surface, edits, expected] : cases) {
        CondensationInput in = defaults(surface);
        for (const auto& [field, text] : edits) in.*field = text;
        EXPECT_EQ(test::notes(condensation_film_coefficient(in)), expected);
    }
}

}  // namespace
}  // namespace vxr::calc
