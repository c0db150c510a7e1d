// Shortcut design (简捷法) of a binary distillation column with constant relative volatility, as taught in the Chinese
// unit-operations course (化工原理, 精馏): Fenske's minimum stages, the minimum reflux from the pinch of the q-line
// with the equilibrium curve (for a binary of constant α the same figure as Underwood's equations give, but not their
// method), and Gilliland's correlation in Eduljee's form.
//
//   D = F·(xF − xW)/(xD − xW),  W = F − D
//   equilibrium y = α·x/(1 + (α − 1)·x);  q-line y = q·x/(q − 1) − xF/(q − 1)
//   pinch (xq, yq): q = 1 → xq = xF; otherwise the one root in (0, 1) of (q − 1)·α·x/(1 + (α − 1)·x) − q·x + xF
//   Rmin = (xD − yq)/(yq − xq),  R = k·Rmin
//   Fenske: Nmin = ln[(xD/(1 − xD))·((1 − xW)/xW)]/ln α         (stages, reboiler included)
//   Eduljee: X = (R − Rmin)/(R + 1),  Y = 0.75·(1 − X^0.5668),  N = (Nmin + Y)/(1 − Y)
//   rectifying section: N1min as Nmin with xF for xW,  N1 = (N1min + Y)/(1 − Y)
//   plates without the reboiler ⌈N⌉ − 1; feed plate from the top ⌈N1⌉ + 1, at most ⌈N⌉ (the reboiler)
//   (⌈x⌉ taken as ⌈x − 1e-9⌉, so that a stage count a rounding error above a whole number is that number)
//
// Beside the shortcut, the count that constant α allows exactly, stage by stage from the top (逐板计算法, McCabe and
// Thiele, Ind. Eng. Chem. 17 (1925) 605), with a total condenser and constant molar overflow:
//   y1 = xD;  xn = yn/(α − (α − 1)·yn)
//   operating lines meet at x* = ((R + 1)·xF + (q − 1)·xD)/(R + q) (x* = xF at q = 1), y* on the rectifying line
//   y(n+1) = R/(R + 1)·xn + xD/(R + 1) while xn > x*, then from the stripping line through (xW, xW) and (x*, y*)
//   feed stage: the first n with xn ≤ x* (the last stage where xW is reached first)
//   count: to the first xn ≤ xW, the last stage as the fraction (x(n−1) − xW)/(x(n−1) − xn), x0 = xD; none past
//   1000 stages
//   (x* ≤ xW means a boil-up (R + 1)·D − (1 − q)·F ≤ 0: no stripping line, every step on the rectifying line)
//
// Warnings: R/Rmin < 1.05 (near the minimum reflux) and X outside 0.01–0.9 (the data behind Gilliland's
// correlation) in the notes of N and N1; α < 1.05 (a shortcut too coarse for so close a separation) in those of
// Nmin, N and N1.
//
// Units: F, D, W in kmol/h; compositions are mole fractions of the more volatile component; α, q, k, R and the
// stage counts dimensionless. Validity: ideal binary mixture with constant α and constant molar overflow; the
// Gilliland correlation is a shortcut for a first design, good to about a stage; the stage-by-stage count is exact
// under those assumptions.
// Worked example (the page's start values): F 100, xF 0.4, xD 0.95, xW 0.05, α 2.5, q 1, k 1.5 → D 38.889,
// W 61.111, Rmin 1.444, R 2.167, Nmin 6.43, N 11.93, plates 11, N1 7.10, feed plate 9; stage by stage 11.72 stages,
// the feed on stage 6.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

// The field texts of one case, in the page's reading order.
struct ColumnInput {
    std::string feed;           // F, kmol/h
    std::string feed_comp;      // xF
    std::string top_comp;       // xD
    std::string bottom_comp;    // xW
    std::string alpha;          // α
    std::string q;              // q, feed thermal condition
    std::string reflux_factor;  // k = R/Rmin
};

// A point of the x–y diagram: liquid and vapour mole fractions of the more volatile component.
struct Point {
    double x;
    double y;
};

// Where the q-line meets the equilibrium curve, for 0 < xF < 1 and α > 1; any q.
Point feed_pinch(double xF, double q, double alpha);

// The stage-by-stage construction of a case, as the count and the diagram read it.
struct Staircase {
    // The case, R the working reflux.
    double xF = 0, xD = 0, xW = 0, alpha = 0, q = 0, R = 0;
    Point pinch{};  // the q-line on the equilibrium curve
    Point meet{};   // (x*, y*): where the operating lines cross
    // (xn, yn) of each stage from the top: to the first xn ≤ xW, or to the 1000th stage.
    std::vector<Point> stages;
    std::size_t feed = 0;          // the feed stage, counted from 1; 0 where the count passes 1000 stages
    bool feed_below_last = false;  // xW was reached before any xn ≤ x*: the feed is taken on the last stage
    std::optional<double> count;   // stages to xW, the last as a fraction; none past 1000 stages
};
inline constexpr std::size_t kMostStages = 1000;

// Results in the page's order: D, W, Rmin, R, Nmin, N, plates, N1, feed plate, stage-by-stage count, its feed stage.
frame::Outcome<ColumnInput> shortcut_column(const ColumnInput& in);
// The staircase of a case that `shortcut_column` finishes (the one its count was taken on); none where it refuses.
std::optional<Staircase> column_staircase(const ColumnInput& in);

namespace distillation {
using In = ColumnInput;
using frame::input, frame::result;
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {input("distFeed", "进料量（kmol/h）：", "100", {"F", "kmol/h", "进料的摩尔流量", "1～10000 kmol/h"}), &In::feed},
    {input("distFeedComp", "进料组成 xF：", "0.4", {"xF", "", "进料中易挥发组分的摩尔分数", "0.05～0.95"}),
     &In::feed_comp},
    {input("distTopComp", "塔顶产品组成 xD：", "0.95", {"xD", "", "塔顶产品中易挥发组分的摩尔分数", "0.8～0.999"}),
     &In::top_comp},
    {input("distBottomComp", "塔底产品组成 xW：", "0.05", {"xW", "", "塔底产品中易挥发组分的摩尔分数", "0.001～0.2"}),
     &In::bottom_comp},
    {input("distAlpha", "相对挥发度 α：", "2.5",
           {"α", "", "易挥发组分对难挥发组分的相对挥发度（全塔平均）", "1.1～10"}),
     &In::alpha},
    {input(
         "distQ", "进料热状况参数 q：", "1",
         {"q", "", "q = 1 饱和液体；0 < q < 1 气液混合；q = 0 饱和蒸汽；q > 1 过冷液体；q < 0 过热蒸汽", "-0.5～1.5"}),
     &In::q},
    {input("distRefluxFactor", "回流比/最小回流比：", "1.5", {"R/Rmin", "", "操作回流比为最小回流比的倍数", "1.1～2"}),
     &In::reflux_factor},
    {result("distTopFlow", "塔顶产品量（kmol/h）：", {"D", "kmol/h", "塔顶产品的摩尔流量", ""})},
    {result("distBottomFlow", "塔底产品量（kmol/h）：", {"W", "kmol/h", "塔底产品的摩尔流量", ""})},
    {result("distMinReflux", "最小回流比：", {"Rmin", "", "q 线与平衡线交点（夹点）求得的最小回流比", ""})},
    {result("distReflux", "回流比：", {"R", "", "操作回流比 R = (R/Rmin)·Rmin", ""})},
    {result("distMinStages", "最少理论板数（含再沸器）：", {"Nmin", "", "Fenske 方程全回流最少理论板数", ""})},
    {result("distStages", "理论板数（含再沸器）：", {"N", "", "Gilliland 关联（Eduljee 式）求得的理论板数", ""})},
    {result("distPlates", "理论板数（不含再沸器，圆整）：", {"", "", "⌈N⌉ − 1", ""})},
    {result("distRectifyingStages", "精馏段理论板数：", {"N1", "", "精馏段理论板数", ""})},
    {result("distFeedPlate", "加料板位置（自塔顶数起）：", {"", "", "加料板 ⌈N1⌉ + 1，自塔顶数起", ""})},
    {result("distStageCount", "逐板法理论板数（含再沸器）：",
            {"N（逐板）", "", "恒定 α 下自塔顶逐板计算至 xW 的理论板数，末级按分数计", ""})},
    {result("distStageFeed", "逐板法加料板位置（自塔顶数起）：", {"", "", "逐板计算中第一个 xn ≤ x* 的级", ""})},
});
static_assert(frame::covers_every_member(kFields));
}  // namespace distillation

}  // namespace vxr::calc
