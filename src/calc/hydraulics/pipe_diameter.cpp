#include "calc/hydraulics/pipe_diameter.h"

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::Num;
using In = PipeSizingInput;

double nominal_diameter(double d) {
    // The standard sizes up to DN500. Each size takes every diameter above the size before it, fractions included:
    // a bore of 15.7 mm needs DN20, not the next row's lower bound.
    static constexpr double kSizes[] = {15,  20,  25,  32,  40,  50,  65,  80,  100,
                                        125, 150, 200, 250, 300, 350, 400, 450, 500};
    for (const double size : kSizes)
        if (d <= size) return size;
    return frame::floor(Num(d) / 50 + 1).get() * 50;
}

frame::Outcome<In> size_pipes(const In& in) {
    struct Section {
        std::string In::*flow;
        std::string In::*velocity;
    };
    static constexpr Section kSections[] = {
        {&In::flow1, &In::velocity1}, {&In::flow2, &In::velocity2}, {&In::flow3, &In::velocity3}};
    return frame::run<In>([&] {
        const frame::Fields<In> f(in);
        // Every diameter is computed before any is written, so one bad section leaves all results untouched.
        std::array<double, 3> q{}, u{}, d{};
        for (std::size_t i = 0; i < std::size(kSections); ++i) {
            const Num flow = f(kSections[i].flow), velocity = f(kSections[i].velocity);
            q[i] = flow.get();
            u[i] = velocity.get();
            d[i] = (18.8 * frame::sqrt(flow / velocity)).get();
        }
        frame::Explained sizes;
        for (std::size_t i = 0; i < std::size(kSections); ++i) {
            const std::string inside = frame::plain(d[i]);
            const double dn = nominal_diameter(d[i]);
            const std::string formula = "d = 18.8·√(Q/u) = 18.8 × √(" + frame::in_note(q[i], frame::kAsTyped) + " / " +
                                        frame::in_note(u[i], frame::kAsTyped) + ") = " + inside + " mm";
            const std::string why = d[i] <= 500
                                        ? "DN" + frame::plain(dn) + "：标准管径表中不小于 d 的最小一档"
                                        : "DN" + frame::plain(dn) + "：d > 500 mm，取大于 d 的下一个 50 mm 整倍数";
            sizes.results.push_back({inside, {formula}});
            sizes.results.push_back({frame::plain(dn), {formula, why}});
        }
        return sizes;
    });
}

}  // namespace vxr::calc
