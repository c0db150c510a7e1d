#include "calc/hydraulics/friction_loss.h"

#include <cmath>

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::in_note;
using frame::Num;
using In = PipeRunInput;

double colebrook_lambda(double re, double relative_roughness) {
    // In x = 1/√λ the equation is f(x) = x + 2·lg(a + b·x) = 0, with f rising in x: Newton's steps, each kept inside
    // a bracket of the root that they and the bisections narrow, to the last representable x.
    const double a = relative_roughness / 3.7, b = 2.51 / re;
    const auto f = [&](double x) { return x + 2 * std::log10(a + b * x); };
    double lo = 1e-6, hi = 1e3;  // λ from 10⁻⁶ to 10¹²
    if (!(f(lo) < 0) || !(f(hi) > 0)) return std::nan("");
    double x = 8;  // λ ≈ 0.016, near most cases
    for (int i = 0; i < 200; ++i) {
        const double fx = f(x);
        if (fx == 0) break;
        (fx < 0 ? lo : hi) = x;
        const double slope = 1 + 2 / std::log(10.0) * b / (a + b * x);
        double next = x - fx / slope;
        if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2;
        if (next == x || next == lo || next == hi) break;
        x = next;
    }
    return 1 / (x * x);
}

namespace {

// Darcy friction factor. Laminar below Re = 2000 with either law; from 2000 up the chosen law, where the roughness
// text is first turned into a number, so a laminar case computes whatever the roughness field holds.
Num friction_factor(Num re, Num D, const frame::Fields<In>& f, FrictionLaw law) {
    if (re < 2000) return 64 / re;
    if (law == FrictionLaw::Colebrook) {
        const Num eps = f(&In::roughness);
        if (eps < 0) throw frame::Refusal<In>{"", &In::roughness};
        return colebrook_lambda(re.get(), (eps / (D * 1000)).get());
    }
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

        const bool colebrook = run.law == FrictionLaw::Colebrook;
        const Num lambda = friction_factor(re, D, f, run.law);
        const Num hf = (((lambda * le) * u) * u) / (D * 2);
        const Num h = hf / 9.807;
        const bool laminar = re < 2000;

        const bool transitional = !laminar && re < 4000;
        const char* regime = laminar        ? "（层流）"
                             : !colebrook   ? "（湍流，按完全粗糙区计算）"
                             : transitional ? "（过渡流，按 Colebrook 公式计算）"
                                            : "（湍流，按 Colebrook 公式计算）";
        std::vector<std::string> notes{"Re = d·u·ρ/μ = " + in_note(re.get()) + regime,
                                       laminar ? "λ = 64/Re = " + in_note(lambda.get())
                                       : colebrook
                                           ? "1/√λ = −2·lg(ε/(3.7d) + 2.51/(Re·√λ))，λ = " + in_note(lambda.get())
                                           : "1/√λ = 1.74 − 2·lg(2ε/d)，λ = " + in_note(lambda.get()),
                                       "Le = L + Σnᵢ·kᵢ·d = " + in_note(length.get()) + " + " +
                                           in_note((le - length).get()) + " = " + in_note(le.get()) + " m",
                                       "hf = λ·(Le/d)·u²/2 = " + frame::masked(hf.get()) + " J/kg",
                                       "Hf = hf/g = " + frame::masked(h.get()) + " m（g = 9.807 m/s²）"};
        if (!laminar && colebrook) {
            const double relative = f(&In::roughness).get() / 1000 / D.get();
            if (transitional) notes.push_back("注意：2000 ≤ Re < 4000 为过渡流，λ 不确定");
            if (transitional || re > 1e8 || !(relative <= 0.05)) notes.push_back("超出 Colebrook 公式的验证范围");
        } else if (!laminar) {
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
