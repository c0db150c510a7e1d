// Fuzz target for the condensation film coefficient on its four surfaces.
//
// Either no result or a coefficient through the result mask, never negative (it is a fourth root). A field the
// chosen surface never reads may hold any text: the angle off the inclined surface, the specific heat and the
// outside diameter off the outside of a horizontal tube, the inside diameter off its inside, and the length on
// the inside of a horizontal tube change nothing. The latent heat is read for every surface.
#include <cstdint>
#include <optional>
#include <string>

#include "calc/heat/condensation.h"
#include "frame/numeric_text.h"
#include "fuzz_support.h"

using vxr::calc::CondensationInput;
using vxr::calc::CondensingSurface;
using vxr::fuzz::require;

namespace {

std::optional<std::string> with(CondensationInput in, std::string CondensationInput::*field) {
    in.*field = "abc";
    return vxr::calc::condensation_film_coefficient(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    CondensationInput c;
    c.surface = static_cast<CondensingSurface>(in.ConsumeIntegralInRange<int>(0, 3));
    std::string detail = "surface " + std::to_string(static_cast<int>(c.surface)) + " ";
    for (std::string* text :
         {&c.condensate_density, &c.vapour_density, &c.angle, &c.latent_heat, &c.conductivity, &c.viscosity, &c.length,
          &c.saturation_temperature, &c.wall_temperature, &c.specific_heat, &c.outside_diameter, &c.inside_diameter}) {
        *text = vxr::fuzz::field_text(in);
        detail += "[" + text->substr(0, 60) + "] ";
    }
    const auto alpha = vxr::calc::condensation_film_coefficient(c);
    if (alpha) {
        require(vxr::fuzz::is_masked(*alpha), "coefficient malformed", detail + *alpha);
        require((*alpha)[0] != '-', "negative coefficient", detail + *alpha);
        require(vxr::frame::parse_number(c.latent_heat).has_value(), "computed without a latent heat", detail);
    }

    const auto same = [&](std::string CondensationInput::*field, const char* what) {
        require(with(c, field) == alpha, what, detail);
    };
    if (c.surface != CondensingSurface::Inclined) same(&CondensationInput::angle, "the angle matters off the incline");
    if (c.surface != CondensingSurface::HorizontalTubeOutside) {
        same(&CondensationInput::specific_heat, "the specific heat matters off the horizontal tube's outside");
        same(&CondensationInput::outside_diameter, "the outside diameter matters off the horizontal tube's outside");
    }
    if (c.surface != CondensingSurface::HorizontalTubeInside)
        same(&CondensationInput::inside_diameter, "the inside diameter matters off the horizontal tube's inside");
    else
        same(&CondensationInput::length, "the length matters inside a horizontal tube");
    return 0;
}
