#include "calc/flexibility/assessment.h"

#include <cmath>

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
    Num allowance;   // what the rounding of the typed lengths may take off L: Σ max(0.005, 0.001·r) over the records
};

// Sums records 1…end in route order; a record never saved adds nothing.
RouteSums sum_route(const Route& route) {
    RouteSums s;
    for (const std::optional<SegmentTexts>& record : route.segments) {
        if (!record) continue;
        const Num lx = frame::value(record->lx), ly = frame::value(record->ly), lz = frame::value(record->lz);
        s.lx = s.lx + lx;
        s.ly = s.ly + ly;
        s.lz = s.lz + lz;
        s.length = s.length + frame::value(record->length);
        s.allowance = s.allowance + rounding_allowance(std::hypot(lx.get(), ly.get(), lz.get()));
    }
    return s;
}

}  // namespace

frame::Outcome<In> assess_flexibility(const In& in) {
    return frame::run<In>([&] {
        if (!in.route.end) throw frame::Refusal<In>{"请确定最终节点", nullptr, true};
        const frame::Fields<In> f(in);
        // A metal that does not expand or a pipe of no size has nothing to judge: bad data, not a verdict.
        const Num alpha = f(&In::expansion);
        if (!(alpha > 0)) throw frame::Refusal<In>{"", &In::expansion};
        const Num d = f(&In::diameter);
        if (!(d > 0)) throw frame::Refusal<In>{"", &In::diameter};
        const RouteSums s = sum_route(in.route);
        const Num t_max = f(&In::t_max);
        const Num dt = t_max - f(&In::t_min);

        // Free expansion along each axis, then their resultant.
        const Num dx = s.lx * alpha * dt;
        const Num dy = s.ly * alpha * dt;
        const Num dz = s.lz * alpha * dt;
        const Num y = frame::pow(frame::pow(dx, 2) + frame::pow(dy, 2) + frame::pow(dz, 2), 0.5);

        // Anchor distance; a straight route leaves no slack L − U, within the rounding of its typed lengths.
        const Num u = frame::pow(frame::pow(s.lx, 2) + frame::pow(s.ly, 2) + frame::pow(s.lz, 2), 0.5);
        std::vector<std::string> notes = {
            "ΣLX = " + in_note(s.lx.get()) + " m  ΣLY = " + in_note(s.ly.get()) + " m  ΣLZ = " + in_note(s.lz.get()) +
                " m",
            "L = " + in_note(s.length.get()) + " m  U = √(ΣLX² + ΣLY² + ΣLZ²) = " + in_note(u.get()) + " m",
            "Y = |α·ΔT|·U = " + in_note(y.get()) + " mm"};
        const double slack = std::fabs((s.length - u).get());
        if (slack <= s.allowance.get()) {
            if (s.length == 0) throw frame::DataCheckFailure{};
            const bool expands = y > 0;
            notes.push_back("|L − U| = " + in_note(slack) + " m ≤ " + in_note(s.allowance) +
                            " m（各管段长度的舍入允差之和），按直管段判断：" +
                            (expands ? "两端固定，无法吸收热膨胀" : "Y = 0，没有热膨胀需要吸收"));
            return frame::Explained{{{expands ? kNotSuitable : kSuitable, notes}}};
        }
        const double ratio = (d * y / frame::pow(s.length - u, 2)).get();
        const bool suitable = ratio <= kFlexibilityLimit;
        notes.push_back("R = D·Y/(L − U)² = " + in_note(ratio) + (suitable ? " ≤ 208.3" : " > 208.3"));
        return frame::Explained{{{suitable ? kSuitable : kNotSuitable, notes}}};
    });
}

}  // namespace vxr::calc
