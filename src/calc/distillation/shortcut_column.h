// Shortcut design (简捷法) of a binary distillation column with constant relative volatility, as taught in the Chinese
// unit-operations course (化工原理, 精馏): Fenske's minimum stages, Underwood's minimum reflux from the pinch of the
// q-line with the equilibrium curve, and Gilliland's correlation in Eduljee's form.
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
// Units: F, D, W in kmol/h; compositions are mole fractions of the more volatile component; α, q, k, R and the
// stage counts dimensionless. Validity: ideal binary mixture with constant α and constant molar overflow; the
// Gilliland correlation is a shortcut for a first design, good to about a stage.
// Worked example (the page's start values): F 100, xF 0.4, xD 0.95, xW 0.05, α 2.5, q 1, k 1.5 → D 38.889,
// W 61.111, Rmin 1.444, R 2.167, Nmin 6.43, N 11.93, plates 11, N1 7.10, feed plate 9.
#pragma once

#include <array>
#include <string>

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

// Where the q-line meets the equilibrium curve, for 0 < xF < 1 and α > 1; any q.
struct Pinch {
    double x;
    double y;
};
Pinch feed_pinch(double xF, double q, double alpha);

// Results in the page's order: D, W, Rmin, R, Nmin, N, plates, N1, feed plate.
frame::Outcome<ColumnInput> shortcut_column(const ColumnInput& in);

namespace distillation {
using In = ColumnInput;
using frame::input, frame::result;
constexpr std::array<frame::Row<In>, 16> kFields = {{
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
    {result("distMinReflux", "最小回流比：", {"Rmin", "", "Underwood 法最小回流比（q 线与平衡线交点）", ""})},
    {result("distReflux", "回流比：", {"R", "", "操作回流比 R = (R/Rmin)·Rmin", ""})},
    {result("distMinStages", "最少理论板数（含再沸器）：", {"Nmin", "", "Fenske 方程全回流最少理论板数", ""})},
    {result("distStages", "理论板数（含再沸器）：", {"N", "", "Gilliland 关联（Eduljee 式）求得的理论板数", ""})},
    {result("distPlates", "理论板数（不含再沸器，圆整）：", {"", "", "⌈N⌉ − 1", ""})},
    {result("distRectifyingStages", "精馏段理论板数：", {"N1", "", "精馏段理论板数", ""})},
    {result("distFeedPlate", "加料板位置（自塔顶数起）：", {"", "", "加料板 ⌈N1⌉ + 1，自塔顶数起", ""})},
}};
static_assert(frame::covers_every_member(kFields));
}  // namespace distillation

}  // namespace vxr::calc
