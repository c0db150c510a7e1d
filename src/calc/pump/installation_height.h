// Allowed installation height of a centrifugal pump above the liquid surface on its suction side.
//
//   Hg = (p − pv) / (ρ·g) − Hf − (NPSHr + 0.5)      g = 9.8 m/s², p and pv in Pa (typed in kPa)
//
// 0.5 m is the safety margin added to the pump's required NPSH. A negative Hg means the pump must stand that far
// below the liquid surface.
#pragma once

#include <string>

#include "frame/outcome.h"

namespace vxr::calc {

struct PumpSuctionInput {
    std::string density;          // ρ, kg/m³
    std::string pressure;         // p, suction-side operating pressure, kPa
    std::string vapour_pressure;  // pv, saturated vapour pressure at the inlet temperature, kPa
    std::string inlet_loss;       // Hf, friction loss of the inlet pipe, m
    std::string required_npsh;    // NPSHr, m
};

// Hg in m through the result mask, or nothing when the data do not allow it (zero density, a text that is not a
// number, a pressure too large to hold in Pa).
frame::Outcome<PumpSuctionInput> installation_height(const PumpSuctionInput& in);

}  // namespace vxr::calc
