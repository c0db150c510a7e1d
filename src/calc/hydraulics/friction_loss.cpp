#include "calc/hydraulics/friction_loss.h"

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::Num;
using frame::value;

namespace {

// Darcy friction factor. Laminar below Re = 2000; from 2000 up the fully rough law, where the roughness text is
// first turned into a number, so a laminar case computes whatever the roughness field holds.
Num friction_factor(Num re, Num D, const std::string& roughness) {
    if (re < 2000) return 64 / re;
    const Num relative = (2 * value(roughness)) / (D * 1000);        // 2ε/d, both in mm
    const Num a = 1.74 - 2 * (frame::ln(relative) / frame::ln(10));  // 1/√λ
    return frame::pow(1 / a, 2);
}

}  // namespace

std::optional<FrictionLoss> friction_loss(const PipeRunInput& run) {
    return frame::trap([&] {
        const Num D = value(run.inside_diameter) / 1000;
        const Num u = value(run.velocity);
        const Num re = ((D * u) * value(run.density)) / value(run.viscosity);

        // Le = L + n₁k₁·D + n₂k₂·D + …, added left to right.
        Num le = value(run.length);
        for (std::size_t i = 0; i < kFittingKinds; ++i) le = le + (value(run.fittings[i]) * kFittingDiameters[i]) * D;

        const Num lambda = friction_factor(re, D, run.roughness);
        const Num hf = (((lambda * le) * u) * u) / (D * 2);
        const Num h = hf / 9.807;
        return FrictionLoss{frame::masked(hf.get()), frame::masked(h.get())};
    });
}

}  // namespace vxr::calc
