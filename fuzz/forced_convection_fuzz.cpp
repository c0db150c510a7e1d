// Fuzz target for the forced-convection film coefficient, every shape, heated and cooled.
//
// Either no result or a coefficient through the result mask. A field the chosen branch never reads may hold any
// text: the bend radius off the bent pipe, the coil diameter off the coil, the two annulus diameters off the
// annulus change nothing; and where a case computes with the length "abc" (turbulent or transition flow), it
// computes the same with any length.
#include <cstdint>
#include <optional>
#include <string>

#include "calc/heat/forced_convection.h"
#include "fuzz_support.h"

using vxr::calc::ConvectionInput;
using vxr::calc::PipeShape;
using vxr::fuzz::require;

namespace {

std::optional<std::string> with(ConvectionInput in, std::string ConvectionInput::*field) {
    in.*field = "abc";
    return vxr::calc::convection_film_coefficient(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    ConvectionInput c;
    c.shape = static_cast<PipeShape>(in.ConsumeIntegralInRange<int>(0, 3));
    c.heated = in.ConsumeBool();
    std::string detail = "shape " + std::to_string(static_cast<int>(c.shape)) + (c.heated ? " heated " : " cooled ");
    for (std::string* text : {&c.diameter, &c.velocity, &c.density, &c.viscosity, &c.specific_heat, &c.conductivity,
                              &c.bend_radius, &c.coil_diameter, &c.length, &c.inner_diameter, &c.outer_diameter}) {
        *text = vxr::fuzz::field_text(in);
        detail += "[" + text->substr(0, 60) + "] ";
    }
    const auto alpha = vxr::calc::convection_film_coefficient(c);
    if (alpha) require(vxr::fuzz::is_masked(*alpha), "coefficient malformed", detail + *alpha);

    if (c.shape != PipeShape::Bent)
        require(with(c, &ConvectionInput::bend_radius) == alpha, "the bend radius matters off the bent pipe", detail);
    if (c.shape != PipeShape::Coil)
        require(with(c, &ConvectionInput::coil_diameter) == alpha, "the coil diameter matters off the coil", detail);
    if (c.shape != PipeShape::Annulus) {
        require(with(c, &ConvectionInput::inner_diameter) == alpha, "the annulus matters off the annulus", detail);
        require(with(c, &ConvectionInput::outer_diameter) == alpha, "the annulus matters off the annulus", detail);
    }
    if (const auto without_length = with(c, &ConvectionInput::length))
        require(without_length == alpha, "the length matters outside laminar flow", detail);
    return 0;
}
