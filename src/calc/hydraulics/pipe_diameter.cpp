#include "calc/hydraulics/pipe_diameter.h"

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::Num;

double nominal_diameter(double d) {
    // The standard sizes up to DN500. Each size takes every diameter above the size before it, fractions included:
    // a bore of 15.7 mm needs DN20, not the next row's lower bound.
    static constexpr double kSizes[] = {15,  20,  25,  32,  40,  50,  65,  80,  100,
                                        125, 150, 200, 250, 300, 350, 400, 450, 500};
    for (const double size : kSizes)
        if (d <= size) return size;
    return frame::floor(Num(d) / 50 + 1).get() * 50;
}

frame::Outcome<PipeSections> size_pipes(const PipeSections& sections) {
    return frame::run<PipeSections>([&] {
        // Every diameter is computed before any is written, so one bad section leaves all results untouched.
        std::array<double, 3> d{};
        for (std::size_t i = 0; i < sections.size(); ++i) {
            const Num q = frame::value(sections[i].flow);
            const Num u = frame::value(sections[i].velocity);
            d[i] = (18.8 * frame::sqrt(q / u)).get();
        }
        frame::Explained sizes;
        for (std::size_t i = 0; i < sections.size(); ++i) {
            const std::string inside = frame::plain(d[i]);
            const double dn = nominal_diameter(d[i]);
            const std::string formula =
                "d = 18.8·√(Q/u) = 18.8 × √(" + frame::plain(frame::value(sections[i].flow).get()) + " / " +
                frame::plain(frame::value(sections[i].velocity).get()) + ") = " + inside + " mm";
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
