#include "calc/hydraulics/friction_loss.h"

#include <cmath>

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::Num;
using frame::significant;
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

frame::Outcome<PipeRunInput> friction_loss(const PipeRunInput& run) {
    return frame::run<PipeRunInput>([&] {
        const Num D = value(run.inside_diameter) / 1000;
        const Num u = value(run.velocity);
        const Num re = ((D * u) * value(run.density)) / value(run.viscosity);

        // Le = L + n₁k₁·D + n₂k₂·D + …, added left to right.
        const Num length = value(run.length);
        Num le = length;
        for (const FittingKind& kind : kFittings) le = le + (value(run.*kind.count) * kind.diameters) * D;

        const Num lambda = friction_factor(re, D, run.roughness);
        const Num hf = (((lambda * le) * u) * u) / (D * 2);
        const Num h = hf / 9.807;
        const bool laminar = re < 2000;

        std::vector<std::string> notes{
            "Re = d·u·ρ/μ = " + significant(re.get()) + (laminar ? "（层流）" : "（湍流，按完全粗糙区计算）"),
            laminar ? "λ = 64/Re = " + significant(lambda.get())
                    : "1/√λ = 1.74 − 2·lg(2ε/d)，λ = " + significant(lambda.get()),
            "Le = L + Σnᵢ·kᵢ·d = " + significant(length.get()) + " + " + significant((le - length).get()) + " = " +
                significant(le.get()) + " m",
            "hf = λ·(Le/d)·u²/2 = " + frame::masked(hf.get()) + " J/kg",
            "Hf = hf/g = " + frame::masked(h.get()) + " m（g = 9.807 m/s²）"};
        if (!laminar) {
            // The roughness Reynolds number; the note never fails the calculation.
            const double eps = frame::value(run.roughness).get() / 1000;
            const double rough = re.get() * (eps / D.get()) * std::sqrt(lambda.get() / 8);
            if (std::isfinite(rough) && rough < 70)
                notes.push_back("注意：粗糙度雷诺数 Re·(ε/d)·√(λ/8) = " + significant(rough) +
                                " < 70，未进入完全粗糙区，λ 偏小，阻力偏低");
        }
        return frame::Explained{{{frame::masked(hf.get()), notes}, {frame::masked(h.get()), notes}}};
    });
}

}  // namespace vxr::calc
