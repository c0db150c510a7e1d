#include "calc/drying/water_saturation.h"

#include <array>
#include <cmath>

#include "calc/properties/water_steam.h"

namespace vxr::calc {
namespace {

// IAPWS 2011, the sublimation equation's coefficients aᵢ and exponents bᵢ, and the triple point.
constexpr std::array<double, 3> kA = {-0.212144006e2, 0.273203819e2, -0.610598130e1};
constexpr std::array<double, 3> kB = {0.333333333e-2, 0.120666667e1, 0.170333333e1};
constexpr double kTripleTemperature = 273.16;  // K
constexpr double kTriplePressure = 611.657;    // Pa

}  // namespace

double ice_sublimation_pressure(double kelvin) {
    const double theta = kelvin / kTripleTemperature;
    double sum = 0.0;
    for (std::size_t i = 0; i < kA.size(); ++i) sum += kA[i] * std::pow(theta, kB[i]);
    return kTriplePressure * std::exp(sum / theta);
}

double saturation_pressure(double celsius) {
    const double kelvin = celsius + 273.15;
    return (over_ice(celsius) ? ice_sublimation_pressure(kelvin) : water::saturation_pressure_pa(kelvin)) / 1000.0;
}

}  // namespace vxr::calc
