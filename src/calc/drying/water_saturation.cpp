#include "calc/drying/water_saturation.h"

#include <array>
#include <cmath>

namespace vxr::calc {
namespace {

// IAPWS-IF97, the coefficients n1 … n10 of the saturation line (its table 34).
constexpr std::array<double, 10> kN = {
    0.11670521452767e4, -0.72421316703206e6, -0.17073846940092e2, 0.12020824702470e5, -0.32325550322333e7,
    0.14915108613530e2, -0.48232657361591e4, 0.40511340542057e6,  -0.23855557567849,  0.65017534844798e3,
};

// IAPWS 2011, the sublimation equation's coefficients aᵢ and exponents bᵢ, and the triple point.
constexpr std::array<double, 3> kA = {-0.212144006e2, 0.273203819e2, -0.610598130e1};
constexpr std::array<double, 3> kB = {0.333333333e-2, 0.120666667e1, 0.170333333e1};
constexpr double kTripleTemperature = 273.16;  // K
constexpr double kTriplePressure = 611.657;    // Pa

}  // namespace

double if97_saturation_pressure(double kelvin) {
    const double theta = kelvin + kN[8] / (kelvin - kN[9]);
    const double a = theta * theta + kN[0] * theta + kN[1];
    const double b = kN[2] * theta * theta + kN[3] * theta + kN[4];
    const double c = kN[5] * theta * theta + kN[6] * theta + kN[7];
    const double ratio = 2.0 * c / (-b + std::sqrt(b * b - 4.0 * a * c));
    return std::pow(ratio, 4) * 1.0e6;
}

double ice_sublimation_pressure(double kelvin) {
    const double theta = kelvin / kTripleTemperature;
    double sum = 0.0;
    for (std::size_t i = 0; i < kA.size(); ++i) sum += kA[i] * std::pow(theta, kB[i]);
    return kTriplePressure * std::exp(sum / theta);
}

double saturation_pressure(double celsius) {
    const double kelvin = celsius + 273.15;
    return (over_ice(celsius) ? ice_sublimation_pressure(kelvin) : if97_saturation_pressure(kelvin)) / 1000.0;
}

}  // namespace vxr::calc
