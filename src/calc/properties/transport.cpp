#include "calc/properties/transport.h"

#include <array>
#include <cmath>
#include <numbers>

namespace vxr::calc::water {
namespace {

constexpr double kTStar = 647.096;   // K
constexpr double kRhoStar = 322.0;   // kg/m³
constexpr double kPStar = 22.064;    // MPa
constexpr double kR95 = 0.46151805;  // kJ/(kg·K), the gas constant the 2011 release reduces cp with

// Viscosity, R12-08 tables 1 and 2 (Hᵢⱼ by rows i = 0 … 5, columns j = 0 … 6).
constexpr std::array<double, 4> kH = {1.67752, 2.20462, 0.6366564, -0.241605};
constexpr double kHij[6][7] = {
    {5.20094e-1, 2.22531e-1, -2.81378e-1, 1.61913e-1, -3.25372e-2, 0.0, 0.0},
    {8.50895e-2, 9.99115e-1, -9.06851e-1, 2.57399e-1, 0.0, 0.0, 0.0},
    {-1.08374, 1.88797, -7.72479e-1, 0.0, 0.0, 0.0, 0.0},
    {-2.89555e-1, 1.26613, -4.89837e-1, 0.0, 6.98452e-2, 0.0, -4.35673e-3},
    {0.0, 0.0, -2.57040e-1, 0.0, 0.0, 8.72102e-3, 0.0},
    {0.0, 1.20573e-1, 0.0, 0.0, 0.0, 0.0, -5.93264e-4},
};

// Thermal conductivity, R15-11 tables 1 and 2 (Lᵢⱼ by rows i = 0 … 4, columns j = 0 … 5).
constexpr std::array<double, 5> kL = {2.443221e-3, 1.323095e-2, 6.770357e-3, -3.454586e-3, 4.096266e-4};
constexpr double kLij[5][6] = {
    {1.60397357, -0.646013523, 0.111443906, 0.102997357, -0.0504123634, 0.00609859258},
    {2.33771842, -2.78843778, 1.53616167, -0.463045512, 0.0832827019, -0.00719201245},
    {2.19650529, -4.54580785, 3.55777244, -1.40944978, 0.275418278, -0.0205938816},
    {-1.21051378, 1.60812989, -0.621178141, 0.0716373224, 0.0, 0.0},
    {-2.7203370, 4.57586331, -3.18369245, 1.1168348, -0.19268305, 0.012913842},
};

// R15-11 table 6: the coefficients Aᵢⱼ of 1/ζ(T̄R, ρ̄), one column j per density range (upper bounds of ρ̄ in
// kRanges, the last open), stored by column.
constexpr std::array<double, 4> kRanges = {0.310559006, 0.776397516, 1.242236025, 1.863354037};
constexpr double kA[5][6] = {
    {6.53786807199516, -5.61149954923348, 3.39624167361325, -2.27492629730878, 10.2631854662709, 1.97815050331519},
    {6.52717759281799, -6.30816983387575, 8.08379285492595, -9.82240510197603, 12.1358413791395, -5.54349664571295},
    {5.35500529896124, -3.96415689925446, 8.91990208918795, -12.0338729505790, 9.19494865194302, -2.16866274479712},
    {1.55225959906681, 0.464621290821181, 8.93237374861479, -11.0321960061126, 6.16780999933360, -0.965458722086812},
    {1.11999926419994, 0.595748562571649, 9.88952565078920, -10.3255051147040, 4.66861294457414, -0.503243546373828},
};

// Σᵢ (1/T̄ − 1)ⁱ·Σⱼ Cᵢⱼ(ρ̄ − 1)ʲ, the double sum of μ̄1 and λ̄1.
template <int I, int J>
double double_sum(const double (&c)[I][J], double tr, double dr) {
    const double x = 1.0 / tr - 1.0, y = dr - 1.0;
    double total = 0.0, xi = 1.0;
    for (int i = 0; i < I; ++i, xi *= x) {
        double inner = 0.0;
        for (int j = J - 1; j >= 0; --j) inner = inner * y + c[i][j];
        total += xi * inner;
    }
    return total;
}

// λ̄2 from the reduced state: Δχ̄ measures how far the compressibility exceeds that of the reference isotherm.
double enhancement(double tr, double dr, double cp, double cv, double drho_dp, double mu) {
    std::size_t range = 0;
    while (range < kRanges.size() && dr > kRanges[range]) ++range;
    double inverse_zeta_ref = 0.0;
    for (int i = 5; i >= 0; --i) inverse_zeta_ref = inverse_zeta_ref * dr + kA[range][i];
    const double zeta = drho_dp * kPStar / kRhoStar;
    const double chi = dr * (zeta - 1.5 / tr / inverse_zeta_ref);
    if (!(chi > 0.0)) return 0.0;
    const double xi = 0.13 * std::pow(chi / 0.06, 0.630 / 1.239);  // nm
    const double y = xi / 0.40;
    if (y < 1.2e-7) return 0.0;
    // Near the critical point cp diverges; an unbounded or negative value is held at 1e13 (reduced).
    double cp_bar = cp / kR95;
    if (!(cp_bar >= 0.0 && cp_bar <= 1e13)) cp_bar = 1e13;
    const double inverse_kappa = cv / cp;
    const double z = 2.0 / (std::numbers::pi * y) *
                     (((1.0 - inverse_kappa) * std::atan(y) + inverse_kappa * y) -
                      (1.0 - std::exp(-1.0 / (1.0 / y + y * y / (3.0 * dr * dr)))));
    return 177.8514 * dr * cp_bar * tr / (mu * 1e6) * z;
}

}  // namespace

double viscosity(double t, double rho) {
    const double tr = t / kTStar, dr = rho / kRhoStar;
    double denominator = 0.0;
    for (int i = 3; i >= 0; --i) denominator = denominator / tr + kH[i];
    const double mu0 = 100.0 * std::sqrt(tr) / denominator;
    const double mu1 = std::exp(dr * double_sum(kHij, tr, dr));
    return mu0 * mu1 * 1e-6;
}

bool viscosity_near_critical(double t, double rho) {
    return t > 645.91 && t < 650.77 && rho > 245.8 && rho < 405.3;
}

double thermal_conductivity_background(double t, double rho) {
    const double tr = t / kTStar, dr = rho / kRhoStar;
    double denominator = 0.0;
    for (int k = 4; k >= 0; --k) denominator = denominator / tr + kL[k];
    const double lambda0 = std::sqrt(tr) / denominator;
    const double lambda1 = std::exp(dr * double_sum(kLij, tr, dr));
    return lambda0 * lambda1 * 1e-3;
}

double thermal_conductivity(double t, double rho, double cp, double cv, double drho_dp, double mu) {
    const double tr = t / kTStar, dr = rho / kRhoStar;
    return thermal_conductivity_background(t, rho) + enhancement(tr, dr, cp, cv, drho_dp, mu) * 1e-3;
}

double surface_tension(double t) {
    const double tau = 1.0 - t / kTStar;
    return 235.8e-3 * std::pow(tau, 1.256) * (1.0 - 0.625 * tau);
}

}  // namespace vxr::calc::water
