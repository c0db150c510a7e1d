#include "calc/flexibility/assessment.h"

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::Num;
using frame::significant;

namespace {

struct RouteSums {
    Num lx, ly, lz;  // ΣLX, ΣLY, ΣLZ
    Num length;      // L
};

// Sums records 1…end in route order; a record never saved adds nothing.
RouteSums sum_route(const NodeList& nodes, int end) {
    RouteSums s;
    for (int n = 1; n <= end; ++n) {
        const auto& record = nodes.record(n);
        if (!record) continue;
        s.lx = s.lx + frame::value(record->lx);
        s.ly = s.ly + frame::value(record->ly);
        s.lz = s.lz + frame::value(record->lz);
        s.length = s.length + frame::value(record->length);
    }
    return s;
}

}  // namespace

FlexibilityAssessment assess_flexibility(const PipeBasics& pipe, const NodeList& nodes) {
    const auto end = nodes.end_node();
    if (!end) return {FlexibilityAssessment::Status::NoEndNode, 0.0, {}, {}};

    const auto done = frame::trap([&] {
        const RouteSums s = sum_route(nodes, *end);
        const Num alpha = frame::value(pipe.expansion);
        const Num dt = frame::value(pipe.t_max) - frame::value(pipe.t_min);

        // Free expansion along each axis, then their resultant.
        const Num dx = s.lx * alpha * dt;
        const Num dy = s.ly * alpha * dt;
        const Num dz = s.lz * alpha * dt;
        const Num y = frame::pow(frame::pow(dx, 2) + frame::pow(dy, 2) + frame::pow(dz, 2), 0.5);

        // Anchor distance; a straight route leaves no slack L − U.
        const Num u = frame::pow(frame::pow(s.lx, 2) + frame::pow(s.ly, 2) + frame::pow(s.lz, 2), 0.5);
        const Num d = frame::value(pipe.diameter);
        FlexibilityAssessment a{FlexibilityAssessment::Status::Done, 0.0, {}, {}};
        a.notes = {
            "ΣLX = " + significant(s.lx.get()) + " m  ΣLY = " + significant(s.ly.get()) +
                " m  ΣLZ = " + significant(s.lz.get()) + " m",
            "L = " + significant(s.length.get()) + " m  U = √(ΣLX² + ΣLY² + ΣLZ²) = " + significant(u.get()) + " m",
            "Y = |α·ΔT|·U = " + significant(y.get()) + " mm"};
        if (s.length == u) {
            if (s.length == 0) throw frame::DataCheckFailure{};
            const bool expands = y > 0;
            a.verdict = expands ? kNotSuitable : kSuitable;
            a.notes.push_back(expands ? "L − U = 0：直管段两端固定，无法吸收热膨胀"
                                      : "L − U = 0，但 Y = 0：没有热膨胀需要吸收");
            return a;
        }
        a.ratio = (d * y / frame::pow(s.length - u, 2)).get();
        a.verdict = a.ratio <= kFlexibilityLimit ? kSuitable : kNotSuitable;
        a.notes.push_back("R = D·Y/(L − U)² = " + significant(a.ratio) +
                          (a.ratio <= kFlexibilityLimit ? " ≤ 208.3" : " > 208.3"));
        return a;
    });
    if (!done) return {};
    return *done;
}

}  // namespace vxr::calc
