// Film coefficient of a fluid in forced flow through a pipe: straight, bent, coiled, or the gap of an annulus,
// with the fluid heated or cooled.
//
//   Re = d·u·ρ/μ,  Pr = cp·μ/λ
//   turbulent,  Re ≥ 10000:        α = 0.027·(λ/d)·Re^0.8·Pr^0.33·f   (viscous fluid, μ > 0.002 Pa·s)
//                                  α = 0.023·(λ/d)·Re^0.8·Pr^n        (μ ≤ 0.002 Pa·s)
//   transition, 2300 ≤ Re < 10000: the turbulent α times φ = 1 − 600000/Re^1.8
//   laminar,    Re < 2300:         α = 1.86·Re^0.33·Pr^0.33·(d/L)^0.33·f·(λ/d)
//
// Heating takes n = 0.4 and f = 1.05, cooling n = 0.3 and f = 0.95. A bend multiplies α by (1 + 1.77·d/R), a
// coil by (1 + 3.5·d/D); the annulus replaces it by its own correlation in the diameter ratio d₂/d₁.
//
// Validity, noted as warnings: the thin-fluid form for 0.7 ≤ Pr ≤ 160, the viscous-fluid form for
// 0.7 ≤ Pr ≤ 16700, both for L/d ≥ 60 (no entry-length correction is made).
// Worked example (water at the page's defaults: d 0.1 m, u 1.5 m/s, ρ 1000, μ 0.001, cp 4180, λ 0.618, heated,
// straight): Re = 150000, Pr = 6.76, α = 4223.422 W/(m²·℃).
#pragma once

#include <string>

#include "frame/outcome.h"

namespace vxr::calc {

enum class PipeShape { Straight, Bent, Coil, Annulus };

// The field texts of one case. A text is turned into a number only where the chosen branch uses it.
struct ConvectionInput {
    std::string diameter;        // d, pipe inside diameter, m
    std::string velocity;        // u, m/s
    std::string density;         // ρ, kg/m³
    std::string viscosity;       // μ, Pa·s
    std::string specific_heat;   // cp, J/(kg·℃)
    std::string conductivity;    // λ, W/(m·℃)
    std::string bend_radius;     // R, bent pipe only, m
    std::string coil_diameter;   // D, coil only, m
    std::string length;          // L, laminar flow only, m
    std::string inner_diameter;  // d₁, annulus inner pipe, m
    std::string outer_diameter;  // d₂, annulus outer pipe, m
    PipeShape shape = PipeShape::Straight;
    bool heated = true;
};

// α in W/(m²·℃) through the result mask with its notes, or the data-check failure.
frame::Outcome<ConvectionInput> convection_film_coefficient(const ConvectionInput& in);

}  // namespace vxr::calc
