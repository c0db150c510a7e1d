// The transport properties of water and steam (viscosity, thermal conductivity) and the surface tension of water
// against its vapour, from the IAPWS correlations, T in K and ρ in kg/m³.
//
//   viscosity, IAPWS R12-08, Release on the IAPWS Formulation 2008 for the Viscosity of Ordinary Water Substance:
//     μ = μ*·μ̄0(T̄)·μ̄1(T̄, ρ̄)·μ̄2,  T̄ = T/647.096 K,  ρ̄ = ρ/322 kg/m³,  μ* = 1e-6 Pa·s          (eq. 10)
//     μ̄0 = 100·√T̄ / Σ₀³ Hᵢ/T̄ⁱ                                                        (eq. 11, table 1)
//     μ̄1 = exp[ρ̄·Σ₀⁵ (1/T̄ − 1)ⁱ·Σ₀⁶ Hᵢⱼ(ρ̄ − 1)ʲ]                                      (eq. 12, table 2)
//     μ̄2 = 1, as the release allows for industrial use: the critical enhancement exceeds 2 % of μ
//     only inside 645.91 K < T < 650.77 K and 245.8 kg/m³ < ρ < 405.3 kg/m³, where the value is marked approximate.
//     Valid 273.16 K … 1173.15 K for p ≤ 100 MPa (and beyond). Table 4: μ(298.15 K, 998 kg/m³) = 889.735100 μPa·s.
//   thermal conductivity, IAPWS R15-11, Release on the IAPWS Formulation 2011 for the Thermal Conductivity of
//   Ordinary Water Substance, in its form for industrial use with IAPWS-IF97 (its tables 6 to 9):
//     λ = λ*·(λ̄0(T̄)·λ̄1(T̄, ρ̄) + λ̄2(T̄, ρ̄)),  λ* = 1e-3 W/(m·K)                                (eq. 15)
//     λ̄0 = √T̄ / Σ₀⁴ Lₖ/T̄ᵏ                                                          (eq. 16, table 1)
//     λ̄1 = exp[ρ̄·Σ₀⁴ (1/T̄ − 1)ⁱ·Σ₀⁵ Lᵢⱼ(ρ̄ − 1)ʲ]                                      (eq. 17, table 2)
//     the critical enhancement:
//     λ̄2 = Λ·ρ̄·c̄p·T̄/μ̄ · Z(y),  Λ = 177.8514,  c̄p = cp/R,  R = 0.46151805 kJ/(kg·K),  μ̄ = μ/μ*
//     Z(y) = 2/(πy)·{[(1 − κ⁻¹)·arctan y + κ⁻¹·y] − [1 − exp(−1/(y⁻¹ + y²/(3ρ̄²)))]},  κ = cp/cv
//     y = ξ/(0.40 nm),  ξ = 0.13 nm·(Δχ̄/0.06)^(0.630/1.239),
//     Δχ̄ = ρ̄·[ζ(T̄, ρ̄) − ζ(T̄R, ρ̄)·T̄R/T̄],  T̄R = 1.5,  ζ = (∂ρ̄/∂p̄)_T̄ = (22.064 MPa/322 kg/m³)·(∂ρ/∂p)_T
//     Z = 0 where Δχ̄ ≤ 0 or y < 1.2e-7. For industrial use cp, cv, (∂ρ/∂p)_T and μ come from IF97 and the 2008
//     viscosity with μ̄2 = 1, and ζ(T̄R, ρ̄) = 1/Σ₀⁵ Aᵢⱼρ̄ⁱ with j chosen by ρ̄ (eqs. 25–26, table 6).
//     Valid 273.16 K … 1173.15 K for p ≤ 100 MPa (and beyond). Table 7: 620 K, 20 MPa → 481.485195 mW/(m·K).
//   surface tension, IAPWS R1-76(2014), Revised Release on Surface Tension of Ordinary Water Substance:
//     σ = B·τ^μ·(1 + b·τ),  τ = 1 − T/647.096 K,  B = 235.8e-3 N/m,  b = −0.625,  μ = 1.256
//     Valid from the triple point (273.16 K) to the critical point; at 273.15 K (0 ℃) it is used 0.01 K beyond,
//     where the release finds it still accurate (it holds down to −25 ℃). Its table: 100 ℃ → 58.91 mN/m.
#pragma once

namespace vxr::calc::water {

// μ in Pa·s with μ̄2 = 1.
double viscosity(double t, double rho);

// True inside the region where μ̄2 = 1 is more than 2 % off: 645.91 K < T < 650.77 K, 245.8 < ρ < 405.3 kg/m³.
bool viscosity_near_critical(double t, double rho);

// λ in W/(m·K). cp and cv in kJ/(kg·K), (∂ρ/∂p)_T in kg/(m³·MPa) and μ in Pa·s are those of the state.
double thermal_conductivity(double t, double rho, double cp, double cv, double drho_dp, double mu);

// λ̄0·λ̄1 alone (λ̄2 = 0) in W/(m·K): the conductivity away from the critical enhancement.
double thermal_conductivity_background(double t, double rho);

// σ in N/m, 273.15 K … 647.096 K.
double surface_tension(double t);

}  // namespace vxr::calc::water
