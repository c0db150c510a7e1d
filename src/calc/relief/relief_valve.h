// Minimum relieving area of a safety valve, by the pressure-vessel code method.
//
//   P = Ps·(1 + over/100) + Pa       relieving pressure, MPa absolute
//   Po = Pb + Pa                     back pressure, MPa absolute
//   gas, Po/P ≤ rc (critical):     A = W / (7.6×10⁻²·C·K·Kb·P·√(M/(Z·T)))
//   gas, Po/P > rc (subcritical):  A = W / (55.84·K·Kb·P·√((k/(k − 1))·[(Po/P)^(2/k) − (Po/P)^((k + 1)/k)])·√(M/(Z·T)))
//   liquid:                        A = W / (5.1·K·Kw·√(ρ·(P − Po)))
//   rc = (2/(k + 1))^(k/(k − 1)),  C = 520·√(k·(2/(k + 1))^((k + 1)/(k − 1))),  d0 = √(4·A/π)
//
// W in kg/h, P in MPa, T in K, ρ in kg/m³, A in mm², d0 in mm. At Po/P = rc the two gas formulas differ by their
// rounded constants (0.076·520 = 39.52 against 55.84/√2 = 39.48): the subcritical area is 1.00089 times the critical
// one there. Kb (Kw for a liquid) is the back-pressure correction of a balanced-bellows valve, read from its maker's
// curve; 1 for a conventional valve, which the notes warn against above a back pressure of 10 % of the set pressure.
// The liquid formula has no viscosity correction (it holds for liquids of about water's viscosity); two-phase flow
// is outside the method.
//
// The valve opens only below its set pressure: Pb < Ps is required. With the overpressure not negative that makes
// Po < P, so the gas pressure ratio stays below 1 and the liquid's P − Po above 0.
#pragma once

#include <array>
#include <string>

#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

enum class ReliefMedium { Gas, Liquid };

struct ReliefInput {
    std::string flow;                         // W, kg/h
    std::string set_pressure;                 // Ps, MPa gauge
    std::string overpressure;                 // %, of the set pressure
    std::string back_pressure;                // Pb, MPa gauge
    std::string back_pressure_factor;         // Kb (Kw for a liquid), back-pressure correction factor
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

namespace relief {
using In = ReliefInput;
using frame::input, frame::option, frame::result;
constexpr const char* kMedium = "reliefMedium";
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {option(kMedium, "reliefGas", "气体或蒸汽", true, "泄放介质为气体或蒸汽"),
     {},
     [](In& in) { in.medium = ReliefMedium::Gas; }},
    {option(kMedium, "reliefLiquid", "液体", false, "泄放介质为液体"),
     {},
     [](In& in) { in.medium = ReliefMedium::Liquid; }},
    {input("reliefFlow", "泄放量（kg/h）：", "10000", {"W", "kg/h", "安全阀须泄放的质量流量", "10～500000 kg/h"}),
     &In::flow},
    {input("reliefSetPressure", "整定压力（MPa，表压）：", "1.0",
           {"Ps", "MPa", "安全阀的整定（开启）压力，表压", "0.1～30 MPa"}),
     &In::set_pressure},
    {input("reliefOverpressure", "超压（%）：", "10", {"", "percent", "泄放时的超压，占整定压力的百分数", "10～21 %"}),
     &In::overpressure},
    {input("reliefBackPressure", "背压（MPa，表压）：", "0", {"Pb", "MPa", "安全阀出口的背压，表压", "0～0.5 MPa"}),
     &In::back_pressure},
    {input("reliefBackPressureFactor", "背压修正系数 Kb（液体为 Kw）：", "1",
           {"Kb", "", "平衡波纹管阀的背压修正系数（液体为 Kw），按制造厂曲线；普通安全阀取 1", "0.6～1"}),
     &In::back_pressure_factor},
    {input("reliefAtmosphere", "当地大气压（MPa）：", "0.1013",
           {"Pa", "MPa", "当地大气压（绝压）", "0.08～0.1013 MPa"}),
     &In::atmosphere},
    {input("reliefCoefficient", "额定泄放系数 K：", "0.65",
           {"K", "", "安全阀的额定泄放系数（制造厂给出）", "0.6～0.975"}),
     &In::coefficient},
    {input("reliefMolarMass", "摩尔质量（kg/kmol）：", "29", {"M", "kg/kmol", "气体的摩尔质量", "2～200 kg/kmol"}),
     &In::molar_mass},
    {input("reliefTemperature", "泄放温度（℃）：", "50", {"t", "degC", "泄放状态下气体的温度", "-100～600 ℃"}),
     &In::temperature},
    {input("reliefZ", "压缩因子 Z：", "1", {"Z", "", "泄放状态下气体的压缩因子", "0.3～1.1"}), &In::compressibility},
    {input("reliefAdiabaticExponent", "绝热指数 k：", "1.4", {"k", "", "气体的绝热指数 cp/cv", "1.01～1.67"}),
     &In::exponent},
    {input("reliefDensity", "液体密度（kg/m³）：", "1000", {"ρ", "kg/m3", "泄放温度下液体的密度", "500～2000 kg/m³"}),
     &In::density},
    {result("reliefPressure", "泄放压力（MPa，绝压）：", {"P", "MPa", "P = Ps·(1 + 超压/100) + Pa", ""})},
    {result("reliefRegime", "流动状态：", {"", "", "Po/P ≤ rc 为临界流动，否则为亚临界流动", ""})},
    {result("reliefCriticalRatio", "临界压力比：", {"rc", "", "rc = (2/(k + 1))^(k/(k − 1))", ""})},
    {result("reliefC", "气体特性系数 C：", {"C", "", "C = 520·√(k·(2/(k + 1))^((k + 1)/(k − 1)))", ""})},
    {result("reliefArea", "最小泄放面积（mm²）：", {"A", "mm2", "安全阀所需的最小泄放面积", ""})},
    {result("reliefThroat", "最小喉径（mm）：", {"d0", "mm", "d0 = √(4·A/π)", ""})},
});
static_assert(frame::covers_every_member(kFields));
}  // namespace relief

}  // namespace vxr::calc
