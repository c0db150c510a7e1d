// Absolute roughness ε of pipe walls, for the friction loss: a short table of common materials, each value with
// where it comes from. Moody's values (Trans. ASME 66, 1944, "Friction factors for pipe flow", the table of his
// chart) are given in feet there: 0.00015 ft = 0.045 mm and so on. Values no published table here could confirm are
// marked as such.
#pragma once

#include <span>

namespace vxr::calc {

struct Roughness {
    const char* material;
    const char* epsilon_mm;  // as the page takes it
    const char* source;
};

std::span<const Roughness> pipe_roughness();

}  // namespace vxr::calc
