#include "calc/pump/installation_height.h"

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::Num;
using frame::value;

std::optional<std::string> installation_height(const PumpSuctionInput& in) {
    return frame::trap([&] {
        const Num p = value(in.pressure) * 1000;
        const Num pv = value(in.vapour_pressure) * 1000;
        const Num margin_head = (p - pv) / (value(in.density) * 9.8);
        const Num allowed_npsh = value(in.required_npsh) + 0.5;
        const Num hg = (margin_head - value(in.inlet_loss)) - allowed_npsh;
        return frame::masked(hg.get());
    });
}

}  // namespace vxr::calc
