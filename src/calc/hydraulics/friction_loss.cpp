#include "calc/hydraulics/friction_loss.h"

#include <cmath>

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::in_note;
using frame::Num;
using In = PipeRunInput;

namespace {

// Darcy friction factor. Laminar below Re = 2000; from 2000 up the fully rough law, where the roughness text is
// first turned into a number, so a laminar case computes whatever the roughness field holds.
Num friction_factor(Num re, Num D, const frame::Fields<In>& f) {
    if (re < 2000) return 64 / re;
    const Num relative = (2 * f(&In::roughness)) / (D * 1000);       // 2ε/d, both in mm
    const Num a = 1.74 - 2 * (frame::ln(relative) / frame::ln(10));  // 1/√λ
    return frame::pow(1 / a, 2);
}

}  // namespace

frame::Outcome<In> friction_loss(const In& run) {
    return frame::run<In>([&] {
        const frame::Fields<In> f(run);
        const Num D = f(&In::inside_diameter) / 1000;
        const Num u = f(&In::velocity);
        // Each field read in a statement of its own: the one at fault is the first bad one in reading order.
        const Num rho = f(&In::density);
        const Num mu = f(&In::viscosity);
        const Num re = ((D * u) * rho) / mu;

        // Le = L + n₁k₁·D + n₂k₂·D + …, added left to right.
        const Num length = f(&In::length);
        Num le = length;
        for (const FittingKind& kind : kFittings) le = le + (f(kind.count) * kind.diameters) * D;

        const Num lambda = friction_factor(re, D, f);
        const Num hf = (((lambda * le) * u) * u) / (D * 2);
        const Num h = hf / 9.807;
        const bool laminar = re < 2000;

        std::vector<std::string> notes{
            "Re = d·u·ρ/μ = " + in_note(re.get()) + (laminar ? "（层流）" : "（湍流，按完全粗糙区计算）"),
            laminar ? "λ = 64/Re = " + in_note(lambda.get()) : "1/√λ = 1.74 − 2·lg(2ε/d)，λ = " + in_note(lambda.get()),
            "Le = L + Σnᵢ·kᵢ·d = " + in_note(length.get()) + " + " + in_note((le - length).get()) + " = " +
                in_note(le.get()) + " m",
            "hf = λ·(Le/d)·u²/2 = " + frame::masked(hf.get()) + " J/kg",
            "Hf = hf/g = " + frame::masked(h.get()) + " m（g = 9.807 m/s²）"};
        if (!laminar) {
            // The roughness Reynolds number; the note never fails the calculation.
            const double eps = f(&In::roughness).get() / 1000;
            const double rough = re.get() * (eps / D.get()) * std::sqrt(lambda.get() / 8);
            if (std::isfinite(rough) && rough < 70)
                notes.push_back("注意：粗糙度雷诺数 Re·(ε/d)·√(λ/8) = " + in_note(rough) +
                                " < 70，未进入完全粗糙区，λ 偏小，阻力偏低");
        }
        return frame::Explained{{{frame::masked(hf.get()), notes}, {frame::masked(h.get()), notes}}};
    });
}

}  // namespace vxr::calc
