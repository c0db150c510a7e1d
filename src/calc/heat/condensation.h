// Film coefficient of a saturated vapour condensing in a film on a cooler wall (Nusselt film condensation), on four
// kinds of surface:
//
//   inclined flat surface:       α = 1.13·[ρl·(ρl − ρv)·g·sin θ·r·λ³ / (μ·L·Δt)]^0.25
//   outside of a vertical tube:  α = 1.13·[ρl·(ρl − ρv)·g·r·λ³ / (μ·L·Δt)]^0.25
//   outside of a horizontal tube: α = 0.725·[ρl·(ρl − ρv)·g·r′·λ³ / (μ·dₒ·Δt)]^0.25,  r′ = r·(1 + 0.68·cp·Δt/r)
//                                (Nusselt; no length: the film's path is half the tube's circumference)
//   inside of a horizontal tube: α = 0.555·[ρl·(ρl − ρv)·g·r′·λ³ / (μ·dᵢ·Δt)]^0.25,  r′ = r + 0.375·cp·Δt
//                                (Chato, stratified film at low vapour velocity)
//
// with Δt = ts − tw, g = 9.81 m/s², r the latent heat in J/kg and θ the surface's angle to the horizontal in degrees.
// The vertical and inclined forms hold for a laminar film, film Reynolds number 4·α·L·Δt/(r·μ) ≤ 1800; above it
// the notes warn.
// Worked example (steam at 100 ℃ on a wall at 90 ℃, ρl 958, ρv 0.6, r 2257 kJ/kg, λ 0.68, μ 0.000282,
// cp 4216, inside a tube of dᵢ 0.025 m): r′ = 2257000 + 0.375·4216·10 = 2272810 J/kg, the group under the root
// 958·957.4·9.81·2272810·0.68³ / (0.000282·0.025·10) = 9.12071e16, α = 0.555·(9.12071e16)^0.25 = 9644.954 W/(m²·℃).
#pragma once

#include <string>

#include "frame/outcome.h"

namespace vxr::calc {

enum class CondensingSurface { Inclined, VerticalTube, HorizontalTubeOutside, HorizontalTubeInside };

// The field texts of one case. A text is turned into a number only where the chosen surface uses it; the latent
// heat is the exception and is read for every surface. The length belongs to the flat and vertical surfaces only.
struct CondensationInput {
    std::string condensate_density;      // ρl, kg/m³
    std::string vapour_density;          // ρv, kg/m³
    std::string angle;                   // θ, degrees, inclined surface only
    std::string latent_heat;             // r, kJ/kg
    std::string conductivity;            // λ, condensate, W/(m·℃)
    std::string viscosity;               // μ, condensate, Pa·s
    std::string length;                  // L, m, inclined surface and vertical tube only
    std::string saturation_temperature;  // ts, ℃
    std::string wall_temperature;        // tw, ℃
    std::string specific_heat;           // cp, condensate, J/(kg·℃), horizontal tubes only
    std::string outside_diameter;        // dₒ, m, outside of a horizontal tube only
    std::string inside_diameter;         // dᵢ, m, inside of a horizontal tube only
    CondensingSurface surface = CondensingSurface::VerticalTube;
};

// α in W/(m²·℃) through the result mask with its notes, or the data-check failure.
frame::Outcome<CondensationInput> condensation_film_coefficient(const CondensationInput& in);

}  // namespace vxr::calc
