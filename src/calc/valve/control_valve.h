// The flow coefficient of a control valve for a liquid or a gas, by IEC 60534-2-1 (2011), in Kv (m³/h), with the
// standard's numerical constants for Kv, m³/h, kPa, mm and K:
//
//   liquid, turbulent:  Kv = Q/(N1·FP)·√((ρ1/ρ0)/Δp)                  Δp = p1 − p2
//           choked:     Kv = Q/(N1·FLP)·√((ρ1/ρ0)/(p1 − FF·pv))      when Δp ≥ (FLP/FP)²·(p1 − FF·pv)
//                       FF = 0.96 − 0.28·√(pv/pc)
//   gas, turbulent:     Kv = Q/(N9·FP·p1·Y)·√(M·T1·Z/x)               x = Δp/p1, Y = 1 − x/(3·Fγ·xTP), Fγ = γ/1.40
//           choked:     x ≥ Fγ·xTP: x taken as Fγ·xTP, Y = 2/3
//   fittings:           FP = 1/√(1 + ΣK/N2·(Kv/d²)²),  ΣK = K1 + K2 + KB1 − KB2
//                       FLP = FL/√(1 + FL²/N2·(K1 + KB1)·(Kv/d²)²),  xTP = (xT/FP²)/(1 + xT·(K1 + KB1)/N5·(Kv/d²)²)
//                       K1 = 0.5·(1 − d²/D1²)²,  K2 = 1.0·(1 − d²/D2²)²,  KB = 1 − (d/D)⁴
//   Reynolds number:    Rev = N4·Fd·Q/(ν·√(Kv·FL))·(FL²·Kv²/(N2·D1⁴) + 1)^(1/4)
//   non-turbulent:      liquid Kv = Q/(N1·FR)·√((ρ1/ρ0)/Δp),  gas Kv = Q/(N22·FR)·√(M·T1/(Δp·(p1 + p2)))
//                       FR = min(1 + 0.33·√FL/n1^(1/4)·lg(Rev/10000), 0.026/FL·√(n1·Rev)),  n1 = N2/(Kv/d²)²
//                       (the second alone below Rev = 10, and not above 1), full-size trim
//
// N1 = 0.1, N2 = 1.60×10⁻³, N4 = 7.07×10⁻², N5 = 1.80×10⁻³, N9 = 24.6 and N22 = 17.3 (gas flow in m³/h at 0 ℃ and
// 101.325 kPa), N18 = 0.865; ρ0 = 999.1033 kg/m³, water at 15 ℃. The gas flow Q is the normal flow (Nm³/h); its
// Reynolds number takes the actual flow at the inlet, Q1 = Q·(101.325/p1)·(T1/273.15)·Z, with ν = μ/ρ1 and
// ρ1 = p1·M/(Z·R·T1).
//
// The order of the standard's procedure: Kv of the bare valve (FP = 1, FLP = FL, xTP = xT), its Reynolds number from
// it; from Rev ≥ 10000 turbulent: FP, FLP and xTP from the last Kv, Kv again, until a step raises Kv by less than
// 1 % (the last Kv and the factors it was found with are the results; 20 steps at most, else the page says it
// did not converge); below, non-turbulent: Ci = 1.3·Kv (Kv of the non-turbulent equation with FR = 1), Rev and FR from
// Ci, and Ci raised by 30 % until Kv/FR ≤ Ci, which is then the result (FP, FLP, xTP and Y are not used).
#pragma once

#include <array>
#include <string>

#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

enum class ValveMedium { Liquid, Gas };

struct ControlValveInput {
    std::string flow;                          // Q: liquid m³/h at the inlet, gas Nm³/h (0 ℃, 101.325 kPa)
    std::string inlet_pressure;                // p1, kPa absolute
    std::string outlet_pressure;               // p2, kPa absolute
    std::string temperature;                   // t1, ℃ (read by the gas calculation)
    std::string density;                       // ρ1, kg/m³ (liquid)
    std::string vapour_pressure;               // pv, kPa absolute (liquid)
    std::string critical_pressure;             // pc, kPa absolute (liquid)
    std::string viscosity;                     // μ, mPa·s
    std::string molar_mass;                    // M, kg/kmol (gas)
    std::string heat_ratio;                    // γ (gas)
    std::string compressibility;               // Z (gas)
    std::string recovery;                      // FL
    std::string ratio_factor;                  // xT (gas)
    std::string style_modifier;                // Fd
    std::string pipe_in;                       // D1, mm
    std::string pipe_out;                      // D2, mm
    std::string valve_size;                    // d, mm
    ValveMedium medium = ValveMedium::Liquid;  // the other medium's fields are never read
};

// Results in order: Kv, Cv, the regime, the choking limit (liquid Δp, gas x), FP, Y (gas), Rev.
frame::Outcome<ControlValveInput> control_valve(const ControlValveInput& in);

namespace control_valve_fields {
using In = ControlValveInput;
using frame::input, frame::option, frame::result, frame::Property;
constexpr const char* kMedium = "cvMedium";
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {option(kMedium, "cvLiquid", "液体", true, "流经阀门的介质为液体"),
     {},
     [](In& in) { in.medium = ValveMedium::Liquid; }},
    {option(kMedium, "cvGas", "气体或蒸汽", false, "流经阀门的介质为气体或蒸汽"),
     {},
     [](In& in) { in.medium = ValveMedium::Gas; }},
    {input("cvFlow", "流量（m³/h）：", "360", {"Q", "m3/h", "阀前状态下液体的体积流量", "0.1～5000 m³/h"}), &In::flow},
    {input("cvInletPressure", "阀前压力（kPa(A)）：", "680",
           {"p1", "kPa", "阀前（含渐缩管之前）的绝对压力", "50～40000 kPa"}),
     &In::inlet_pressure},
    {input("cvOutletPressure", "阀后压力（kPa(A)）：", "220",
           {"p2", "kPa", "阀后（含渐扩管之后）的绝对压力", "10～40000 kPa"}),
     &In::outlet_pressure},
    {input("cvTemperature", "阀前温度（℃）：", "90",
           {"t1", "degC", "阀前介质的温度：气体按它计算，液体为查取物性的温度", "-200～600 ℃"}),
     &In::temperature},
    {input("cvDensity", "液体密度（kg/m³）：", "965.4",
           {"ρ1", "kg/m3", "阀前温度下液体的密度", "500～2000 kg/m³", Property::Density}),
     &In::density},
    {input("cvVapourPressure", "饱和蒸气压（kPa）：", "70.1",
           {"pv", "kPa", "阀前温度下液体的饱和蒸气压（绝压）", "0～20000 kPa", Property::VapourPressure}),
     &In::vapour_pressure},
    {input("cvCriticalPressure", "临界压力（kPa）：", "22120",
           {"pc", "kPa", "液体的热力学临界压力（水 22064 kPa）", "1000～25000 kPa", Property::CriticalPressure}),
     &In::critical_pressure},
    {input("cvViscosity", "动力粘度（mPa·s）：", "0.31472",
           {"μ", "mPa s", "阀前状态下液体的动力粘度", "0.1～1000 mPa·s", Property::Viscosity}),
     &In::viscosity},
    {input("cvMolarMass", "摩尔质量（kg/kmol）：", "44.01",
           {"M", "kg/kmol", "气体的摩尔质量", "2～200 kg/kmol", Property::MolarMass}),
     &In::molar_mass},
    {input("cvHeatRatio", "绝热指数 γ：", "1.30",
           {"γ", "", "阀前状态下气体的比热比 cp/cv", "1.05～1.67", Property::HeatRatio}),
     &In::heat_ratio},
    {input("cvCompressibility", "压缩因子 Z：", "0.988",
           {"Z", "", "阀前状态下气体的压缩因子", "0.5～1.05", Property::Compressibility}),
     &In::compressibility},
    {input("cvFL", "压力恢复系数 FL：", "0.9", {"FL", "", "无管件时阀门的液体压力恢复系数（制造厂给出）", "0.5～0.98"}),
     &In::recovery},
    {input("cvXT", "压差比系数 xT：", "0.60", {"xT", "", "无管件时阀门阻塞流的压差比系数（制造厂给出）", "0.1～0.9"}),
     &In::ratio_factor},
    {input("cvFd", "阀型修正系数 Fd：", "0.46", {"Fd", "", "阀门类型修正系数（制造厂给出）", "0.1～1"}),
     &In::style_modifier},
    {input("cvPipeIn", "阀前管内径（mm）：", "150", {"D1", "mm", "阀前管道（渐缩管之前）的内径", "10～1000 mm"}),
     &In::pipe_in},
    {input("cvPipeOut", "阀后管内径（mm）：", "150", {"D2", "mm", "阀后管道（渐扩管之后）的内径", "10～1000 mm"}),
     &In::pipe_out},
    {input("cvValveSize", "阀门公称通径（mm）：", "150", {"d", "mm", "阀门的公称通径", "10～1000 mm"}),
     &In::valve_size},
    {result("cvKv", "Kv（m³/h）：", {"Kv", "m3/h", "所需流量系数", ""})},
    {result("cvCv", "Cv：", {"Cv", "", "Cv = 1.156·Kv", ""})},
    {result("cvRegime", "流态：", {"", "", "湍流、阻塞流（Rev ≥ 10000），过渡流、层流（Rev < 10000）", ""})},
    {result("cvChoke", "阻塞压差（kPa）：", {"ΔpChoked", "kPa", "ΔpChoked = (FLP/FP)²·(p1 − FF·pv)", ""})},
    {result("cvFP", "管件几何系数 FP：", {"FP", "", "FP = 1/√(1 + ΣK/N2·(Kv/d²)²)", ""})},
    {result("cvY", "膨胀系数 Y：", {"Y", "", "Y = 1 − x/(3·Fγ·xTP)", ""})},
    {result("cvRe", "阀门雷诺数 Rev：", {"Rev", "", "Rev = N4·Fd·Q/(ν·√(Kv·FL))·(FL²·Kv²/(N2·D1⁴) + 1)^(1/4)", ""})},
});
static_assert(frame::covers_every_member(kFields));

// The fields that a gas reads under another caption and meaning (the table gives a liquid's), with the gas's own
// default texts: each medium keeps its own flow and viscosity.
constexpr frame::Field kGasFields[] = {
    input("cvFlow", "流量（Nm³/h）：", "3800",
          {"Q", "Nm3/h", "标准状态（0 ℃、101.325 kPa）下气体的体积流量 Nm³/h", "1～100000 Nm³/h"}),
    input("cvViscosity", "动力粘度（mPa·s）：", "0.014665",
          {"μ", "mPa s", "阀前状态下气体的动力粘度", "0.005～0.05 mPa·s", Property::Viscosity}),
    result("cvChoke", "阻塞压差比 x：", {"xChoked", "", "xChoked = Fγ·xTP", ""}),
};
}  // namespace control_valve_fields

}  // namespace vxr::calc
