// Film coefficient of a saturated vapour condensing in a film on a cooler wall (Nusselt film condensation), on four
// kinds of surface:
//
//   inclined flat surface:       α = 1.13·[ρl·(ρl − ρv)·g·sin θ·r·λ³ / (μ·L·Δt)]^0.25
//   outside of a vertical tube:  α = 1.13·[ρl·(ρl − ρv)·g·r·λ³ / (μ·L·Δt)]^0.25
//   outside of a horizontal tube: α = 0.725·[ρl·(ρl − ρv)·g·r′·λ³ / (μ·dₒ·L·Δt)]^0.25,  r′ = r·(1 + 0.68·cp·Δt/r)
//   inside of a horizontal tube: α = 0.815·[ρl·(ρl − ρv)·g·λ / (3.14·μ·dᵢ·Δt)]^0.25
//
// with Δt = ts − tw, g = 9.81 m/s², r the latent heat in J/kg and θ the surface's angle to the horizontal in degrees.
#pragma once

#include <optional>
#include <string>

namespace vxr::calc {

enum class CondensingSurface { Inclined, VerticalTube, HorizontalTubeOutside, HorizontalTubeInside };

// The field texts of one case. A text is turned into a number only where the chosen surface uses it; the latent
// heat is the exception and is read for every surface.
struct CondensationInput {
    std::string condensate_density;      // ρl, kg/m³
    std::string vapour_density;          // ρv, kg/m³
    std::string angle;                   // θ, degrees, inclined surface only
    std::string latent_heat;             // r, kJ/kg
    std::string conductivity;            // λ, condensate, W/(m·℃)
    std::string viscosity;               // μ, condensate, Pa·s
    std::string length;                  // L, m
    std::string saturation_temperature;  // ts, ℃
    std::string wall_temperature;        // tw, ℃
    std::string specific_heat;           // cp, condensate, J/(kg·℃), outside of a horizontal tube only
    std::string outside_diameter;        // dₒ, m, outside of a horizontal tube only
    std::string inside_diameter;         // dᵢ, m, inside of a horizontal tube only
    CondensingSurface surface = CondensingSurface::VerticalTube;
};

// α in W/(m²·℃) through the result mask, or nothing if the data do not allow it.
std::optional<std::string> condensation_film_coefficient(const CondensationInput& in);

}  // namespace vxr::calc
