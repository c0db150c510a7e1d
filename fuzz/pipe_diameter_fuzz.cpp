// Fuzz target for pipe sizing: three sections of flow and velocity texts.
//
// The result is all or nothing: either no sizes, or for each section an inside diameter and a nominal diameter in
// plain number text, the nominal one a standard size at or above the diameter (a multiple of 50 beyond 500). Where
// every text is a number of moderate size, each velocity non-zero and each flow of the velocity's sign, there must
// be a result.
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/hydraulics/pipe_diameter.h"
#include "frame/numeric_text.h"
#include "fuzz_support.h"

using vxr::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    vxr::calc::PipeSections sections;
    std::string detail;
    for (auto& s : sections) {
        s.flow = vxr::fuzz::field_text(in);
        s.velocity = vxr::fuzz::field_text(in);
        detail += "[" + s.flow.substr(0, 60) + "] [" + s.velocity.substr(0, 60) + "] ";
    }
    const auto sizes = vxr::calc::size_pipes(sections);

    bool computable = true;
    for (const auto& s : sections) {
        const auto q = vxr::frame::parse_number(s.flow);
        const auto u = vxr::frame::parse_number(s.velocity);
        const auto moderate = [](double x) { return x == 0 || (std::fabs(x) > 1e-100 && std::fabs(x) < 1e100); };
        computable =
            computable && q && u && moderate(*q) && moderate(*u) && *u != 0 && (*q == 0 || (*q > 0) == (*u > 0));
    }
    require(!computable || sizes.has_value(), "no sizes for numbers that allow them", detail);
    if (!sizes) return 0;

    static constexpr double kStandard[] = {15,  20,  25,  32,  40,  50,  65,  80,  100,
                                           125, 150, 200, 250, 300, 350, 400, 450, 500};
    for (const auto& s : *sizes) {
        require(vxr::fuzz::is_plain(s.inside_diameter), "inside diameter malformed", detail + s.inside_diameter);
        require(vxr::fuzz::is_plain(s.nominal_diameter), "nominal diameter malformed", detail + s.nominal_diameter);
        const double d = *vxr::frame::parse_number(s.inside_diameter);
        const double dn = *vxr::frame::parse_number(s.nominal_diameter);
        require(d >= 0, "negative inside diameter", detail + s.inside_diameter);
        require(dn >= d * (1 - 1e-14), "nominal diameter below the inside diameter",
                detail + s.inside_diameter + " / " + s.nominal_diameter);
        bool standard = false;
        for (const double size : kStandard) standard = standard || dn == size;
        if (dn > 500 && dn < 1e15) standard = std::fmod(dn, 50) == 0;
        require(standard || dn >= 1e15, "nominal diameter is no standard size",
                detail + s.inside_diameter + " / " + s.nominal_diameter);
    }
    return 0;
}
