#include "calc/heat/condensation.h"

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::Num;
using frame::pow;
using frame::value;

std::optional<std::string> condensation_film_coefficient(const CondensationInput& in) {
    return frame::trap([&] {
        constexpr double g = 9.81;
        // kJ/kg to J/kg for every surface, so a latent heat that is no number fails even where r is not used.
        const Num r = value(in.latent_heat) * 1000;

        const auto density_group = [&] {
            const Num rho_l = value(in.condensate_density);
            return rho_l * (rho_l - value(in.vapour_density)) * g;
        };
        const auto delta_t = [&] { return value(in.saturation_temperature) - value(in.wall_temperature); };
        const auto lambda = [&] { return value(in.conductivity); };
        const auto mu = [&] { return value(in.viscosity); };
        const auto length = [&] { return value(in.length); };

        Num alpha;
        switch (in.surface) {
            case CondensingSurface::Inclined: {
                const Num sine = frame::sin_degrees(value(in.angle));
                alpha = 1.13 * pow(density_group() * sine * r * pow(lambda(), 3) / (mu() * length() * delta_t()), 0.25);
                break;
            }
            case CondensingSurface::VerticalTube:
                alpha = 1.13 * pow(density_group() * r * pow(lambda(), 3) / (mu() * length() * delta_t()), 0.25);
                break;
            case CondensingSurface::HorizontalTubeOutside: {
                // The latent heat is raised by the subcooling of the film, 0.68·cp·Δt.
                const Num dt = delta_t();
                const Num r_corrected = r * (1 + 0.68 * value(in.specific_heat) * dt / r);
                const Num denominator = mu() * value(in.outside_diameter) * length() * dt;
                alpha = 0.725 * pow(density_group() * r_corrected * pow(lambda(), 3) / denominator, 0.25);
                break;
            }
            case CondensingSurface::HorizontalTubeInside:
                alpha = 0.815 *
                        pow(density_group() * lambda() / (3.14 * mu() * value(in.inside_diameter) * delta_t()), 0.25);
                break;
        }
        return frame::masked(alpha.get());
    });
}

}  // namespace vxr::calc
