#include "calc/heat/condensation.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;
using In = calc::CondensationInput;
using Surface = calc::CondensingSurface;
// clang-format off
constexpr Surface kInclined = Surface::Inclined, kVertical = Surface::VerticalTube,
    kOutside = Surface::HorizontalTubeOutside, kInside = Surface::HorizontalTubeInside;
constexpr auto rho_l = &In::condensate_density, rho_v = &In::vapour_density, theta = &In::angle, r = &In::latent_heat,
    lambda = &In::conductivity, mu = &In::viscosity, L = &In::length, ts = &In::saturation_temperature,
    tw = &In::wall_temperature, cp = &In::specific_heat, d_o = &In::outside_diameter, d_i = &In::inside_diameter;
// The page's default texts, steam at 150 ℃ on a wall at 120 ℃, on a surface, changed by `edits`.
const auto run = [](Surface s, const test::Edits<In>& e) {
    return condensation_film_coefficient(test::edited<In>(
        {"1000", "0.001", "90", "1000", "0.618", "0.001", "3", "150", "120", "4180", "0.108", "0.1", s}, e)); };
TEST(Condensation, TableAndNotes) {
    const std::optional<std::string> fails;  // the data-check failure
    const std::tuple<Surface, test::Edits<In>, std::optional<std::string>> cases[] = {
        // Each surface with the defaults, g = 9.81; the inclined surface at 90° is the vertical tube.
        {kVertical, {}, "2544.933"}, {kInclined, {}, "2544.933"}, {kOutside, {}, "3825.999"}, {kInside, {}, "2959.105"},
        // r′ = r·(1 + 0.68·cp·Δt/r) fails at r = 0, r′ = r + 0.375·cp·Δt does not; every surface reads r.
        {kOutside, {{r, "0"}}, fails}, {kInside, {{r, "0"}}, "1362.239"}, {kVertical, {{r, "0"}}, "0.000"},
        // Steam at 100 ℃ in a 25 mm tube at 90 ℃: r′ = 2272810 J/kg, group 9.12071e16 (SI), α = 0.555·group^0.25.
        {kInside, {{rho_l, "958"}, {rho_v, "0.6"}, {r, "2257"}, {lambda, "0.68"}, {mu, "0.000282"}, {ts, "100"},
            {tw, "90"}, {cp, "4216"}, {d_i, "0.025"}}, "9644.954"},
        // The angle is in degrees; half turns either way are horizontal, below it the film cannot run.
        {kInclined, {{theta, "30"}}, "2140.025"}, {kInclined, {{theta, "180"}}, "0.000"},
        {kInclined, {{theta, "-180"}}, "0.000"}, {kInclined, {{theta, "200"}}, fails},
        // Fields a surface never reads may hold any text; an empty one it reads is no zero.
        {kVertical, {{theta, ""}, {cp, "x"}, {d_o, ""}, {d_i, "abc"}}, "2544.933"},
        {kOutside, {{theta, ""}, {d_i, ""}, {L, "x"}}, "3825.999"}, {kVertical, {{r, ""}}, fails},
        {kInside, {{theta, ""}, {L, ""}, {d_o, ""}}, "2959.105"}, {kOutside, {{cp, ""}}, fails},
        {kInside, {{cp, ""}}, fails}, {kVertical, {{tw, "150"}}, fails}, {kInside, {{tw, "160"}}, fails}};
    for (const auto& [surface, edits, expected] : cases)
        EXPECT_EQ(test::shown(run(surface, edits)), expected) << test::typed(edits);
    // The notes: Δt, the form, r′, the film Reynolds number with its warning above 1800 (none at exactly 1800).
    const std::string dt = "Δt = ts − tw = 30 ℃ / α = ", re = " W/(m²·℃) / 膜雷诺数 Re = 4·α·L·Δt/(r·μ) = ",
        vertical = dt + "1.13·[ρl·(ρl − ρv)·g·r·λ³/(μ·L·Δt)]^0.25 / α = ";
    const std::tuple<Surface, test::Edits<In>, std::string> notes[] = {
        {kVertical, {{L, "30"}}, vertical + "1431.121" + re + "5152.04 / 注意：Re > 1800，液膜已非层流，层流膜公式偏低"},
        {kVertical, {{L, "7.382092899031373"}}, vertical + "2031.944" + re + "1800"},
        {kInclined, {{theta, "30"}}, dt + "1.13·[ρl·(ρl − ρv)·g·sinθ·r·λ³/(μ·L·Δt)]^0.25，sinθ = 0.5 / "
            "α = 2140.025" + re + "770.409"},
        {kInside, {}, dt + "0.555·[ρl·(ρl − ρv)·g·r′·λ³/(μ·dᵢ·Δt)]^0.25（管内低速冷凝） / "
            "r′ = r + 0.375·cp·Δt = 1047020 J/kg / α = 2959.105 W/(m²·℃)"},
        {kOutside, {}, dt + "0.725·[ρl·(ρl − ρv)·g·r′·λ³/(μ·dₒ·Δt)]^0.25 / r′ = r·(1 + 0.68·cp·Δt/r) = 1085270 J/kg / "
            "α = 3825.999 W/(m²·℃)"}};
    for (const auto& [surface, edits, expected] : notes) EXPECT_EQ(test::notes(run(surface, edits)), expected);
}
