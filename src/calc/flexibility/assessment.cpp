#include "calc/flexibility/assessment.h"

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::in_note;
using frame::Num;
using In = FlexibilityInput;

namespace {

struct RouteSums {
    Num lx, ly, lz;  // ΣLX, ΣLY, ΣLZ
    Num length;      // L
};

// Sums records 1…end in route order; a record never saved adds nothing.
RouteSums sum_route(const Route& route) {
    RouteSums s;
    for (const std::optional<SegmentTexts>& record : route.segments) {
        if (!record) continue;
        s.lx = s.lx + frame::value(record->lx);
        s.ly = s.ly + frame::value(record->ly);
        s.lz = s.lz + frame::value(record->lz);
        s.length = s.length + frame::value(record->length);
    }
    return s;
}

}  // namespace

frame::Outcome<In> assess_flexibility(const In& in) {
    return frame::run<In>([&] {
        if (!in.route.end) throw frame::Refusal<In>{"请确定最终节点", nullptr, true};
        const frame::Fields<In> f(in);
        const Num alpha = f(&In::expansion);
        const Num d = f(&In::diameter);
        const RouteSums s = sum_route(in.route);
        const Num t_max = f(&In::t_max);
        const Num dt = t_max - f(&In::t_min);

        // Free expansion along each axis, then their resultant.
        const Num dx = s.lx * alpha * dt;
        const Num dy = s.ly * alpha * dt;
        const Num dz = s.lz * alpha * dt;
        const Num y = frame::pow(frame::pow(dx, 2) + frame::pow(dy, 2) + frame::pow(dz, 2), 0.5);

        // Anchor distance; a straight route leaves no slack L − U.
        const Num u = frame::pow(frame::pow(s.lx, 2) + frame::pow(s.ly, 2) + frame::pow(s.lz, 2), 0.5);
        std::vector<std::string> notes = {
            "ΣLX = " + in_note(s.lx.get()) + " m  ΣLY = " + in_note(s.ly.get()) + " m  ΣLZ = " + in_note(s.lz.get()) +
                " m",
            "L = " + in_note(s.length.get()) + " m  U = √(ΣLX² + ΣLY² + ΣLZ²) = " + in_note(u.get()) + " m",
            "Y = |α·ΔT|·U = " + in_note(y.get()) + " mm"};
        if (s.length == u) {
            if (s.length == 0) throw frame::DataCheckFailure{};
            const bool expands = y > 0;
            notes.push_back(expands ? "L − U = 0：直管段两端固定，无法吸收热膨胀"
                                    : "L − U = 0，但 Y = 0：没有热膨胀需要吸收");
            return frame::Explained{{{expands ? kNotSuitable : kSuitable, notes}}};
        }
        const double ratio = (d * y / frame::pow(s.length - u, 2)).get();
        const bool suitable = ratio <= kFlexibilityLimit;
        notes.push_back("R = D·Y/(L − U)² = " + in_note(ratio) + (suitable ? " ≤ 208.3" : " > 208.3"));
        return frame::Explained{{{suitable ? kSuitable : kNotSuitable, notes}}};
    });
}

}  // namespace vxr::calc
