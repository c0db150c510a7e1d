#include "calc/properties/water_steam.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

#include "calc/properties/if97.h"
#include "calc/properties/transport.h"

namespace vxr::calc::water {
namespace {

constexpr double kKelvin = 273.15;
constexpr double kHighestCelsius = 800.0;
constexpr double kSaturationBand = 1e-9;  // relative distance from ps(t) that counts as on the saturation line
// Just below Tc the loop of region 3's isotherm is so flat that eq. 30's ps(T) lies above the highest pressure of
// its vapour branch (if97.h): the equation has no saturated vapour there, and the density search ends at the
// spinodal, where cp and λ have no bound (3·10¹⁴ kJ/(kg·K) and 3762 W/(m·K) at 4·10⁻⁵ K below Tc). Measured by
// bisection on the search's pressure against ps(T): the vapour branch falls short of ps(T) for Tc − T below
// 3.4621·10⁻⁵ K (t above 373.9459654 ℃) and reaches it (to 1e-13 of ps) from there down to 623.15 K; the liquid
// branch reaches it (to 1e-12) all the way to the critical point. Within this band the saturated vapour (and r = h″ −
// h′) has no value.
constexpr double kVapourShortOfPs = 3.47e-5;  // K below Tc

const char* const kNoNumber = "请输入有效的数值。";
const char* const kTooCold = "温度低于 0 ℃，超出计算范围（0～800 ℃）。";
const char* const kTooHot = "温度高于 800 ℃，超出计算范围（0～800 ℃）。";
const char* const kNoPressure = "压力必须大于零（绝对压力）。";
const char* const kTooHighPressure = "压力高于 100 MPa，超出计算范围。";
const char* const kOnSaturationLine = "该状态在饱和线上，请用“饱和（按温度）”或“饱和（按压力）”。";
const char* const kSaturationTemperature = "饱和温度须在 0～373.946 ℃（临界温度）之间。";
const char* const kAboveCritical = "饱和压力高于临界压力 22.064 MPa，不存在饱和状态。";
const char* const kBelowTriple = "饱和压力低于 0.611213 kPa（0 ℃ 的饱和压力），饱和温度低于 0 ℃，超出计算范围。";
const char* const kDryness = "干度须在 0～1 之间。";
const char* const kAtCriticalPoint = "该状态过于接近临界点，物性无法计算。";

// The transport properties and the Prandtl number of an IF97 state; false if any property is no finite number
// (which the critical point, taken apart before, would give).
bool complete(const if97::State& s, int region, Properties& out) {
    out.region = region;
    out.rho = s.rho;
    out.v = 1.0 / s.rho;
    out.h = s.h;
    out.s = s.s;
    out.cp = s.cp;
    out.cv = s.cv;
    out.w = s.w;
    out.mu = viscosity(s.t, s.rho);
    out.lambda = thermal_conductivity(s.t, s.rho, s.cp, s.cv, s.drho_dp, out.mu);
    out.pr = s.cp * 1000.0 * out.mu / out.lambda;
    out.mu_approximate = viscosity_near_critical(s.t, s.rho);
    for (double value : {out.rho, out.h, out.s, out.cp, out.cv, out.w, out.mu, out.lambda, out.pr})
        if (!std::isfinite(value)) return false;
    return true;
}

// Within this relative distance of Tc (and of pc) a state is the critical point.
bool critical(double t) {
    return std::abs(t - if97::kTc) <= kSaturationBand * if97::kTc;
}

// The critical point, ρ = ρc: cp, λ and Pr are infinite there.
Properties critical_point() {
    Properties out{};
    complete(if97::region3(if97::kTc, if97::kRhoc), 3, out);
    out.cp = out.lambda = out.pr = std::numeric_limits<double>::infinity();
    return out;
}

// A phase the equations have no state of: every property not a number.
Properties none(int region) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return {region, nan, nan, nan, nan, nan, nan, nan, nan, nan, nan, false};
}

// The saturated liquid and vapour at t (K) and p (MPa) on the saturation line.
Answer<Saturation> saturation(double t, double p) {
    if (critical(t))
        return Saturation{if97::kTc - kKelvin, if97::kPc * 1000.0, critical_point(), critical_point(), 0, 0};
    // Region 3 above 623.15 K, told by the pressure so that the same pressure, reached from t or from p, picks the
    // same equations whatever the last bit of eq. 31's inverse.
    static const double p13 = if97::saturation_pressure(if97::kT13);
    const bool region3 = p > p13;
    const if97::State liquid =
        region3 ? if97::region3(t, if97::region3_density(t, p, if97::Branch::liquid)) : if97::region1(t, p);
    Saturation out{};
    out.t_c = t - kKelvin;
    out.p_kpa = p * 1000.0;
    if (!complete(liquid, region3 ? 3 : 1, out.liquid)) return Refusal{kAtCriticalPoint};
    if (region3 && if97::kTc - t < kVapourShortOfPs) {
        out.vapour = none(3);
        out.r = out.vapour.h;
    } else {
        const if97::State vapour =
            region3 ? if97::region3(t, if97::region3_density(t, p, if97::Branch::vapour)) : if97::region2(t, p);
        if (!complete(vapour, region3 ? 3 : 2, out.vapour)) return Refusal{kAtCriticalPoint};
        out.r = vapour.h - liquid.h;
    }
    out.sigma = surface_tension(t);
    return out;
}

Answer<WetSteam> wet(const Answer<Saturation>& line, double x) {
    if (const auto* refusal = std::get_if<Refusal>(&line)) return *refusal;
    if (!(x >= 0.0 && x <= 1.0)) return Refusal{std::isfinite(x) ? kDryness : kNoNumber};
    const Saturation& sat = std::get<Saturation>(line);
    WetSteam out{};
    out.t_c = sat.t_c;
    out.p_kpa = sat.p_kpa;
    out.x = x;
    out.v = sat.liquid.v + x * (sat.vapour.v - sat.liquid.v);
    out.rho = 1.0 / out.v;
    out.h = sat.liquid.h + x * (sat.vapour.h - sat.liquid.h);
    out.s = sat.liquid.s + x * (sat.vapour.s - sat.liquid.s);
    out.line = sat;
    return out;
}

}  // namespace

Answer<Properties> at(double t_c, double p_kpa) {
    if (!std::isfinite(t_c) || !std::isfinite(p_kpa)) return Refusal{kNoNumber};
    if (t_c < 0.0) return Refusal{kTooCold};
    if (t_c > kHighestCelsius) return Refusal{kTooHot};
    if (!(p_kpa > 0.0)) return Refusal{kNoPressure};
    if (p_kpa > if97::kPHighest * 1000.0) return Refusal{kTooHighPressure};
    const double t = t_c + kKelvin, p = p_kpa / 1000.0;
    if (critical(t) && std::abs(p - if97::kPc) <= kSaturationBand * if97::kPc) return critical_point();

    const double ps = t < if97::kTc ? if97::saturation_pressure(t) : 0.0;
    if (t < if97::kTc && std::abs(p - ps) <= kSaturationBand * ps) return Refusal{kOnSaturationLine};
    if97::State state{};
    int region = 2;
    if (t <= if97::kT13) {
        region = p > ps ? 1 : 2;
        state = region == 1 ? if97::region1(t, p) : if97::region2(t, p);
    } else if (t <= if97::kTB23Highest && p > if97::b23_pressure(t)) {
        region = 3;
        const auto branch = t >= if97::kTc ? if97::Branch::single
                            : p > ps       ? if97::Branch::liquid
                                           : if97::Branch::vapour;
        state = if97::region3(t, if97::region3_density(t, p, branch));
        state.p = p;  // the density solves p(ρ, t) = p to 1e-13 of ρ: report the pressure asked for
    } else {
        state = if97::region2(t, p);
    }
    Properties out{};
    if (!complete(state, region, out)) return Refusal{kAtCriticalPoint};
    return out;
}

Answer<Saturation> saturation_at_temperature(double t_c) {
    if (!std::isfinite(t_c)) return Refusal{kNoNumber};
    const double t = t_c + kKelvin;
    if (t < if97::kTLowest || t > if97::kTc) return Refusal{kSaturationTemperature};
    return saturation(t, if97::saturation_pressure(t));
}

Answer<Saturation> saturation_at_pressure(double p_kpa) {
    if (!std::isfinite(p_kpa)) return Refusal{kNoNumber};
    if (!(p_kpa > 0.0)) return Refusal{kNoPressure};
    const double p = p_kpa / 1000.0;
    if (p > if97::kPc) return Refusal{kAboveCritical};
    if (p < if97::saturation_pressure(if97::kTLowest)) return Refusal{kBelowTriple};
    // Eq. 31 inverts eq. 30 to within 1e-12 K or so; the clamp keeps its ends inside the line's range.
    const double t = std::clamp(if97::saturation_temperature(p), if97::kTLowest, if97::kTc);
    return saturation(t, p);
}

Answer<WetSteam> wet_at_temperature(double t_c, double x) {
    return wet(saturation_at_temperature(t_c), x);
}

Answer<WetSteam> wet_at_pressure(double p_kpa, double x) {
    return wet(saturation_at_pressure(p_kpa), x);
}

double saturation_pressure_pa(double kelvin) {
    return if97::saturation_pressure(kelvin) * 1e6;
}

}  // namespace vxr::calc::water
