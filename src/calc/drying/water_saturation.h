// The pressure of water vapour in equilibrium with water or ice, for the humidity of air.
//
//   over water, 273.15 K … 647.096 K: IAPWS-IF97's saturation line (eq. 30), taken from the water/steam properties
//     (calc/properties/water_steam.h, `water::saturation_pressure_pa`), the program's one implementation of it
//     (IAPWS R7-97(2012), its table 35: 300 K → 3.53658941 kPa, 600 K → 12344.3146 kPa)
//   over ice, 50 K … 273.16 K: IAPWS 2011 sublimation equation,
//     ln(ps/pt) = θ⁻¹·Σ aᵢ·θ^bᵢ,  θ = T/Tt,  Tt = 273.16 K,  pt = 611.657 Pa
//     (IAPWS R14-08(2011), Revised Release on the Pressure along the Melting and Sublimation Curves of Ordinary
//      Water Substance; its check value 230 K → 8.947352740189 Pa)
//
// The air side of a dryer uses the water equation from 0 ℃ up to the critical point, 373.946 ℃, and the ice
// equation below 0 ℃ down to −60 ℃ (winter air). Example: 20 ℃ → 2.33921 kPa; −10 ℃ → 0.259874 kPa over ice.
#pragma once

namespace vxr::calc {

// The sublimation pressure over ice in Pa, T in K (IAPWS 2011; valid from 50 K to 273.16 K).
double ice_sublimation_pressure(double kelvin);

// The range of `saturation_pressure` in ℃.
inline constexpr double kSaturationLowest = -60.0;
inline constexpr double kSaturationHighest = 373.946;

// The vapour pressure of air saturated at `celsius`, in kPa: over ice below 0 ℃, over water from 0 ℃ on.
double saturation_pressure(double celsius);

// True where `saturation_pressure` takes the ice equation.
inline bool over_ice(double celsius) {
    return celsius < 0.0;
}

}  // namespace vxr::calc
