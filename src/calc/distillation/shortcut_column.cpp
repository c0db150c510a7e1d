#include "calc/distillation/shortcut_column.h"

#include <algorithm>
#include <cmath>

#include "frame/number_text.h"

namespace vxr::calc {

using frame::in_note;
using frame::kAsTyped;
using frame::masked;
using frame::Num;

namespace {

Num equilibrium(Num x, Num alpha) {
    return alpha * x / (1 + (alpha - 1) * x);
}

// A stage count rounded up, a rounding error above a whole number counting as that number.
double stages_up(Num n) {
    return std::ceil(n.get() - 1e-9);
}

// ln[(x/(1 − x))·((1 − xw)/xw)]/ln α: Fenske's stages between a composition x and xw at total reflux.
Num fenske(Num x, Num xw, Num alpha) {
    return frame::ln(x / (1 - x) * ((1 - xw) / xw)) / frame::ln(alpha);
}

}  // namespace

Pinch feed_pinch(double xF, double q, double alpha) {
    if (q == 1) return {xF, equilibrium(xF, alpha).get()};
    // f(0) = xF > 0 and f(1) = xF − 1 < 0, and f has one root between: halve the bracket until it stops shrinking.
    const Num xf = xF, qn = q, a = alpha;
    auto f = [&](Num x) { return (qn - 1) * equilibrium(x, a) - qn * x + xf; };
    double lo = 0, hi = 1;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        if (mid <= lo || mid >= hi) break;
        (f(mid) > 0 ? lo : hi) = mid;
    }
    const double x = 0.5 * (lo + hi);
    return {x, equilibrium(x, a).get()};
}

frame::Outcome<ColumnInput> shortcut_column(const ColumnInput& in) {
    using In = ColumnInput;
    return frame::run<In>([&] {
        const frame::Fields<In> f(in);
        const Num F = f(&In::feed);
        const Num xF = f(&In::feed_comp);
        const Num xD = f(&In::top_comp);
        const Num xW = f(&In::bottom_comp);
        const Num alpha = f(&In::alpha);
        const Num q = f(&In::q);
        const Num k = f(&In::reflux_factor);

        if (F <= 0) frame::refuse<In>("进料量必须大于零。", &In::feed);
        // 0 < xW < xF < xD < 1: the field at fault is the first, in reading order (xF, xD, xW), that takes part in
        // a broken inequality.
        const bool low = xW < xF, high = xF < xD;
        std::string In::*fault = nullptr;
        if (!low || !high)
            fault = &In::feed_comp;
        else if (xD >= 1)
            fault = &In::top_comp;
        else if (xW <= 0)
            fault = &In::bottom_comp;
        if (fault) frame::refuse<In>("组成须满足 0 < 塔底组成 < 进料组成 < 塔顶组成 < 1。", fault);
        if (alpha <= 1) frame::refuse<In>("相对挥发度必须大于1。", &In::alpha);
        if (k <= 1) frame::refuse<In>("回流比倍数必须大于1。", &In::reflux_factor);
        const Pinch pinch = feed_pinch(xF.get(), q.get(), alpha.get());
        const Num xq = pinch.x, yq = pinch.y;
        if (xD <= yq) frame::refuse<In>("塔顶组成不高于进料平衡组成，不需要精馏段。", &In::top_comp);

        const Num D = F * (xF - xW) / (xD - xW);
        const Num W = F - D;
        const Num Rmin = (xD - yq) / (yq - xq);
        const Num R = k * Rmin;
        const Num Nmin = fenske(xD, xW, alpha);
        const Num X = (R - Rmin) / (R + 1);
        const Num Y = 0.75 * (1 - frame::pow(X, 0.5668));
        const Num N = (Nmin + Y) / (1 - Y);
        const Num N1min = fenske(xD, xF, alpha);
        const Num N1 = (N1min + Y) / (1 - Y);
        const double stages = stages_up(N), rectifying = stages_up(N1);
        const double feed_plate = std::min(rectifying + 1, stages);

        const std::string D_text = masked(D.get(), 3), W_text = masked(W.get(), 3), Rmin_text = masked(Rmin.get(), 3),
                          R_text = masked(R.get(), 3), Nmin_text = masked(Nmin.get(), 2), N_text = masked(N.get(), 2),
                          plates_text = masked(stages - 1, 0), N1_text = masked(N1.get(), 2),
                          feed_text = masked(feed_plate, 0);
        const std::string pinch_note =
            q == 1 ? "q = 1：xq = xF = " + in_note(xq) + "，yq = α·xq/(1 + (α − 1)·xq) = " + in_note(yq)
                   : "q = " + in_note(q, kAsTyped) +
                         "：xq 为 (q − 1)·α·x/(1 + (α − 1)·x) − q·x + xF = 0 在 0 与 1 之间的根，xq = " + in_note(xq) +
                         "，yq = " + in_note(yq);
        const std::string gilliland =
            "X = (R − Rmin)/(R + 1) = " + in_note(X) + "，Y = 0.75·(1 − X^0.5668) = " + in_note(Y);
        const std::string Nmin_note = "Nmin = ln[(xD/(1 − xD))·((1 − xW)/xW)]/ln α = ln[(" + in_note(xD, kAsTyped) +
                                      "/(1 − " + in_note(xD, kAsTyped) + ")) × ((1 − " + in_note(xW, kAsTyped) + ")/" +
                                      in_note(xW, kAsTyped) + ")]/ln " + in_note(alpha, kAsTyped) + " = " + Nmin_text +
                                      "（含再沸器）";
        // Stage ⌈N⌉ is the reboiler: a feed plate there, whether reached or capped, means feeding the reboiler.
        std::vector<std::string> feed_notes;
        if (rectifying + 1 > stages)
            feed_notes = {"加料板 = ⌈N⌉ = " + feed_text + "（⌈N1⌉ + 1 = " + masked(rectifying + 1, 0) +
                          " 超过再沸器）"};
        else
            feed_notes = {"加料板 = ⌈N1⌉ + 1 = " + masked(rectifying, 0) + " + 1 = " + feed_text + "（自塔顶数起）"};
        if (feed_plate == stages)
            feed_notes.push_back("注意：精馏段所需理论板数已达全塔，进料由再沸器（第 " + feed_text + " 块）加入。");
        feed_notes.push_back("N1 = " + in_note(N1) + "，N = " + in_note(N));

        return frame::Explained{{
            {D_text,
             {"D = F·(xF − xW)/(xD − xW) = " + in_note(F, kAsTyped) + " × (" + in_note(xF, kAsTyped) + " − " +
                  in_note(xW, kAsTyped) + ")/(" + in_note(xD, kAsTyped) + " − " + in_note(xW, kAsTyped) +
                  ") = " + D_text + " kmol/h",
              "D = " + in_note(D) + " kmol/h"}},
            {W_text, {"W = F − D = " + in_note(F, kAsTyped) + " − " + in_note(D) + " = " + W_text + " kmol/h"}},
            {Rmin_text,
             {"Rmin = (xD − yq)/(yq − xq) = (" + in_note(xD, kAsTyped) + " − " + in_note(yq) + ")/(" + in_note(yq) +
                  " − " + in_note(xq) + ") = " + Rmin_text,
              pinch_note, "Rmin = " + in_note(Rmin)}},
            {R_text,
             {"R = k·Rmin = " + in_note(k, kAsTyped) + " × " + in_note(Rmin) + " = " + R_text, "R = " + in_note(R)}},
            {Nmin_text, {Nmin_note, "Nmin = " + in_note(Nmin)}},
            {N_text,
             {"N = (Nmin + Y)/(1 − Y) = (" + in_note(Nmin) + " + " + in_note(Y) + ")/(1 − " + in_note(Y) +
                  ") = " + N_text + "（含再沸器）",
              gilliland, "N = " + in_note(N)}},
            {plates_text,
             {"⌈N⌉ − 1 = " + masked(stages, 0) + " − 1 = " + plates_text + "（不含再沸器）", "N = " + in_note(N)}},
            {N1_text,
             {"N1 = (N1min + Y)/(1 − Y) = (" + in_note(N1min) + " + " + in_note(Y) + ")/(1 − " + in_note(Y) +
                  ") = " + N1_text,
              "N1min = ln[(xD/(1 − xD))·((1 − xF)/xF)]/ln α = " + in_note(N1min), gilliland}},
            {feed_text, feed_notes},
        }};
    });
}

}  // namespace vxr::calc
