// Fuzz target for the friction loss of a pipe run.
//
// Either no result, or the loss per unit mass and as head, both through the result mask, the head being the loss
// divided by g = 9.807 within the rounding of the two texts. A roughness the calculation never reads (laminar
// flow) may hold any text: where a run computes with the roughness "abc", it computes the same with any other.
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/hydraulics/friction_loss.h"
#include "frame/numeric_text.h"
#include "fuzz_support.h"

using vxr::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    vxr::calc::PipeRunInput run;
    for (std::string* text :
         {&run.inside_diameter, &run.velocity, &run.density, &run.viscosity, &run.roughness, &run.length})
        *text = vxr::fuzz::field_text(in);
    for (std::string& count : run.fittings) count = vxr::fuzz::field_text(in);
    std::string detail;
    for (const std::string* text :
         {&run.inside_diameter, &run.velocity, &run.density, &run.viscosity, &run.roughness, &run.length})
        detail += "[" + text->substr(0, 60) + "] ";
    for (const std::string& count : run.fittings) detail += "[" + count.substr(0, 60) + "] ";

    const auto loss = vxr::calc::friction_loss(run);
    if (loss) {
        require(vxr::fuzz::is_masked(loss->per_mass), "loss per mass malformed", detail + loss->per_mass);
        require(vxr::fuzz::is_masked(loss->head), "head malformed", detail + loss->head);
        const double hf = *vxr::frame::parse_number(loss->per_mass);
        const double h = *vxr::frame::parse_number(loss->head);
        require(std::fabs(h * 9.807 - hf) <= 0.0005 * 9.807 + 0.0005 + std::fabs(hf) * 1e-13,
                "head is not the loss divided by 9.807", detail + loss->per_mass + " / " + loss->head);
    }

    vxr::calc::PipeRunInput unread = run;
    unread.roughness = "abc";
    if (const auto laminar = vxr::calc::friction_loss(unread)) {
        require(loss && loss->per_mass == laminar->per_mass && loss->head == laminar->head,
                "a roughness the calculation does not need changes its result", detail);
    }
    return 0;
}
