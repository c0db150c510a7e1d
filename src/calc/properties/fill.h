// Filling a page's fluid-property inputs from the water/steam properties: which inputs of a calculation's table
// (those its table tags with a `frame::Property`), at which state, in which unit, and where each value came from.
//
//   at the dialog's state (a single-phase state, or on saturation the side chosen, 液相 or 气相):
//     Density, Viscosity, Conductivity, SpecificHeat; VapourPressure is ps at the state's temperature (on saturation
//     the line's own pressure), refused above the critical temperature. Wet steam fills nothing.
//   at a page's own temperatures, whatever the dialog shows:
//     冷凝膜系数: ρv and r at saturation at ts (Text76); the condensate's ρ, μ, λ and cp at the film temperature
//       tm = (ts + tw)/2 (tw: Text75) and the pressure ps(ts): the film's mean temperature, at which textbooks take
//       a condensate's properties (the vapour's pressure keeps it liquid, tm < ts).
//     单效蒸发: r1 at saturation at T1 (evapVapourTemp), r at T (evapSteamTemp). The solution's cp0 is no water's
//       property and is not tagged: it stays.
//     调节阀计算: every input, at its inlet state (cvTemperature, cvInletPressure), for the medium chosen: a liquid
//       (refused unless the state is liquid) ρ, μ, pv at t1 and pc = 22064 kPa; steam (refused unless superheated
//       vapour) M = 18.015 kg/kmol, γ = cp/cv, Z = p·v/(R·T) with R = 8.314462618/18.015 kJ/(kg·K), and μ.
//   Every other input stays as it is.
//
// Each value is converted from its SI unit (ρ kg/m³, μ Pa·s, λ W/(m·K), cp kJ/(kg·K), r kJ/kg, pv kPa) to the unit
// of its field (`About::unit`, UDUNITS-2) and written with six significant digits as plain number text, which the
// page reads back. A refusal names the page's field at fault (a temperature that is no number, outside the
// saturation line, or a wall not below ts), or none where the dialog's state or the page is at fault.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/catalogue.h"
#include "calc/properties/lookup.h"

namespace vxr::calc::water {

struct Filled {
    const char* field;   // the input's object name
    std::string text;    // in the field's unit, six significant digits
    std::string source;  // "物性：水，IAPWS-IF97，饱和液体，t = 105 ℃"
    // The page's own temperatures the value was taken at (object names, ts before tw); none where the dialog's
    // state set it.
    std::vector<const char*> at;
};

struct FillRefusal {
    std::string message;
    const char* field = nullptr;  // the page's field at fault, or none
};

// The inputs filled, in table order, and a line on the states where the page's own temperatures set them.
struct Fill {
    std::vector<Filled> fields;
    std::string note;
};

using FillAnswer = std::variant<Fill, FillRefusal>;

// What a page without such inputs says.
inline constexpr const char* kNothingToFill = "本页没有可由水和水蒸气物性填入的输入。";

// The inputs of `calculation` to fill from `state` (the dialog's, or its refusal), reading the page's own
// temperatures through `text_of` (an input's text by object name, an option's "1" where it is chosen), in table order.
FillAnswer fill(const Calculation& calculation, const Answer<Found>& state,
                const std::function<std::string(std::string_view field)>& text_of);

}  // namespace vxr::calc::water
