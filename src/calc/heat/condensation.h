// Film coefficient of a saturated vapour condensing in a film on a cooler wall (Nusselt film condensation), on four
// kinds of surface:
//
//   inclined flat surface:       α = 1.13·[ρl·(ρl − ρv)·g·sin θ·r·λ³ / (μ·L·Δt)]^0.25
//   outside of a vertical tube:  α = 1.13·[ρl·(ρl − ρv)·g·r·λ³ / (μ·L·Δt)]^0.25
//   outside of a horizontal tube: α = 0.725·[ρl·(ρl − ρv)·g·r′·λ³ / (μ·dₒ·Δt)]^0.25,  r′ = r·(1 + 0.68·cp·Δt/r)
//                                (Nusselt; no length: the film's path is half the tube's circumference)
//   inside of a horizontal tube: α = 0.555·[ρl·(ρl − ρv)·g·r′·λ³ / (μ·dᵢ·Δt)]^0.25,  r′ = r + 0.375·cp·Δt
//                                (Chato, stratified film at low vapour velocity)
//
// with Δt = ts − tw, g = 9.81 m/s², r the latent heat in J/kg and θ the surface's angle to the horizontal in degrees.
// The vertical and inclined forms hold for a laminar film, film Reynolds number 4·α·L·Δt/(r·μ) ≤ 1800; above it
// the notes warn.
// Worked example (steam at 100 ℃ on a wall at 90 ℃, ρl 958, ρv 0.6, r 2257 kJ/kg, λ 0.68, μ 0.000282,
// cp 4216, inside a tube of dᵢ 0.025 m): r′ = 2257000 + 0.375·4216·10 = 2272810 J/kg, the group under the root
// 958·957.4·9.81·2272810·0.68³ / (0.000282·0.025·10) = 9.12071e16, α = 0.555·(9.12071e16)^0.25 = 9644.954 W/(m²·℃).
#pragma once

#include <array>
#include <string>

#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

enum class CondensingSurface { Inclined, VerticalTube, HorizontalTubeOutside, HorizontalTubeInside };

// The field texts of one case. A text is turned into a number only where the chosen surface uses it; the latent
// heat is the exception and is read for every surface. The length belongs to the flat and vertical surfaces only.
struct CondensationInput {
    std::string condensate_density;      // ρl, kg/m³
    std::string vapour_density;          // ρv, kg/m³
    std::string angle;                   // θ, degrees, inclined surface only
    std::string latent_heat;             // r, kJ/kg
    std::string conductivity;            // λ, condensate, W/(m·℃)
    std::string viscosity;               // μ, condensate, Pa·s
    std::string length;                  // L, m, inclined surface and vertical tube only
    std::string saturation_temperature;  // ts, ℃
    std::string wall_temperature;        // tw, ℃
    std::string specific_heat;           // cp, condensate, J/(kg·℃), horizontal tubes only
    std::string outside_diameter;        // dₒ, m, outside of a horizontal tube only
    std::string inside_diameter;         // dᵢ, m, inside of a horizontal tube only
    CondensingSurface surface = CondensingSurface::VerticalTube;
};

// α in W/(m²·℃) through the result mask with its notes, or the data-check failure.
frame::Outcome<CondensationInput> condensation_film_coefficient(const CondensationInput& in);

namespace condensation {
using In = CondensationInput;
using frame::input, frame::note, frame::option, frame::result, frame::Property;
constexpr const char* kSurface = "Frame6";
// The angle and the condensate's specific heat are captioned by the tails of the options Option10 and Option8.
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {note("Text77", "蒸气名称：", "水蒸汽", "冷凝蒸气的名称（仅作记录）")},
    {input("Text78", "蒸气冷凝潜热（KJ/Kg）：", "1000",
           {"r", "kJ/kg", "饱和温度下蒸气的冷凝潜热", "200～2500 kJ/kg", Property::LatentHeat}),
     &In::latent_heat},
    {input("Text80", "冷凝液粘度（Pa.s）：", "0.001",
           {"μ", "Pa s", "冷凝液在膜温下的动力粘度", "1e-4～0.01 Pa·s", Property::Viscosity}),
     &In::viscosity},
    {input("Text81", "冷凝液导热系数W/(m.℃)：", "0.618",
           {"λ", "W/(m K)", "冷凝液在膜温下的导热系数", "0.1～0.7 W/(m·℃)", Property::Conductivity}),
     &In::conductivity},
    {input("Text79", "蒸汽密度（Kg/M³）：", "0.001",
           {"ρv", "kg/m3", "饱和温度下蒸气的密度", "0.001～50 kg/m³", Property::VapourDensity}),
     &In::vapour_density},
    {input("Text82", "冷凝液密度(Kg/m³)：", "1000",
           {"ρl", "kg/m3", "冷凝液在膜温下的密度", "500～1500 kg/m³", Property::LiquidDensity}),
     &In::condensate_density},
    {input("Text76", "蒸汽饱和温度（℃）：", "150", {"ts", "degC", "蒸气的饱和温度", "0～370 ℃"}),
     &In::saturation_temperature},
    {input("Text75", "壁面温度（℃）：", "120", {"tw", "degC", "冷凝壁面温度，须低于 ts", "0～370 ℃"}),
     &In::wall_temperature},
    {option(kSurface, "Option10", "倾斜平表面 [平表面与水平面夹角：", false, "倾斜平板外的膜状冷凝"),
     {},
     [](In& in) { in.surface = CondensingSurface::Inclined; }},
    {input("Text74", "平表面与水平面夹角（°）", "90", {"θ", "degree", "平表面与水平面的夹角", "1～90°"}), &In::angle},
    {input("Text73", "平表面的长度（m）：]", "3",
           {"L", "m", "液膜流过的长度：倾斜平表面的长度或垂直管的管长", "0.1～10 m"}),
     &In::length},
    {option(kSurface, "Option9", "垂直管外表面", true, "垂直管外的膜状冷凝"),
     {},
     [](In& in) { in.surface = CondensingSurface::VerticalTube; }},
    {option(kSurface, "Option8", "单根水平管外 [冷凝液比热（J/(Kg.℃）：", false, "单根水平管外的膜状冷凝"),
     {},
     [](In& in) { in.surface = CondensingSurface::HorizontalTubeOutside; }},
    {input("Text72", "冷凝液比热（J/(Kg.℃)）", "4180",
           {"cp", "J/(kg K)", "冷凝液的定压比热容（用于液膜过冷的潜热校正）", "1000～5000 J/(kg·℃)",
            Property::SpecificHeat}),
     &In::specific_heat},
    {input("Text71", "管外径（m）：]", "0.108", {"dₒ", "m", "水平管的外径", "0.01～0.2 m"}), &In::outside_diameter},
    {option(kSurface, "Option7", "单根水平管内", false, "单根水平管内的低速冷凝"),
     {},
     [](In& in) { in.surface = CondensingSurface::HorizontalTubeInside; }},
    {input("Text70", "[管内径（m）：]", "0.1", {"dᵢ", "m", "水平管的内径", "0.01～0.2 m"}), &In::inside_diameter},
    {result("Text83", "传热膜系数W/(m².℃)", {"α", "W/(m2 K)", "冷凝传热膜系数", ""})},
});
static_assert(frame::covers_every_member(kFields));
}  // namespace condensation

}  // namespace vxr::calc
