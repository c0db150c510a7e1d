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

#include <string>

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

}  // namespace vxr::calc
