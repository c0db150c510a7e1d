#include "calc/pump/installation_height.h"

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::in_note;
using frame::Num;
using In = PumpSuctionInput;

frame::Outcome<In> installation_height(const In& in) {
    return frame::run<In>([&] {
        const frame::Fields<In> f(in);
        const Num p = f(&In::pressure) * 1000;
        const Num pv = f(&In::vapour_pressure) * 1000;
        const Num margin_head = (p - pv) / (f(&In::density) * 9.8);
        const Num loss = f(&In::inlet_loss);
        const Num allowed_npsh = f(&In::required_npsh) + 0.5;
        const Num hg = (margin_head - loss) - allowed_npsh;
        const std::string text = frame::masked(hg.get());
        std::vector<std::string> notes{
            "Hg = (p − pv)/(ρ·g) − Hf − (NPSHr + 0.5)",
            "(p − pv)/(ρ·g) = " + in_note(margin_head.get()) + " m（g = 9.8 m/s²）",
            "Hf = " + in_note(loss.get()) + " m  NPSHr + 0.5 = " + in_note(allowed_npsh.get()) + " m",
            "Hg = " + text + " m"};
        if (hg < 0) notes.push_back("负值表示泵须安装在液面以下");
        return frame::Explained{{{text, notes}}};
    });
}

}  // namespace vxr::calc
