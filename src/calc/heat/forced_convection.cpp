#include "calc/heat/forced_convection.h"

#include <cmath>
#include <optional>

#include "frame/checked.h"
#include "frame/number_text.h"
#include "frame/numeric_text.h"

namespace vxr::calc {

using frame::in_note;
using frame::Num;
using frame::pow;
using In = ConvectionInput;

namespace {

// The turbulent forms hold for Pr within these bounds.
constexpr double kPrMin = 0.7;
constexpr double kPrMaxThin = 160;
constexpr double kPrMaxViscous = 16700;
constexpr double kEntryLengthRatio = 60;

struct Straight {
    Num alpha;
    std::string formula;  // the form that applied, as written in the note
    bool turbulent_form = false;
    bool viscous = false;
};

// α of a straight pipe by flow range. The ranges close downwards: Re = 10000 is turbulent, Re = 2300 transition.
Straight straight_pipe(const In& in, const frame::Fields<In>& fields, Num re, Num pr, Num d, Num mu, Num lambda) {
    const Num n = in.heated ? 0.4 : 0.3;
    const Num f = in.heated ? 1.05 : 0.95;
    const std::string fs = in.heated ? "1.05" : "0.95";
    if (re < 2300) {
        const Num length = fields(&In::length);
        return {1.86 * pow(re, 0.33) * pow(pr, 0.33) * pow(d / length, 0.33) * f * (lambda / d),
                "1.86·Re^0.33·Pr^0.33·(d/L)^0.33·" + fs + "·(λ/d)"};
    }
    // Viscous fluids take the Sieder–Tate form with its fixed viscosity factor, thin ones Dittus–Boelter.
    const bool viscous = mu > 0.002;
    const Num turbulent = viscous ? 0.027 * (lambda / d) * pow(re, 0.8) * pow(pr, 0.33) * f
                                  : 0.023 * (lambda / d) * pow(re, 0.8) * pow(pr, n);
    const std::string form = viscous ? "0.027·(λ/d)·Re^0.8·Pr^0.33·" + fs
                                     : std::string("0.023·(λ/d)·Re^0.8·Pr^") + (in.heated ? "0.4" : "0.3");
    if (re >= 10000) return {turbulent, form, true, viscous};
    return {turbulent * (1 - 600000 / pow(re, 1.8)), form + "·(1 − 6×10⁵/Re^1.8)", true, viscous};
}

std::string regime(Num re) {
    if (re < 2300) return "层流";
    if (re < 10000) return "过渡流";
    return "湍流";
}

}  // namespace

frame::Outcome<In> convection_film_coefficient(const In& in) {
    return frame::run<In>([&] {
        const frame::Fields<In> f(in);
        const Num d = f(&In::diameter);
        const Num mu = f(&In::viscosity);
        const Num lambda = f(&In::conductivity);
        // Each field read in a statement of its own, so that the one at fault is the same with every compiler.
        const Num u = f(&In::velocity);
        const Num rho = f(&In::density);
        const Num cp = f(&In::specific_heat);
        const Num re = d * u * rho / mu;
        const Num pr = cp * mu / lambda;

        // The straight-pipe α is computed for every shape, the annulus too: its failures end the calculation.
        const Straight straight = straight_pipe(in, f, re, pr, d, mu, lambda);
        Num alpha = straight.alpha;
        std::string formula = straight.formula;
        std::vector<std::string> notes{"Re = " + in_note(re.get()) + "（" + regime(re) +
                                       "）  Pr = " + in_note(pr.get())};
        bool pr_checked_as_viscous = straight.viscous;
        bool turbulent_form = straight.turbulent_form;
        switch (in.shape) {
            case PipeShape::Straight:
                break;
            case PipeShape::Bent: {
                const Num factor = 1 + 1.77 * d / f(&In::bend_radius);
                alpha = alpha * factor;
                formula = "(" + formula + ")·(1 + 1.77·d/R)";
                notes.push_back("弯管校正系数 1 + 1.77·d/R = " + in_note(factor.get()));
                break;
            }
            case PipeShape::Coil: {
                const Num factor = 1 + 3.5 * d / f(&In::coil_diameter);
                alpha = alpha * factor;
                formula = "(" + formula + ")·(1 + 3.5·d/D)";
                notes.push_back("蛇管校正系数 1 + 3.5·d/D = " + in_note(factor.get()));
                break;
            }
            case PipeShape::Annulus: {
                // The gap keeps the pipe's d in λ/d and Re; only the ratio d₂/d₁ describes it.
                const Num d1 = f(&In::inner_diameter);
                const Num d2 = f(&In::outer_diameter);
                const Num ratio = pow(d2 / d1, 0.53);
                const bool thin = pr < 5;
                alpha = thin ? 0.0142 * (lambda / d) * ratio * pow(re, 0.8) * pow(pr, 0.53)
                             : 0.02 * (lambda / d) * ratio * pow(re, 0.8) * pow(pr, 0.33);
                formula = thin ? "0.0142·(λ/d)·(d₂/d₁)^0.53·Re^0.8·Pr^0.53（Pr < 5）"
                               : "0.02·(λ/d)·(d₂/d₁)^0.53·Re^0.8·Pr^0.33（Pr ≥ 5）";
                notes.push_back("圆环隙 (d₂/d₁)^0.53 = " + in_note(ratio.get()));
                pr_checked_as_viscous = false;
                turbulent_form = true;
                break;
            }
        }
        const std::string text = frame::masked(alpha.get());
        notes.insert(notes.begin() + 1, "α = " + formula + " = " + text + " W/(m²·℃)");

        if (turbulent_form) {
            const double pr_max = pr_checked_as_viscous ? kPrMaxViscous : kPrMaxThin;
            if (pr.get() < kPrMin || pr.get() > pr_max)
                notes.push_back("注意：Pr = " + in_note(pr.get()) + " 超出关联式适用范围 " + in_note(kPrMin) + "～" +
                                in_note(pr_max));
            // A length that is no number only leaves the warning out: the turbulent forms do not read it.
            if (const std::optional<double> length = frame::parse_number(in.length)) {
                const double ratio = *length / d.get();
                if (std::isfinite(ratio) && ratio < kEntryLengthRatio)
                    notes.push_back("注意：L/d = " + in_note(ratio) + " < 60，未计入进口段影响");
            }
        }
        return frame::Explained{{{text, notes}}};
    });
}

}  // namespace vxr::calc
