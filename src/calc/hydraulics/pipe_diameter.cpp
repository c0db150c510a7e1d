#include "calc/hydraulics/pipe_diameter.h"

#include <cmath>
#include <numbers>

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
        std::array<const PipeSize*, 3> pipe{};
        if (in.series)
            for (std::size_t i = 0; i < std::size(kSections); ++i) {
                pipe[i] = in.series->smallest_taking(d[i]);
                if (pipe[i]) continue;
                const PipeSize& largest = in.series->sizes.back();
                frame::refuse<In>("管段 " + std::to_string(i + 1) + " 的计算管内径 " + frame::in_note(d[i]) +
                                      " mm 大于“" + in.series->name + "”的最大内径 " +
                                      frame::in_note(largest.bore_mm()) + " mm（DN" + frame::plain(largest.dn) +
                                      "），请减小该管段的流量或加大流速，或选用其他管子规格。",
                                  kSections[i].flow);
            }
        for (std::size_t i = 0; i < std::size(kSections); ++i) {
            const std::string inside = frame::plain(d[i]);
            const std::string formula = "d = 18.8·√(Q/u) = 18.8 × √(" + frame::in_note(q[i], frame::kAsTyped) + " / " +
                                        frame::in_note(u[i], frame::kAsTyped) + ") = " + inside + " mm";
            sizes.results.push_back({inside, {formula}});
            if (pipe[i]) {
                const std::string bore = frame::masked(pipe[i]->bore_mm(), 2);
                sizes.results.push_back(
                    {frame::plain(pipe[i]->dn),
                     {formula, "DN" + frame::plain(pipe[i]->dn) + "：" + in.series->name +
                                   " 中内径不小于 d 的最小一档，" + pipe[i]->pipe() + "，内径 D = " + bore + " mm"}});
                continue;
            }
            const double dn = nominal_diameter(d[i]);
            const std::string why = d[i] <= 500
                                        ? "DN" + frame::plain(dn) + "：标准管径表中不小于 d 的最小一档"
                                        : "DN" + frame::plain(dn) + "：d > 500 mm，取大于 d 的下一个 50 mm 整倍数";
            sizes.results.push_back({frame::plain(dn), {formula, why}});
        }
        for (std::size_t i = 0; i < std::size(kSections); ++i) {
            if (!pipe[i]) {
                sizes.results.push_back({});
                sizes.results.push_back({});
                continue;
            }
            const std::string name = in.series->describe(*pipe[i]);
            const double bore = pipe[i]->bore_mm();
            const double area = std::numbers::pi * (bore / 1000) * (bore / 1000) / 4;
            const double velocity = q[i] / 3600 / area;
            const std::string bore_text = frame::masked(bore, 2);
            sizes.results.push_back({pipe[i]->pipe(),
                                     {name + "：外径 " + pipe[i]->od + " mm，壁厚 " + pipe[i]->wall + " mm，内径 D = " +
                                      pipe[i]->od + " − 2 × " + pipe[i]->wall + " = " + bore_text + " mm"}});
            sizes.results.push_back(
                {frame::masked(velocity, 3),
                 {"u′ = Q/(3600·π·D²/4) = " + frame::in_note(q[i], frame::kAsTyped) + " / (3600 × π × " +
                      frame::in_note(bore / 1000, frame::kAsTyped) + "² / 4) = " + frame::in_note(velocity) + " m/s",
                  "选定流速 u = " + frame::in_note(u[i], frame::kAsTyped) + " m/s，实际流速比选定值" +
                      (velocity >= u[i] ? "高 " : "低 ") + frame::in_note(std::abs(velocity / u[i] - 1) * 100, 3) +
                      " %"}});
        }
        return sizes;
    });
}

}  // namespace vxr::calc
