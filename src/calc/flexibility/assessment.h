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
// beyond the end node are ignored. A route that is one straight line cannot take up any expansion: it is judged
// unsuitable where it expands (Y > 0) and suitable where it does not (Y = 0). It is straight where |L − U| is within
// the rounding of its typed lengths, the sum over its saved segments of max(0.005 m, 0.001·r), r the resultant of a
// segment's projections (a diagonal typed 14.14213562 for √200 is straight, not a route with R = 2.8E+20). A
// route of no length (L = 0) is no route: the data-check failure.
// Worked example: D 108 mm, α 0.012, 200 / −10 ℃, 10 m along X then 10 m along Y: L = 20, U = 14.1421,
// Y = 35.6382 mm, R = 112.17 ≤ 208.3, suitable.
#pragma once

#include <array>
#include <string>

#include "calc/flexibility/node_list.h"
#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

// The basic data of the pipe, as typed, and the route to judge.
struct FlexibilityInput {
    std::string diameter;   // D, mm
    std::string expansion;  // α, mm/(m·℃)
    std::string t_max;      // highest working temperature, ℃
    std::string t_min;      // lowest working temperature, ℃
    Route route;
};

inline constexpr double kFlexibilityLimit = 208.3;
inline constexpr const char* kSuitable = "合适。满足柔性要求。";
inline constexpr const char* kNotSuitable = "不合适。需要调整管道系统。";

// The verdict, with the sums, L, U, Y and R against its limit in its notes; refused with "请确定最终节点" (under the
// application's title) while the route has no end, or with the data-check message where a text is not a number, the
// route has no length or a step overflows.
frame::Outcome<FlexibilityInput> assess_flexibility(const FlexibilityInput& in);

namespace flexibility {
using In = FlexibilityInput;
using frame::input, frame::segment, frame::result;
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {input("Text51", "管道外径（mm）：", "108", {"D", "mm", "管道外径", "20～1200 mm"}), &In::diameter},
    {input("Text52", "管道膨胀系数（mm/m)：", "0.012",
           {"α", "mm/(m K)", "线膨胀量：每米管长、温度每变化 1 ℃ 的伸长量（碳钢约 0.012）", "0.010～0.018 mm/(m·℃)"}),
     &In::expansion},
    {input("Text53", "管道最高工作温度（℃）：", "200", {"Tmax", "degC", "管道最高工作温度", "-50～600 ℃"}), &In::t_max},
    {input("Text54", "管道最低工作温度（℃）：", "-10",
           {"Tmin", "degC", "管道最低工作温度（或安装温度）", "-50～600 ℃"}),
     &In::t_min},
    {segment("Text47", "两节点管道长度（m）：", {"l", "m", "两节点间管段的展开长度", "0.1～100 m"})},
    {segment("Text48", "LX（X轴投影长度）±m：", {"LX", "m", "管段在 X 轴上的投影长度", "-100～100 m"})},
    {segment("Text49", "LY（Y轴投影长度）±m：", {"LY", "m", "管段在 Y 轴上的投影长度", "-100～100 m"})},
    {segment("Text50", "LZ（Z轴投影长度）±m：", {"LZ", "m", "管段在 Z 轴上的投影长度", "-100～100 m"})},
    {result("Text55", "计算结果：", {"", "", "柔性判断：R = D·Y/(L − U)² ≤ 208.3 为合适", ""})},
});
static_assert(frame::covers_every_member(kFields, 1));  // the route comes from the node list
}  // namespace flexibility

}  // namespace vxr::calc
