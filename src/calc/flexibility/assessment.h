// Flexibility of a pipe route between two anchors: can the route take up its own thermal expansion?
//
// The simplified criterion of the piping codes, with the diameter and the expansion in mm and the lengths in m:
//
//   R = D·Y / (L − U)² ≤ 208.3
//
//   D  outside diameter, mm                     L  developed length: the sum of the segment lengths, m
//   U  straight distance between the anchors    Y  resultant free expansion |α·ΔT|·U, mm
//      √(ΣLX² + ΣLY² + ΣLZ²), m                 α  expansion, mm per m and ℃;  ΔT = Tmax − Tmin, ℃
//
// The route runs from node 0 to the end node of the node list; segments never saved count as zero, segments
// beyond the end node are ignored. A route that is one straight line (L − U = 0) cannot take up any expansion: it
// is judged unsuitable where it expands (Y > 0) and suitable where it does not (Y = 0). A route of no length (L = 0)
// is no route: the data-check failure.
// Worked example: D 108 mm, α 0.012, 200 / −10 ℃, 10 m along X then 10 m along Y: L = 20, U = 14.1421,
// Y = 35.6382 mm, R = 112.17 ≤ 208.3, suitable.
#pragma once

#include <string>
#include <vector>

#include "calc/flexibility/node_list.h"

namespace vxr::calc {

// The basic data of the pipe, as typed.
struct PipeBasics {
    std::string diameter;   // D, mm
    std::string expansion;  // α, mm/(m·℃)
    std::string t_max;      // highest working temperature, ℃
    std::string t_min;      // lowest working temperature, ℃
};

inline constexpr double kFlexibilityLimit = 208.3;
inline constexpr const char* kSuitable = "合适。满足柔性要求。";
inline constexpr const char* kNotSuitable = "不合适。需要调整管道系统。";

struct FlexibilityAssessment {
    enum class Status {
        Done,       // `verdict` holds the sentence for the result field
        NoEndNode,  // the route has no end yet
        DataCheck,  // a text is not a number, the route has no length, or a step overflowed
    };
    Status status = Status::DataCheck;
    double ratio = 0.0;  // R, when done; 0 for a straight route
    std::string verdict;
    std::vector<std::string> notes;  // the sums, L, U, Y and R against its limit, when done
};

// Judges the route held in `nodes` from node 0 to its end node. Reads the node list and never changes it.
FlexibilityAssessment assess_flexibility(const PipeBasics& pipe, const NodeList& nodes);

}  // namespace vxr::calc
