// Pipe sizing: inside diameter from volumetric flow and velocity, and the nominal diameter that takes it.
//
//   d = 18.8 × √(Q ÷ u)   with Q in m³/h, u in m/s, d in mm
//
// 18.8 is the continuity factor 1000 × √(4 ÷ (3600 π)) = 18.806… shortened as the sizing charts have it.
#pragma once

#include <array>
#include <string>

#include "frame/outcome.h"

namespace vxr::calc {

struct PipeSectionInput {
    std::string flow;      // Q, m³/h
    std::string velocity;  // u, m/s
};

using PipeSections = std::array<PipeSectionInput, 3>;

// Sizes all three sections, or nothing if any input fails: no section is sized unless every section can be.
// The results in the page's order: inside diameter and nominal diameter of section 1, then 2, then 3, each with
// its notes (the formula with its numbers; the standard size chosen and why).
frame::Outcome<PipeSections> size_pipes(const PipeSections& sections);

// The nominal diameter for a computed inside diameter d ≥ 0 (mm): the smallest standard size at or above d up to
// DN500; above 500 the next multiple of 50 strictly above d.
double nominal_diameter(double d);

}  // namespace vxr::calc
