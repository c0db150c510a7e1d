#include "calc/heat/condensation.h"

#include <cmath>
#include <optional>
#include <utility>

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::in_note;
using frame::Num;
using frame::pow;
using In = CondensationInput;

namespace {

constexpr double kLaminarFilmReynolds = 1800;

}  // namespace

frame::Outcome<In> condensation_film_coefficient(const In& in) {
    return frame::run<In>([&] {
        const frame::Fields<In> f(in);
        constexpr double g = 9.81;
        // kJ/kg to J/kg for every surface, so a latent heat that is no number fails even where r is not used.
        const Num r = f(&In::latent_heat) * 1000;

        const auto density_group = [&] {
            const Num rho_l = f(&In::condensate_density);
            return rho_l * (rho_l - f(&In::vapour_density)) * g;
        };
        // Each field read in a statement of its own, so that the one at fault is the same with every compiler.
        const auto delta_t = [&] {
            const Num ts = f(&In::saturation_temperature);
            return ts - f(&In::wall_temperature);
        };
        const auto lambda = [&] { return f(&In::conductivity); };
        const auto mu = [&] { return f(&In::viscosity); };

        std::vector<std::string> notes;
        Num alpha;
        Num dt;
        // Film Reynolds number of the surfaces the film runs down over the length L.
        std::optional<std::pair<Num, Num>> film;  // (L, μ)
        switch (in.surface) {
            case CondensingSurface::Inclined: {
                const Num sine = frame::sin_degrees(f(&In::angle));
                const Num m = mu(), length = f(&In::length);
                dt = delta_t();
                alpha = 1.13 * pow(density_group() * sine * r * pow(lambda(), 3) / (m * length * dt), 0.25);
                notes.push_back("α = 1.13·[ρl·(ρl − ρv)·g·sinθ·r·λ³/(μ·L·Δt)]^0.25，sinθ = " + in_note(sine.get()));
                film.emplace(length, m);
                break;
            }
            case CondensingSurface::VerticalTube: {
                const Num m = mu(), length = f(&In::length);
                dt = delta_t();
                alpha = 1.13 * pow(density_group() * r * pow(lambda(), 3) / (m * length * dt), 0.25);
                notes.push_back("α = 1.13·[ρl·(ρl − ρv)·g·r·λ³/(μ·L·Δt)]^0.25");
                film.emplace(length, m);
                break;
            }
            case CondensingSurface::HorizontalTubeOutside: {
                // The latent heat is raised by the subcooling of the film, 0.68·cp·Δt.
                dt = delta_t();
                const Num r_corrected = r * (1 + 0.68 * f(&In::specific_heat) * dt / r);
                const Num m = mu();
                const Num denominator = m * f(&In::outside_diameter) * dt;
                alpha = 0.725 * pow(density_group() * r_corrected * pow(lambda(), 3) / denominator, 0.25);
                notes.push_back("α = 0.725·[ρl·(ρl − ρv)·g·r′·λ³/(μ·dₒ·Δt)]^0.25");
                notes.push_back("r′ = r·(1 + 0.68·cp·Δt/r) = " + in_note(r_corrected.get()) + " J/kg");
                break;
            }
            case CondensingSurface::HorizontalTubeInside: {
                dt = delta_t();
                const Num r_corrected = r + 0.375 * f(&In::specific_heat) * dt;
                const Num m = mu();
                const Num denominator = m * f(&In::inside_diameter) * dt;
                alpha = 0.555 * pow(density_group() * r_corrected * pow(lambda(), 3) / denominator, 0.25);
                notes.push_back("α = 0.555·[ρl·(ρl − ρv)·g·r′·λ³/(μ·dᵢ·Δt)]^0.25（管内低速冷凝）");
                notes.push_back("r′ = r + 0.375·cp·Δt = " + in_note(r_corrected.get()) + " J/kg");
                break;
            }
        }
        const std::string text = frame::masked(alpha.get());
        notes.insert(notes.begin(), "Δt = ts − tw = " + in_note(dt.get()) + " ℃");
        notes.push_back("α = " + text + " W/(m²·℃)");
        // The note never fails the calculation: a film Reynolds number that is no number is left out.
        if (film) {
            const double re = 4 * alpha.get() * film->first.get() * dt.get() / (r.get() * film->second.get());
            if (std::isfinite(re)) {
                notes.push_back("膜雷诺数 Re = 4·α·L·Δt/(r·μ) = " + in_note(re));
                if (re > kLaminarFilmReynolds) notes.push_back("注意：Re > 1800，液膜已非层流，层流膜公式偏低");
            }
        }
        return frame::Explained{{{text, notes}}};
    });
}

}  // namespace vxr::calc
