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
// beyond the end node are ignored.
#pragma once

#include <string>

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
        DataCheck,  // a text is not a number, the route is one straight line (L = U), or a step overflowed
    };
    Status status = Status::DataCheck;
    double ratio = 0.0;  // R, when done
    std::string verdict;
};

// Judges the route held in `nodes` from node 0 to its end node. Reads the node list and never changes it.
FlexibilityAssessment assess_flexibility(const PipeBasics& pipe, const NodeList& nodes);

}  // namespace vxr::calc
