// Fuzz target for the pump's allowed installation height.
//
// Either no result or a height through the result mask. Where every text is a number of moderate size and the
// density is not zero, there must be a result, within half a thousandth of (p − pv)/(ρ·9.8) − Hf − (NPSHr + 0.5).
#include <cmath>
#include <cstdint>
#include <string>

#include "calc/pump/installation_height.h"
#include "frame/numeric_text.h"
#include "fuzz_support.h"

using vxr::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    vxr::calc::PumpSuctionInput pump;
    std::string detail;
    for (std::string* text :
         {&pump.density, &pump.pressure, &pump.vapour_pressure, &pump.inlet_loss, &pump.required_npsh}) {
        *text = vxr::fuzz::field_text(in);
        detail += "[" + text->substr(0, 60) + "] ";
    }
    const auto height = vxr::calc::installation_height(pump);
    if (height) require(vxr::fuzz::is_masked(*height), "height malformed", detail + *height);

    const auto rho = vxr::frame::parse_number(pump.density);
    const auto p = vxr::frame::parse_number(pump.pressure);
    const auto pv = vxr::frame::parse_number(pump.vapour_pressure);
    const auto hf = vxr::frame::parse_number(pump.inlet_loss);
    const auto npsh = vxr::frame::parse_number(pump.required_npsh);
    if (!rho || !p || !pv || !hf || !npsh || *rho == 0) return 0;
    for (const double x : {*rho, *p, *pv, *hf, *npsh})
        if (x != 0 && (std::fabs(x) < 1e-6 || std::fabs(x) > 1e6)) return 0;
    require(height.has_value(), "no height for numbers that allow one", detail);
    const double expected = (*p - *pv) * 1000 / (*rho * 9.8) - *hf - (*npsh + 0.5);
    require(std::fabs(*vxr::frame::parse_number(*height) - expected) <= 0.0005 + std::fabs(expected) * 1e-12,
            "height off the formula", detail + *height);
    return 0;
}
