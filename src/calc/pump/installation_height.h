// Allowed installation height of a centrifugal pump above the liquid surface on its suction side.
//
//   Hg = (p − pv) / (ρ·g) − Hf − (NPSHr + 0.5)      g = 9.8 m/s², p and pv in Pa (typed in kPa)
//
// 0.5 m is the safety margin added to the pump's required NPSH (出处未核实: a common design allowance). A negative Hg
// means the pump must stand that far below the liquid surface.
// Worked example (the page's defaults): water, ρ 1000, p 101.3 kPa, pv 4.25 kPa, NPSHr 4 m, Hf 0.5 m →
// (p − pv)/(ρ·g) = 9.90306 m, Hg = 4.903 m.
#pragma once

#include <array>
#include <string>

#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

struct PumpSuctionInput {
    std::string density;          // ρ, kg/m³
    std::string pressure;         // p, suction-side operating pressure, kPa
    std::string vapour_pressure;  // pv, saturated vapour pressure at the inlet temperature, kPa
    std::string inlet_loss;       // Hf, friction loss of the inlet pipe, m
    std::string required_npsh;    // NPSHr, m
};

// Hg in m through the result mask, or the data-check refusal (zero density, a text that is not a number, a pressure
// too large to hold in Pa).
frame::Outcome<PumpSuctionInput> installation_height(const PumpSuctionInput& in);

namespace pump {
using In = PumpSuctionInput;
using frame::input, frame::note, frame::result, frame::Property;
// The working temperature is a note: the vapour pressure is typed for it, so the temperature itself is never read.
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {note("Text39", "设备位号：", "P0101 ", "泵的设备位号（仅作记录）")},
    {note("Text40", "输送介质：", "水", "输送介质名称（仅作记录）")},
    {note("Text38", "工作温度（℃）：", "30", "泵进口液体的工作温度（仅作记录：饱和蒸汽压按此温度查取后填入）")},
    {input("Text41", "密度（千克/立方米）：", "1000",
           {"ρ", "kg/m3", "泵进口温度下液体的密度", "500～2000 kg/m³", Property::Density}),
     &In::density},
    {input("Text42", "泵吸入侧操作压力（KPa）：", "101.3",
           {"p", "kPa", "吸入侧液面上的绝对压力（敞口容器为当地大气压）", "10～1000 kPa"}),
     &In::pressure},
    {input("Text43", "泵进口工作温度下液体饱和蒸汽压（KPa）：", "4.25",
           {"pv", "kPa", "泵进口温度下液体的饱和蒸汽压（绝压）", "0～1000 kPa", Property::VapourPressure}),
     &In::vapour_pressure},
    {input("Text45", "离心泵必须气蚀余量（M）：", "4", {"NPSHr", "m", "泵样本给出的必需汽蚀余量", "1～10 m"}),
     &In::required_npsh},
    {input("Text44", "入口管道阻力（M）：", "0.5", {"Hf", "m", "吸入管路的全部阻力损失，以液柱高度计", "0～5 m"}),
     &In::inlet_loss},
    {result("Text46", "离心泵安装高度（M]）：", {"Hg", "m", "泵轴线允许高出吸入液面的高度；负值表示须低于液面", ""})},
});
static_assert(frame::covers_every_member(kFields));
}  // namespace pump

}  // namespace vxr::calc
