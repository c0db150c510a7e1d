// Friction loss of a pipe run with its fittings, by the equivalent-length method and the Darcy–Weisbach equation.
//
//   Re = D·u·ρ / μ                          D = d / 1000, inside diameter in m
//   Le = L + D · Σ nᵢ·kᵢ                     kᵢ: equivalent length of one fitting in inside diameters
//   λ  = 64 / Re                                 Re < 2000, either law
//   1/√λ = −2·lg(ε/(3.7·d) + 2.51/(Re·√λ))       Re ≥ 2000, Colebrook: smooth, transitional and rough pipe alike
//   1/√λ = 1.74 − 2·lg(2ε / d)                   Re ≥ 2000, fully rough pipe (Nikuradse), ε and d in mm
//   hf = λ · (Le / D) · u² / 2                   J/kg;   h = hf / g,  g = 9.807 m/s²
//
// The fully rough law ignores Re and is low wherever the pipe is not fully rough (up to 20–40 % on clean steel and
// stainless); it is kept for cases worked with it. Colebrook's equation is validated for 4000 ≤ Re ≤ 10⁸ and
// 0 ≤ ε/d ≤ 0.05; below Re 4000 the flow is transitional and no λ is certain.
// Worked example (the page's defaults): d 100 mm, 1.5 m/s water (ρ 1000, μ 0.001), ε 0.5 mm, 60 m with 105.5
// bores of fittings: Re = 150000; Colebrook λ = 0.0310020, hf = 57.722 J/kg, h = 5.886 m; fully rough
// λ = 0.0303512, hf = 56.510 J/kg, h = 5.762 m.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

// Fittings in the order they are counted: 45° elbow, 90° elbow, 180° return bend, globe valve, gate valve, check
// valve, ball valve, flow meter.
constexpr std::size_t kFittingKinds = 8;

enum class FrictionLaw { Colebrook, FullyRough };

struct PipeRunInput {
    std::string inside_diameter;  // d, mm
    std::string velocity;         // u, m/s
    std::string density;          // ρ, kg/m³
    std::string viscosity;        // μ, Pa·s
    std::string roughness;        // ε, mm; read only in turbulent flow
    std::string length;           // L, straight length in m
    // Fitting counts; fractions and negatives are taken as they stand.
    std::string elbows_45;
    std::string elbows_90;
    std::string return_bends;
    std::string globe_valves;
    std::string gate_valves;
    std::string check_valves;
    std::string ball_valves;
    std::string flow_meters;
    FrictionLaw law = FrictionLaw::Colebrook;
};

// Each kind of fitting with the equivalent length of one, in inside diameters, in the order they are counted.
struct FittingKind {
    std::string PipeRunInput::*count;
    int diameters;
};
inline constexpr std::array<FittingKind, kFittingKinds> kFittings = {{
    {&PipeRunInput::elbows_45, 15},
    {&PipeRunInput::elbows_90, 40},
    {&PipeRunInput::return_bends, 60},
    {&PipeRunInput::globe_valves, 340},
    {&PipeRunInput::gate_valves, 30},
    {&PipeRunInput::check_valves, 100},
    {&PipeRunInput::ball_valves, 30},
    {&PipeRunInput::flow_meters, 400},
}};

namespace friction {
using In = PipeRunInput;
using frame::added, frame::input, frame::note, frame::option, frame::result, frame::Property;
constexpr const char* kLaw = "frictionLaw";
constexpr frame::About kCount{"n", "", "该管件的个数", "0～20"};
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {note("Text37", "管段号：", "RW0101-100 L1B ", "管段号（仅作记录）")},
    {note("Text36", "介质：", "水", "介质名称（仅作记录）")},
    {note("Text30", "管道种类：", "无缝钢管", "管道种类（仅作记录）")},
    {input("Text34", "密度（千克/立方米）：", "1000",
           {"ρ", "kg/m3", "流体在操作条件下的密度", "0.5～2000 kg/m³", Property::Density}),
     &In::density},
    {input("Text33", "流速(米/秒)：", "1.5", {"u", "m/s", "管内平均流速", "0.3～30 m/s"}), &In::velocity},
    {input("Text35", "介质粘度（Pa.s）：", "0.001",
           {"μ", "Pa s", "流体在操作条件下的动力粘度", "1e-5～1 Pa·s", Property::Viscosity}),
     &In::viscosity},
    // Added: a case written before the choice existed was worked with the fully rough law.
    {added(option(kLaw, "frictionColebrook", "Colebrook 公式（各流区）", true,
                  "Colebrook 公式：光滑管、过渡区和粗糙管通用"),
           ""),
     {},
     [](In& in) { in.law = FrictionLaw::Colebrook; }},
    {added(option(kLaw, "frictionFullyRough", "完全粗糙区公式", false,
                  "完全粗糙区公式 1/√λ = 1.74 − 2·lg(2ε/d)：不计 Re，未进入完全粗糙区时阻力偏低"),
           "1"),
     {},
     [](In& in) { in.law = FrictionLaw::FullyRough; }},
    {input("Text32", "管道内径（毫米）：", "100", {"d", "mm", "管道内径", "10～1000 mm"}), &In::inside_diameter},
    {input("Text31", "管道粗糙度（毫米）：", "0.5",
           {"ε", "mm", "管壁绝对粗糙度（新无缝钢管约 0.05～0.1 mm，旧钢管 0.2～0.5 mm）", "0.001～3 mm"}),
     &In::roughness},
    {input("Text23", "管道长度（米）：", "60", {"L", "m", "直管段长度", "1～5000 m"}), &In::length},
    {input("Text29", "45度弯头（个）：", "1", kCount), &In::elbows_45},
    {input("Text28", "90度弯头（个）：", "2", kCount), &In::elbows_90},
    {input("Text24", "180度弯头（个）：", "1", kCount), &In::return_bends},
    {input("Text25", "截止阀（个）：", "1", kCount), &In::globe_valves},
    {input("Text22", "闸阀（个）：", "1", kCount), &In::gate_valves},
    {input("Text21", "止回阀（个）：", "1", kCount), &In::check_valves},
    {input("Text20", "球阀（个）：", "1", kCount), &In::ball_valves},
    {input("Text19", "流量计（个）：", "1", kCount), &In::flow_meters},
    {result("Text27", "计算管道阻力（焦耳/千克）：", {"hf", "J/kg", "单位质量流体的摩擦阻力损失", ""})},
    {result("Text26", "计算管道阻力（米）：", {"Hf", "m", "以流体液柱高度表示的阻力损失 hf/g", ""})},
});
static_assert(frame::covers_every_member(kFields));
}  // namespace friction

// Darcy's λ by Colebrook's equation for Re > 0 and ε/d ≥ 0, solved to the last bit of a double; NaN where the
// equation has no root (ε/d of 3.7 or more).
double colebrook_lambda(double re, double relative_roughness);

// The loss of the run, or nothing when the data do not allow it (zero velocity or viscosity, a negative roughness, a
// smooth or negative one with the fully rough law, a text that is not a number).
// With the fully rough law, where the flow is turbulent but below the fully rough zone (roughness Reynolds number
// Re·(ε/d)·√(λ/8) < 70, Nikuradse's bound), the notes warn that λ underestimates the loss. With Colebrook's, they say
// where the flow is transitional (2000 ≤ Re < 4000) and where the case lies outside the equation's validated range.
// Results: hf in J/kg, then h in m of the flowing fluid, both through the result mask.
frame::Outcome<PipeRunInput> friction_loss(const PipeRunInput& run);

}  // namespace vxr::calc
