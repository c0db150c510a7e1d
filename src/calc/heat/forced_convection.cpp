#include "calc/heat/forced_convection.h"

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::Num;
using frame::pow;
using frame::value;

namespace {

// α of a straight pipe by flow range. The ranges close downwards: Re = 10000 is turbulent, Re = 2300 transition.
Num straight_pipe(const ConvectionInput& in, Num re, Num pr, Num d, Num mu, Num lambda) {
    const Num n = in.heated ? 0.4 : 0.3;
    const Num f = in.heated ? 1.05 : 0.95;
    if (re < 2300) {
        const Num length = value(in.length);
        return 1.86 * pow(re, 0.33) * pow(pr, 0.33) * pow(d / length, 0.33) * f * (lambda / d);
    }
    // Viscous fluids take the Sieder–Tate form with its fixed viscosity factor, thin ones Dittus–Boelter.
    const Num turbulent = mu > 0.002 ? 0.027 * (lambda / d) * pow(re, 0.8) * pow(pr, 0.33) * f
                                     : 0.023 * (lambda / d) * pow(re, 0.8) * pow(pr, n);
    if (re >= 10000) return turbulent;
    return turbulent * (1 - 600000 / pow(re, 1.8));
}

}  // namespace

std::optional<std::string> convection_film_coefficient(const ConvectionInput& in) {
    return frame::trap([&] {
        const Num d = value(in.diameter);
        const Num mu = value(in.viscosity);
        const Num lambda = value(in.conductivity);
        const Num re = d * value(in.velocity) * value(in.density) / mu;
        const Num pr = value(in.specific_heat) * mu / lambda;

        // The straight-pipe α is computed for every shape, the annulus too: its failures end the calculation.
        Num alpha = straight_pipe(in, re, pr, d, mu, lambda);
        switch (in.shape) {
            case PipeShape::Straight:
                break;
            case PipeShape::Bent:
                alpha = alpha * (1 + 1.77 * d / value(in.bend_radius));
                break;
            case PipeShape::Coil:
                alpha = alpha * (1 + 3.5 * d / value(in.coil_diameter));
                break;
            case PipeShape::Annulus: {
                // The gap keeps the pipe's d in λ/d and Re; only the ratio d₂/d₁ describes it.
                const Num ratio = pow(value(in.outer_diameter) / value(in.inner_diameter), 0.53);
                alpha = pr < 5 ? 0.0142 * (lambda / d) * ratio * pow(re, 0.8) * pow(pr, 0.53)
                               : 0.02 * (lambda / d) * ratio * pow(re, 0.8) * pow(pr, 0.33);
                break;
            }
        }
        return frame::masked(alpha.get());
    });
}

}  // namespace vxr::calc
