// The properties of water and steam that the water/steam dialog shows: a state given by temperature and pressure,
// the saturated liquid and vapour at a temperature or a pressure, and wet steam of a given dryness.
//
// Inputs are in ℃ and kPa (absolute), as the dialog takes them. Each function answers either the properties or a
// refusal with the reason in Chinese, never an extrapolation. The equations (if97.h, transport.h):
//   thermodynamic properties: IAPWS-IF97, regions 1, 2, 3 and 4 (region 3 solved for its density at (t, p));
//   μ: IAPWS 2008 with the critical enhancement taken as 1, marked approximate near the critical point;
//   λ: IAPWS 2011 in its industrial form with IF97; Pr = cp·μ/λ (cp in J/(kg·K));
//   σ: IAPWS 2014, on the saturation line; r = h″ − h′.
// Range: 0 ℃ ≤ t ≤ 800 ℃ and 0 < p ≤ 100 MPa; on the saturation line 0 ℃ … 373.946 ℃ (the critical point), that is
// 0.611213 kPa … 22.064 MPa. A (t, p) state within 1e-9 of ps(t) (below the critical temperature) is taken as on the
// saturation line, where (t, p) does not fix the state: the saturation modes give it. Within 1e-9 of Tc (and, for a
// (t, p) state, of pc) the state is the critical point, ρ = ρc = 322 kg/m³, liquid and vapour alike (r = 0, σ = 0),
// where cp, λ and Pr are infinite (+∞). From there to 3.47e-5 K below Tc IF97's ps(T) lies above every pressure the
// region-3 equation gives its vapour: the saturated vapour's properties and r are NaN (no value), the liquid's are
// numbers.
//
// Example: at(20, 101.325) → region 1, ρ = 998.206 kg/m³, h = 84.013 kJ/kg, cp = 4.1848 kJ/(kg·K),
// μ = 1.0016e-3 Pa·s, λ = 0.59801 W/(m·K), Pr = 7.009. saturation_at_temperature(100) → p = 101.418 kPa,
// h′ = 419.10 kJ/kg, h″ = 2675.57 kJ/kg, r = 2256.47 kJ/kg, σ = 0.05891 N/m.
#pragma once

#include <string>
#include <variant>

namespace vxr::calc::water {

// A single-phase state.
struct Properties {
    int region;           // the IF97 region whose equation gives the state: 1, 2 or 3
    double rho;           // density, kg/m³
    double v;             // specific volume, m³/kg
    double h;             // specific enthalpy, kJ/kg
    double s;             // specific entropy, kJ/(kg·K)
    double cp, cv;        // specific isobaric and isochoric heat capacities, kJ/(kg·K)
    double w;             // speed of sound, m/s
    double mu;            // dynamic viscosity, Pa·s
    double lambda;        // thermal conductivity, W/(m·K)
    double pr;            // Prandtl number
    bool mu_approximate;  // μ inside the critical region, where leaving out its enhancement errs by more than 2 %
};

// The saturated liquid (′) and vapour (″) at one temperature and pressure.
struct Saturation {
    double t_c, p_kpa;
    Properties liquid, vapour;
    double r;      // latent heat h″ − h′, kJ/kg
    double sigma;  // surface tension, N/m
};

// Wet steam: liquid and vapour of dryness x (the vapour's mass fraction) at saturation.
struct WetSteam {
    double t_c, p_kpa, x;
    double v, rho, h, s;  // of the mixture: v = v′ + x·(v″ − v′), likewise h and s; ρ = 1/v
    Saturation line;
};

// Why there is no answer: the message for the dialog's status line.
struct Refusal {
    std::string message;
};

template <class T>
using Answer = std::variant<T, Refusal>;

Answer<Properties> at(double t_c, double p_kpa);
Answer<Saturation> saturation_at_temperature(double t_c);
Answer<Saturation> saturation_at_pressure(double p_kpa);
Answer<WetSteam> wet_at_temperature(double t_c, double x);
Answer<WetSteam> wet_at_pressure(double p_kpa, double x);

// The saturation pressure in Pa at a temperature in K, IF97 eq. 30, for 273.15 K … 647.096 K; the one
// implementation the program's other calculations (the dryer's humid air) are to take. 300 K → 3536.58941 Pa.
double saturation_pressure_pa(double kelvin);

}  // namespace vxr::calc::water
