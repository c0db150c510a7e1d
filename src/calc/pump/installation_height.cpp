#include "calc/pump/installation_height.h"

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::Num;
using frame::significant;
using frame::value;

frame::Outcome<PumpSuctionInput> installation_height(const PumpSuctionInput& in) {
    return frame::run<PumpSuctionInput>([&] {
        const Num p = value(in.pressure) * 1000;
        const Num pv = value(in.vapour_pressure) * 1000;
        const Num margin_head = (p - pv) / (value(in.density) * 9.8);
        const Num loss = value(in.inlet_loss);
        const Num allowed_npsh = value(in.required_npsh) + 0.5;
        const Num hg = (margin_head - loss) - allowed_npsh;
        const std::string text = frame::masked(hg.get());
        std::vector<std::string> notes{
            "Hg = (p − pv)/(ρ·g) − Hf − (NPSHr + 0.5)",
            "(p − pv)/(ρ·g) = " + significant(margin_head.get()) + " m（g = 9.8 m/s²）",
            "Hf = " + significant(loss.get()) + " m  NPSHr + 0.5 = " + significant(allowed_npsh.get()) + " m",
            "Hg = " + text + " m"};
        if (hg < 0) notes.push_back("负值表示泵须安装在液面以下");
        return frame::Explained{{{text, notes}}};
    });
}

}  // namespace vxr::calc
