// Height of a packed absorber for a dilute gas with a straight equilibrium line Y* = m·X, by the absorption-factor
// method of the Chinese unit-operations course (化工原理, 吸收: 脱吸因数法), in mole ratios.
//
//   V = G·(1 − y1)                       inert gas, kmol/h
//   Y1 = y1/(1 − y1),  Y2 = Y1·(1 − φ/100),  X2 = x2/(1 − x2)
//   (L/V)min = (Y1 − Y2)/(Y1/m − X2),  L/V = β·(L/V)min,  L = (L/V)·V
//   X1 = X2 + (Y1 − Y2)/(L/V)           operating line through (X2, Y2)
//   S = m/(L/V)                          stripping factor 脱吸因数
//   N_OG = 1/(1 − S)·ln[(1 − S)·(Y1 − m·X2)/(Y2 − m·X2) + S];  where |1 − S| < 1e-9: N_OG = (Y1 − Y2)/(Y2 − m·X2)
//   Z = HOG·N_OG
//
// Units: G and L in kmol/h, HOG and Z in m; y1, x2 mole fractions; φ in %; m, β, Y, X dimensionless.
// Validity: dilute gas, so that V and L stay constant along the column and the equilibrium line is straight; the
// notes warn above y1 = 0.1, where these assumptions lose accuracy.
// Worked example (the page's start values): G 100, y1 0.05, φ 95, x2 0, m 1.2, β 1.5, HOG 0.8 → Y2 0.00263,
// (L/V)min 1.1400, L/V 1.7100, L 162.450, X1 0.02924, S 0.7018, N_OG 6.361, Z 5.089.
#pragma once

#include <string>

#include "frame/outcome.h"

namespace vxr::calc {

// The field texts of one case, in the page's reading order.
struct AbsorberInput {
    std::string gas_flow;       // G, kmol/h
    std::string inlet_gas;      // y1, mole fraction of solute in the entering gas
    std::string recovery;       // φ, %
    std::string inlet_liquid;   // x2, mole fraction of solute in the entering solvent
    std::string slope;          // m
    std::string ratio_factor;   // β = (L/V)/(L/V)min
    std::string transfer_unit;  // HOG, m
};

// N_OG by the absorption-factor formula, or its limit where |1 − S| < 1e-9, for the operating line of slope
// `ratio` = L/V through (X2, Y2) and the top gas Y1; fails (DataCheckFailure) where the data make it no number.
frame::Num transfer_units(frame::Num Y1, frame::Num Y2, frame::Num X2, frame::Num m, frame::Num ratio);

// Results in the page's order: Y2, (L/V)min, L/V, L, X1, S, N_OG, Z.
frame::Outcome<AbsorberInput> packed_absorber(const AbsorberInput& in);

}  // namespace vxr::calc
