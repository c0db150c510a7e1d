// Minimum relieving area of a safety valve, by the pressure-vessel code method.
//
//   P = Ps·(1 + over/100) + Pa       relieving pressure, MPa absolute
//   Po = Pb + Pa                     back pressure, MPa absolute
//   gas, Po/P ≤ rc (critical):     A = W / (7.6×10⁻²·C·K·P·√(M/(Z·T)))
//   gas, Po/P > rc (subcritical):  A = W / (55.84·K·P·√((k/(k − 1))·[(Po/P)^(2/k) − (Po/P)^((k + 1)/k)])·√(M/(Z·T)))
//   liquid:                        A = W / (5.1·K·√(ρ·(P − Po)))
//   rc = (2/(k + 1))^(k/(k − 1)),  C = 520·√(k·(2/(k + 1))^((k + 1)/(k − 1))),  d0 = √(4·A/π)
//
// W in kg/h, P in MPa, T in K, ρ in kg/m³, A in mm², d0 in mm. At Po/P = rc the two gas formulas differ by their
// rounded constants (0.076·520 = 39.52 against 55.84/√2 = 39.48): the subcritical area is 1.00089 times the critical
// one there. A liquid's viscosity correction and two-phase flow are outside the method.
#pragma once

#include <string>

#include "frame/outcome.h"

namespace vxr::calc {

enum class ReliefMedium { Gas, Liquid };

struct ReliefInput {
    std::string flow;                         // W, kg/h
    std::string set_pressure;                 // Ps, MPa gauge
    std::string overpressure;                 // %, of the set pressure
    std::string back_pressure;                // Pb, MPa gauge
    std::string atmosphere;                   // Pa, MPa
    std::string coefficient;                  // K, rated discharge coefficient
    std::string molar_mass;                   // M, kg/kmol (gas)
    std::string temperature;                  // t, ℃ (gas)
    std::string compressibility;              // Z (gas)
    std::string exponent;                     // k, adiabatic exponent (gas)
    std::string density;                      // ρ, kg/m³ (liquid)
    ReliefMedium medium = ReliefMedium::Gas;  // the other medium's fields are never read
};

// Results in order: relieving pressure, flow regime, critical pressure ratio, C (both empty for a liquid), minimum
// relieving area, minimum throat diameter.
frame::Outcome<ReliefInput> relief_valve(const ReliefInput& in);

}  // namespace vxr::calc
