// The basic equations of IAPWS-IF97 for water and steam: regions 1, 2 and 3, the saturation line (region 4) and the
// boundary B23 between regions 2 and 3, in K, MPa, kg/m³, kJ/kg and kJ/(kg·K).
//
// Source: IAPWS R7-97(2012), Revised Release on the IAPWS Industrial Formulation 1997 for the Thermodynamic Properties
// of Water and Steam (Lucerne 2007, reissued 2012). R = 0.461526 kJ/(kg·K), Tc = 647.096 K, pc = 22.064 MPa,
// ρc = 322 kg/m³ (its eqs. 1–4).
//
//   region 1 (liquid), 273.15 K ≤ T ≤ 623.15 K, ps(T) ≤ p ≤ 100 MPa: Gibbs free energy (eq. 7, table 2)
//     g/(RT) = γ(π, τ) = Σ nᵢ (7.1 − π)^Iᵢ (τ − 1.222)^Jᵢ,  π = p/16.53 MPa,  τ = 1386 K/T
//     (table 5: 300 K, 3 MPa → v = 0.100215168e-2 m³/kg, h = 0.115331273e3 kJ/kg, w = 0.150773921e4 m/s)
//   region 2 (vapour), 273.15 K ≤ T ≤ 623.15 K, 0 < p ≤ ps(T); 623.15 K < T ≤ 863.15 K, 0 < p ≤ pB23(T);
//     863.15 K < T ≤ 1073.15 K, 0 < p ≤ 100 MPa: Gibbs free energy, ideal-gas part plus residual part
//     γ = ln π + Σ n⁰ᵢ τ^J⁰ᵢ + Σ nᵢ π^Iᵢ (τ − 0.5)^Jᵢ,  π = p/1 MPa,  τ = 540 K/T   (eqs. 15–17, tables 10 and 11)
//     (table 15: 700 K, 30 MPa → v = 0.542946619e-2 m³/kg, h = 0.263149474e4 kJ/kg)
//   region 3 (near-critical), 623.15 K ≤ T ≤ TB23(p), pB23(T) ≤ p ≤ 100 MPa: Helmholtz free energy of ρ and T
//     f/(RT) = φ(δ, τ) = n₁ ln δ + Σ nᵢ δ^Iᵢ τ^Jᵢ,  δ = ρ/322 kg/m³,  τ = 647.096 K/T   (eq. 28, table 30)
//     (table 33: 650 K, 500 kg/m³ → p = 0.255837018e2 MPa, h = 0.186343019e4 kJ/kg)
//   region 4, the saturation line, 273.15 K … 647.096 K: ps(T) (eq. 30) and its inverse Ts(p) (eq. 31), table 34
//     (tables 35 and 36: ps(300 K) = 0.353658941e-2 MPa; Ts(0.1 MPa) = 0.372755919e3 K)
//   B23: p = n₁ + n₂θ + n₃θ² (eq. 5) and θ = n₄ + ((p − n₅)/n₃)^0.5 (eq. 6), table 1
//     (623.15 K ↔ 0.165291643e2 MPa)
//
// Region 3 is given in (ρ, T); a state given by (p, T) needs its density, found by solving p(ρ, T) = p (see
// `region3_density`). Each function evaluates its equation where it is asked to: the choice of region and the checks
// of range are the caller's (water_steam.h).
#pragma once

namespace vxr::calc::water::if97 {

inline constexpr double kR = 0.461526;          // kJ/(kg·K), eq. 1
inline constexpr double kTc = 647.096;          // K, eq. 2
inline constexpr double kPc = 22.064;           // MPa, eq. 3
inline constexpr double kRhoc = 322.0;          // kg/m³, eq. 4
inline constexpr double kTLowest = 273.15;      // K, the formulation's lowest temperature
inline constexpr double kT13 = 623.15;          // K, the boundary of regions 1 and 3
inline constexpr double kTB23Highest = 863.15;  // K, where B23 reaches 100 MPa
inline constexpr double kPHighest = 100.0;      // MPa

// A single-phase state and its properties. (∂ρ/∂p)_T is kept for the critical enhancement of the conductivity.
struct State {
    double t;        // K
    double p;        // MPa
    double rho;      // kg/m³
    double h, u;     // kJ/kg
    double s;        // kJ/(kg·K)
    double cp, cv;   // kJ/(kg·K)
    double w;        // m/s
    double drho_dp;  // (∂ρ/∂p)_T, kg/(m³·MPa)
};

State region1(double t, double p);
State region2(double t, double p);
// Region 3 at a given density and temperature.
State region3(double t, double rho);

// Which root of p(ρ, T) = p region 3 is asked for: below the critical temperature the isotherm of the equation has
// a loop, and the same pressure is met on the liquid-like branch (ρ > ρc), on the vapour-like branch (ρ < ρc) and
// in the unstable part between; above it the isotherm rises throughout and the root is single.
enum class Branch { liquid, vapour, single };

// The density of region 3 at (T, p), kg/m³, on the given branch.
//
// The solver keeps a bracket [a, b] inside which p(ρ, T) rises with ρ and p(a) ≤ p ≤ p(b), and narrows it with
// Newton steps on p(ρ) − p, falling back to bisection whenever a step would leave the bracket or shrink it too little
// (the safeguarded Newton method); it stops when the bracket or the step is below 1e-13 of the density.
//   single:  a = 40 kg/m³, b = 800 kg/m³. From 623.15 K to 863.15 K the equation's pressure is below pB23(T) at
//            40 kg/m³ (9.3 … 15.4 MPa) and above 100 MPa at 800 kg/m³ (100 MPa is reached at 387 … 763 kg/m³), and
//            above Tc its isotherms rise over the whole span (they turn down only beyond 824 kg/m³).
//   liquid:  b = 800 kg/m³; a is found by bisection between ρc, where the subcritical isotherm falls (inside the
//            loop), and b: a midpoint where p(ρ) falls is inside the loop (the lower end moves up), one where it rises
//            is on the liquid branch and becomes a if p(ρ) ≤ p there, else the new b. The liquid branch falls to its
//            spinodal minimum below ps(T), so for p ≥ ps(T) it has points with p(ρ) ≤ p.
//   vapour:  the mirror image between a = 40 kg/m³ and ρc, the vapour branch rising to its spinodal maximum above
//            ps(T).
// Within about 1e-5 K of Tc the loop is so flat that eq. 30's ps(T) lies just above the vapour branch's maximum (by
// 4e-11 of ps): no vapour point reaches p, and the search ends at the spinodal, whose pressure is then p to 1e-10.
double region3_density(double t, double p, Branch branch);

double saturation_pressure(double t);     // MPa, eq. 30, 273.15 K … 647.096 K
double saturation_temperature(double p);  // K, eq. 31, 611.213 Pa … 22.064 MPa
double b23_pressure(double t);            // MPa, eq. 5, 623.15 K … 863.15 K
double b23_temperature(double p);         // K, eq. 6, 16.5292 MPa … 100 MPa

}  // namespace vxr::calc::water::if97
