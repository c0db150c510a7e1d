// Film coefficient of a fluid in forced flow through a pipe: straight, bent, coiled, or the gap of an annulus,
// with the fluid heated or cooled.
//
//   Re = d·u·ρ/μ,  Pr = cp·μ/λ
//   turbulent,  Re ≥ 10000:        α = 0.027·(λ/d)·Re^0.8·Pr^0.33·f   (viscous fluid, μ > 0.002 Pa·s)
//                                  α = 0.023·(λ/d)·Re^0.8·Pr^n        (μ ≤ 0.002 Pa·s)
//   transition, 2300 ≤ Re < 10000: the turbulent α times φ = 1 − 600000/Re^1.8
//   laminar,    Re < 2300:         α = 1.86·Re^0.33·Pr^0.33·(d/L)^0.33·f·(λ/d)
//
// Heating takes n = 0.4 and f = 1.05, cooling n = 0.3 and f = 0.95. A bend multiplies α by (1 + 1.77·d/R), a
// coil by (1 + 3.5·d/D); the annulus replaces it by its own correlation in the diameter ratio d₂/d₁.
//
// Validity, noted as warnings: the thin-fluid form for 0.7 ≤ Pr ≤ 160, the viscous-fluid form for
// 0.7 ≤ Pr ≤ 16700, both for L/d ≥ 60 (no entry-length correction is made).
// Worked example (water at the page's defaults: d 0.1 m, u 1.5 m/s, ρ 1000, μ 0.001, cp 4180, λ 0.618, heated,
// straight): Re = 150000, Pr = 6.76, α = 4223.422 W/(m²·℃).
#pragma once

#include <array>
#include <string>

#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

enum class PipeShape { Straight, Bent, Coil, Annulus };

// The field texts of one case. A text is turned into a number only where the chosen branch uses it.
struct ConvectionInput {
    std::string diameter;        // d, pipe inside diameter, m
    std::string velocity;        // u, m/s
    std::string density;         // ρ, kg/m³
    std::string viscosity;       // μ, Pa·s
    std::string specific_heat;   // cp, J/(kg·℃)
    std::string conductivity;    // λ, W/(m·℃)
    std::string bend_radius;     // R, bent pipe only, m
    std::string coil_diameter;   // D, coil only, m
    std::string length;          // L, laminar flow only, m
    std::string inner_diameter;  // d₁, annulus inner pipe, m
    std::string outer_diameter;  // d₂, annulus outer pipe, m
    PipeShape shape = PipeShape::Straight;
    bool heated = true;
};

// α in W/(m²·℃) through the result mask with its notes, or the data-check failure.
frame::Outcome<ConvectionInput> convection_film_coefficient(const ConvectionInput& in);

namespace convection {
using In = ConvectionInput;
using frame::input, frame::note, frame::option, frame::result, frame::Property;
constexpr const char* kShape = "Frame3";
constexpr const char* kHeating = "Frame4";
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {note("Text68", "流体名称：", "水", "流体名称（仅作记录）")},
    {input("Text67", "流体密度（Kg/M³）：", "1000",
           {"ρ", "kg/m3", "流体在定性温度下的密度", "0.5～2000 kg/m³", Property::Density}),
     &In::density},
    {input("Text65", "流体比热（J/(Kg.℃)：", "4180",
           {"cp", "J/(kg K)", "流体在定性温度下的定压比热容", "1000～5000 J/(kg·℃)", Property::SpecificHeat}),
     &In::specific_heat},
    {input("Text66", "流体粘度（Pa.s）：", "0.001",
           {"μ", "Pa s", "流体在定性温度下的动力粘度", "1e-5～1 Pa·s", Property::Viscosity}),
     &In::viscosity},
    {input("Text64", "流体导热系数W/(m.℃)：", "0.618",
           {"λ", "W/(m K)", "流体在定性温度下的导热系数", "0.01～0.7 W/(m·℃)", Property::Conductivity}),
     &In::conductivity},
    {input("Text63", "流体流速(m/s)：", "1.5", {"u", "m/s", "管内平均流速", "0.3～30 m/s"}), &In::velocity},
    {option(kShape, "Option3", "直管道：", true, "直管内强制对流"), {}, [](In& in) { in.shape = PipeShape::Straight; }},
    {input("Text59", "管道内径（m）：", "0.1",
           {"d", "m", "管道内径；圆环隙时填当量直径 de = 外管内径 − 内管外径", "0.01～1 m"}),
     &In::diameter},
    {input("Text57", "管道长度（m）：", "2",
           {"L", "m", "管长：层流时计入 (d/L)^0.33，湍流时用于 L/d 校核", "0.5～50 m"}),
     &In::length},
    {option(kShape, "Option4", "弯曲管道：", false, "弯管：直管 α 乘以 (1 + 1.77·d/R)"),
     {},
     [](In& in) { in.shape = PipeShape::Bent; }},
    {input("Text62", "弯管半径(m)：", "0.5", {"R", "m", "弯管的曲率半径", "0.1～5 m"}), &In::bend_radius},
    {option(kShape, "Option5", "蛇管：", false, "蛇管：直管 α 乘以 (1 + 3.5·d/D)"),
     {},
     [](In& in) { in.shape = PipeShape::Coil; }},
    {input("Text61", "蛇管弯曲直径(m)：", "0.8", {"D", "m", "蛇管圈的弯曲直径", "0.2～5 m"}), &In::coil_diameter},
    {option(kShape, "Option6", "圆环隙：", false, "套管环隙"), {}, [](In& in) { in.shape = PipeShape::Annulus; }},
    {input("Text60", "圆环内管直径 (m)：", "0.15", {"d₁", "m", "套管环隙的内管外径", "0.01～1 m"}),
     &In::inner_diameter},
    {input("Text58", "圆环外管直径 (m)：", "0.1", {"d₂", "m", "套管环隙的外管内径", "0.01～1 m"}), &In::outer_diameter},
    {option(kHeating, "Option1", "流体被加热", true, "流体被加热：n = 0.4，f = 1.05"),
     {},
     [](In& in) { in.heated = true; }},
    {option(kHeating, "Option2", "流体被冷却", false, "流体被冷却：n = 0.3，f = 0.95"),
     {},
     [](In& in) { in.heated = false; }},
    {result("Text56", "传热膜系数W/(m².℃)：", {"α", "W/(m2 K)", "管内壁对流传热膜系数", ""})},
});
static_assert(frame::covers_every_member(kFields));
}  // namespace convection

}  // namespace vxr::calc
