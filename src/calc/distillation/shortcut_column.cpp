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

// The stages from the top at reflux R, with the operating lines' intersection (x*, y*); see the header.
Staircase step_off(Num xF, Num xD, Num xW, Num alpha, Num q, Num R, Point pinch) {
    Staircase s;
    s.xF = xF.get(), s.xD = xD.get(), s.xW = xW.get(), s.alpha = alpha.get(), s.q = q.get(), s.R = R.get();
    s.pinch = pinch;
    const Num slope = R / (R + 1), cut = xD / (R + 1);
    const Num xs = q == 1 ? xF : ((R + 1) * xF + (q - 1) * xD) / (R + q);
    const Num ys = slope * xs + cut;
    s.meet = {xs.get(), ys.get()};
    std::size_t feed = 0;
    Num y = xD, above = xD;
    for (std::size_t n = 1; n <= kMostStages; ++n) {
        const Num x = y / (alpha - (alpha - 1) * y);
        s.stages.push_back({x.get(), y.get()});
        if (!feed && x <= xs) feed = n;
        if (x <= xW) {
            s.count = (static_cast<double>(n - 1) + (above - xW) / (above - x)).get();
            s.feed_below_last = feed == 0;
            s.feed = feed ? feed : n;
            return s;
        }
        // Below x* the stripping line, by where x lies between its ends (xW, xW) and (x*, y*).
        y = x > xs ? slope * x + cut : xW + (ys - xW) * ((x - xW) / (xs - xW));
        above = x;
    }
    return s;
}

// "第 3～7 级", or "第 3 级" where first = last.
std::string stage_range(std::size_t first, std::size_t last) {
    if (first == last) return "第 " + std::to_string(first) + " 级";
    return "第 " + std::to_string(first) + "～" + std::to_string(last) + " 级";
}

// A value compared with a bound, with as many digits as tell it from the bound.
std::string beside(Num value, double bound) {
    int digits = 6;
    while (digits < kAsTyped && value != bound && in_note(value, digits) == in_note(bound)) ++digits;
    return in_note(value, digits);
}

// What the stage-by-stage count shows, with the notes of the count and of its feed stage.
struct StageResults {
    std::string count_text, feed_text;
    std::vector<std::string> count_notes, feed_notes;
};

StageResults stage_results(const Staircase& s) {
    const Num xD = s.xD, xW = s.xW, R = s.R, q = s.q, xs = s.meet.x, ys = s.meet.y;
    const auto x = [&](std::size_t n) { return n == 0 ? "xD" : "x" + std::to_string(n); };
    const auto x_at = [&](std::size_t n) { return n == 0 ? xD : Num(s.stages[n - 1].x); };
    // Each number written once (writing one costs about as much as the count itself).
    const std::string xs_text = in_note(xs), xW_text = in_note(xW, kAsTyped);
    StageResults r;
    r.count_notes = {
        "逐板计算（全凝器，恒摩尔流）：y1 = xD，xn = yn/(α − (α − 1)·yn)，至 xn ≤ xW 止",
        "xn > x* 时 y(n+1) 由精馏段操作线求，其后由提馏段操作线求",
        "精馏段操作线 y = R/(R + 1)·x + xD/(R + 1) = " + in_note(R / (R + 1)) + "·x + " + in_note(xD / (R + 1)),
        (q == 1 ? "q = 1：x* = xF = " + xs_text
                : "x* = ((R + 1)·xF + (q − 1)·xD)/(R + q) = ((" + in_note(R) + " + 1) × " + in_note(s.xF, kAsTyped) +
                      " + (" + in_note(q, kAsTyped) + " − 1) × " + in_note(xD, kAsTyped) + ")/(" + in_note(R) + " + " +
                      in_note(q, kAsTyped) + ") = " + xs_text) +
            "，y* = " + in_note(ys)};
    if (xs > xW)
        r.count_notes.push_back("提馏段操作线过 (xW, xW) = (" + xW_text + ", " + xW_text +
                                ") 与 (x*, y*)，斜率 (y* − xW)/(x* − xW) = " + in_note((ys - xW) / (xs - xW)));
    else
        r.count_notes.push_back("注意：x* = " + xs_text + " ≤ xW = " + xW_text +
                                "，即提馏段上升蒸汽量 (R + 1)·D − (1 − q)·F ≤ 0：提馏段操作线不成立，逐板均按精馏段"
                                "操作线计。");
    const std::size_t last = s.stages.size();
    if (!s.count) {
        r.count_text = r.feed_text = "—";
        r.count_notes.push_back("逐板计算至第 " + std::to_string(last) + " 级 " + x(last) + " = " +
                                in_note(x_at(last)) + " 仍高于 xW = " + xW_text + "：所需理论板数超过 " +
                                std::to_string(kMostStages) + "，不给出逐板结果（简捷法结果照常）");
        r.feed_notes = {"逐板计算超过 " + std::to_string(kMostStages) + " 级，不给出逐板法加料板位置"};
        return r;
    }
    const Num count = *s.count, whole = static_cast<double>(last - 1), fraction = count - whole;
    r.count_text = frame::masked_or_significant(count.get(), 2);
    r.feed_text = frame::masked(static_cast<double>(s.feed), 0);
    const std::string f = std::to_string(s.feed), n = std::to_string(last);
    if (s.feed_below_last)
        r.count_notes.push_back("精馏段" + stage_range(1, last) + "（xn > x*），加料板取最后一级");
    else
        r.count_notes.push_back(
            (s.feed == 1 ? "精馏段无（x1 ≤ x*）" : "精馏段" + stage_range(1, s.feed - 1) + "（xn > x*）") + "，提馏段" +
            stage_range(s.feed, last) +
            (s.feed == last ? "（加料板即再沸器）" : "（自加料板第 " + f + " 级起，第 " + n + " 级为再沸器）"));
    const std::string above = in_note(x_at(last - 1)), fraction_text = in_note(fraction);
    r.count_notes.push_back("末级按分数计：(" + x(last - 1) + " − xW)/(" + x(last - 1) + " − " + x(last) + ") = (" +
                            above + " − " + xW_text + ")/(" + above + " − " + in_note(x_at(last)) +
                            ") = " + fraction_text);
    r.count_notes.push_back("N = " + masked(whole.get(), 0) + " + " + fraction_text + " = " + r.count_text +
                            "（含再沸器）");
    if (s.feed_below_last)
        r.feed_notes = {"加料板取最后一级 = " + r.feed_text + "（再沸器）：逐板至 xW 各级均有 xn > x* = " + xs_text};
    else if (s.feed == 1)
        r.feed_notes = {"加料板 = 第一个 xn ≤ x* 的级 = 1：x1 = " + in_note(x_at(1)) + " ≤ x* = " + xs_text};
    else
        r.feed_notes = {"加料板 = 第一个 xn ≤ x* 的级 = " + r.feed_text + "：" + x(s.feed - 1) + " = " +
                        in_note(x_at(s.feed - 1)) + " > x* = " + xs_text + " ≥ " + x(s.feed) + " = " +
                        in_note(x_at(s.feed))};
    return r;
}

}  // namespace

Point feed_pinch(double xF, double q, double alpha) {
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

namespace {

// A case solved: every number of the results, and the staircase the stage-by-stage count was taken on.
struct Column {
    Num F, xF, xD, xW, alpha, q, k;
    Num xq, yq, D, W, Rmin, R, Nmin, X, Y, N, N1min, N1;
    double stages = 0, rectifying = 0, feed_plate = 0;  // ⌈N⌉, ⌈N1⌉ and the feed plate
    Staircase staircase;
};

// Reads and solves a case, or throws its refusal or arithmetic failure. All that can fail is done here: the texts
// and notes are written from its numbers afterwards (dividing only by R + 1 > 1 and by x* − xW > 0), so that a case
// has its staircase exactly when its calculation finishes.
Column solve(const ColumnInput& in) {
    using In = ColumnInput;
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
    const Point pinch = feed_pinch(xF.get(), q.get(), alpha.get());
    const Num xq = pinch.x, yq = pinch.y;
    if (xD <= yq) frame::refuse<In>("塔顶组成不高于进料平衡组成，不需要精馏段。", &In::top_comp);

    const Num D = F * (xF - xW) / (xD - xW);
    const Num Rmin = (xD - yq) / (yq - xq);
    const Num R = k * Rmin;
    const Num Nmin = fenske(xD, xW, alpha);
    const Num X = (R - Rmin) / (R + 1);
    const Num Y = 0.75 * (1 - frame::pow(X, 0.5668));
    const Num N = (Nmin + Y) / (1 - Y);
    const Num N1min = fenske(xD, xF, alpha);
    const Num N1 = (N1min + Y) / (1 - Y);
    Column c;
    c.F = F, c.xF = xF, c.xD = xD, c.xW = xW, c.alpha = alpha, c.q = q, c.k = k, c.xq = xq, c.yq = yq;
    c.D = D, c.W = F - D, c.Rmin = Rmin, c.R = R, c.Nmin = Nmin, c.X = X, c.Y = Y, c.N = N, c.N1min = N1min, c.N1 = N1;
    c.stages = stages_up(N), c.rectifying = stages_up(N1), c.feed_plate = std::min(c.rectifying + 1, c.stages);
    c.staircase = step_off(xF, xD, xW, alpha, q, R, pinch);
    return c;
}

// The results of a solved case with their notes.
frame::Explained explain(const Column& c) {
    const Num F = c.F, xF = c.xF, xD = c.xD, xW = c.xW, alpha = c.alpha, q = c.q, k = c.k;
    const Num xq = c.xq, yq = c.yq, D = c.D, Rmin = c.Rmin, R = c.R, Nmin = c.Nmin, X = c.X, Y = c.Y, N = c.N,
              N1min = c.N1min, N1 = c.N1;
    StageResults by_stage = stage_results(c.staircase);

    using frame::masked_or_significant;
    const std::string D_text = masked_or_significant(D.get(), 3), W_text = masked_or_significant(c.W.get(), 3),
                      Rmin_text = masked_or_significant(Rmin.get(), 3), R_text = masked_or_significant(R.get(), 3),
                      Nmin_text = masked_or_significant(Nmin.get(), 2), N_text = masked_or_significant(N.get(), 2),
                      plates_text = masked(c.stages - 1, 0), N1_text = masked_or_significant(N1.get(), 2),
                      feed_text = masked(c.feed_plate, 0);
    // Warnings of the shortcut: Gilliland's correlation near the minimum reflux or outside its data (N, N1), and a
    // separation too close for a shortcut at all (Nmin, N, N1).
    std::vector<std::string> gilliland_warnings;
    if (k < 1.05)
        gilliland_warnings.push_back("注意：R/Rmin = " + in_note(k, kAsTyped) +
                                     " < 1.05，接近最小回流比，Gilliland 关联误差大。");
    if (X < 0.01 || X > 0.9)
        gilliland_warnings.push_back("注意：X = (R − Rmin)/(R + 1) = " + beside(X, X < 0.01 ? 0.01 : 0.9) +
                                     " 超出 Gilliland 关联的数据范围 0.01–0.9。");
    const auto warned = [&](std::vector<std::string> notes, bool gilliland) {
        if (gilliland) notes.insert(notes.end(), gilliland_warnings.begin(), gilliland_warnings.end());
        if (alpha < 1.05) notes.push_back("注意：α = " + in_note(alpha, kAsTyped) + " < 1.05，简捷法不可靠。");
        return notes;
    };
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
    if (c.rectifying + 1 > c.stages)
        feed_notes = {"加料板 = ⌈N⌉ = " + feed_text + "（⌈N1⌉ + 1 = " + masked(c.rectifying + 1, 0) + " 超过再沸器）"};
    else
        feed_notes = {"加料板 = ⌈N1⌉ + 1 = " + masked(c.rectifying, 0) + " + 1 = " + feed_text + "（自塔顶数起）"};
    if (c.feed_plate == c.stages)
        feed_notes.push_back("注意：精馏段所需理论板数已达全塔，进料由再沸器（第 " + feed_text + " 块）加入。");
    feed_notes.push_back("N1 = " + in_note(N1) + "，N = " + in_note(N));
    feed_notes.push_back(c.staircase.count
                             ? "逐板法加料板位置 = " + by_stage.feed_text
                             : "逐板法加料板位置：—（逐板计算超过 " + std::to_string(kMostStages) + " 级）");
    by_stage.feed_notes.push_back("简捷法加料板位置 = " + feed_text);

    return frame::Explained{{
        {D_text,
         {"D = F·(xF − xW)/(xD − xW) = " + in_note(F, kAsTyped) + " × (" + in_note(xF, kAsTyped) + " − " +
              in_note(xW, kAsTyped) + ")/(" + in_note(xD, kAsTyped) + " − " + in_note(xW, kAsTyped) + ") = " + D_text +
              " kmol/h",
          "D = " + in_note(D) + " kmol/h"}},
        {W_text, {"W = F − D = " + in_note(F, kAsTyped) + " − " + in_note(D) + " = " + W_text + " kmol/h"}},
        {Rmin_text,
         {"Rmin = (xD − yq)/(yq − xq) = (" + in_note(xD, kAsTyped) + " − " + in_note(yq) + ")/(" + in_note(yq) + " − " +
              in_note(xq) + ") = " + Rmin_text,
          pinch_note, "Rmin = " + in_note(Rmin)}},
        {R_text,
         {"R = k·Rmin = " + in_note(k, kAsTyped) + " × " + in_note(Rmin) + " = " + R_text, "R = " + in_note(R)}},
        {Nmin_text, warned({Nmin_note, "Nmin = " + in_note(Nmin)}, false)},
        {N_text, warned({"N = (Nmin + Y)/(1 − Y) = (" + in_note(Nmin) + " + " + in_note(Y) + ")/(1 − " + in_note(Y) +
                             ") = " + N_text + "（含再沸器）",
                         gilliland, "N = " + in_note(N)},
                        true)},
        {plates_text,
         {"⌈N⌉ − 1 = " + masked(c.stages, 0) + " − 1 = " + plates_text + "（不含再沸器）", "N = " + in_note(N)}},
        {N1_text, warned({"N1 = (N1min + Y)/(1 − Y) = (" + in_note(N1min) + " + " + in_note(Y) + ")/(1 − " +
                              in_note(Y) + ") = " + N1_text,
                          "N1min = ln[(xD/(1 − xD))·((1 − xF)/xF)]/ln α = " + in_note(N1min), gilliland},
                         true)},
        {feed_text, feed_notes},
        {by_stage.count_text, by_stage.count_notes},
        {by_stage.feed_text, by_stage.feed_notes},
    }};
}

}  // namespace

frame::Outcome<ColumnInput> shortcut_column(const ColumnInput& in) {
    return frame::run<ColumnInput>([&] { return explain(solve(in)); });
}

std::optional<Staircase> column_staircase(const ColumnInput& in) {
    try {
        return solve(in).staircase;
    } catch (const frame::Refusal<ColumnInput>&) {
    } catch (const frame::DataCheckFailure&) {
    }
    return std::nullopt;
}

}  // namespace vxr::calc
