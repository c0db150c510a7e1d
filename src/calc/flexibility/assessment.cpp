#include "calc/flexibility/assessment.h"

#include "frame/checked.h"

namespace vxr::calc {

using frame::Num;

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
    if (!end) return {FlexibilityAssessment::Status::NoEndNode, 0.0, {}};

    const auto ratio = frame::trap([&] {
        const RouteSums s = sum_route(nodes, *end);
        const Num alpha = frame::value(pipe.expansion);
        const Num dt = frame::value(pipe.t_max) - frame::value(pipe.t_min);

        // Free expansion along each axis, then their resultant.
        const Num dx = s.lx * alpha * dt;
        const Num dy = s.ly * alpha * dt;
        const Num dz = s.lz * alpha * dt;
        const Num y = frame::pow(frame::pow(dx, 2) + frame::pow(dy, 2) + frame::pow(dz, 2), 0.5);

        // Anchor distance; a route that is one straight line leaves no slack L − U and fails the division.
        const Num u = frame::pow(frame::pow(s.lx, 2) + frame::pow(s.ly, 2) + frame::pow(s.lz, 2), 0.5);
        const Num d = frame::value(pipe.diameter);
        return (d * y / frame::pow(s.length - u, 2)).get();
    });
    if (!ratio) return {};
    return {FlexibilityAssessment::Status::Done, *ratio, *ratio <= kFlexibilityLimit ? kSuitable : kNotSuitable};
}

}  // namespace vxr::calc
