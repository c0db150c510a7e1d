// Pipe sizing: inside diameter from volumetric flow and velocity, and the nominal diameter that takes it, for three
// pipe sections at once.
//
//   d = 18.8 × √(Q ÷ u)   with Q in m³/h, u in m/s, d in mm
//
// 18.8 is the continuity factor 1000 × √(4 ÷ (3600 π)) = 18.806… shortened as the sizing charts have it.
// Worked example (the page's first section): Q 50 m³/h at 1.2 m/s → d = 121.353478181166 mm, DN125.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/hydraulics/pipe_tables.h"

#include "frame/field.h"
#include "frame/outcome.h"

namespace vxr::calc {

struct PipeSizingInput {
    std::string flow1;      // Q, m³/h, section 1
    std::string velocity1;  // u, m/s
    std::string flow2;
    std::string velocity2;
    std::string flow3;
    std::string velocity3;
    // The pipe series the sizes are taken from (the smallest size whose bore takes d, with its pipe and the velocity
    // it really has); none: the nominal diameter from the standard sizes alone.
    std::optional<PipeSeries> series;
};

// Sizes all three sections, or none if any input fails: no section is sized unless every section can be.
// The results in the page's order: inside diameter and nominal diameter of section 1, then 2, then 3, each with
// its notes (the formula with its numbers; the standard size chosen and why); then, with a series, the pipe
// ("外径×壁厚") and its velocity u′ = Q/(3600·π·D²/4) of each section (without one, empty). A d larger than the
// series' largest bore is refused, naming the section's flow.
frame::Outcome<PipeSizingInput> size_pipes(const PipeSizingInput& in);

// The nominal diameter for a computed inside diameter d ≥ 0 (mm): the smallest standard size at or above d up to
// DN500; above 500 the next multiple of 50 strictly above d.
double nominal_diameter(double d);

namespace pipe_sizing {
using In = PipeSizingInput;
using frame::added, frame::input, frame::note, frame::result;
constexpr frame::About kFlow{"Q", "m3/h", "该管段的体积流量", "0.1～5000 m³/h"};
constexpr frame::About kVelocity{"u", "m/s", "选定的管内流速（液体常取 0.5～3 m/s，气体 10～30 m/s）", "0.3～30 m/s"};
constexpr frame::About kInside{"d", "mm", "按流量和流速算得的管内径 d = 18.8·√(Q/u)", ""};
constexpr frame::About kNominal{"DN", "mm", "标准管径表中不小于 d 的最小公称直径", ""};
constexpr const char* kLine = "管段号：";
constexpr const char* kMedium = "介质：";
constexpr const char* kFlowCaption = "流量(立方米/小时)：";
constexpr const char* kVelocityCaption = "流速(米/秒)：";
constexpr frame::About kPipe{"", "mm", "所选管子规格中内径不小于 d 的最小一档：外径×壁厚", ""};
constexpr frame::About kPipeVelocity{"u′", "m/s", "按该管子实际内径 D 的流速 u′ = Q/(3600·π·D²/4)", ""};
constexpr const char* kPipeCaption = "管子(外径×壁厚)：";
constexpr const char* kPipeVelocityCaption = "实际流速(米/秒)：";
constexpr auto kFields = std::to_array<frame::Row<In>>({
    {note("Text1", kLine, "RW0101-100 L1B ", "第一管段的管段号（仅作记录）")},
    {note("Text2", kMedium, "水", "第一管段的介质（仅作记录）")},
    {input("Text3", kFlowCaption, "50", kFlow), &In::flow1},
    {input("Text4", kVelocityCaption, "1.2", kVelocity), &In::velocity1},
    {note("Text12", kLine, "RW0101-100 L1B ", "第二管段的管段号（仅作记录）")},
    {note("Text11", kMedium, "水", "第二管段的介质（仅作记录）")},
    {input("Text10", kFlowCaption, "30", kFlow), &In::flow2},
    {input("Text9", kVelocityCaption, "1.5", kVelocity), &In::velocity2},
    {note("Text18", kLine, "RW0101-100 L1B ", "第三管段的管段号（仅作记录）")},
    {note("Text17", kMedium, "水", "第三管段的介质（仅作记录）")},
    {input("Text16", kFlowCaption, "25", kFlow), &In::flow3},
    {input("Text15", kVelocityCaption, "2", kVelocity), &In::velocity3},
    {result("Text5", "计算管内径(mm)：", kInside)},
    {result("Text6", "公称直径(mm)：", kNominal)},
    {result("Text8", "计算管内径(mm)：", kInside)},
    {result("Text7", "公称直径(mm)：", kNominal)},
    {result("Text14", "计算管内径(mm)：", kInside)},
    {result("Text13", "公称直径(mm)：", kNominal)},
    // Added: a case written before pipe series existed has no pipe to show.
    {added(result("pipeSize1", kPipeCaption, kPipe), "")},
    {added(result("pipeVelocity1", kPipeVelocityCaption, kPipeVelocity), "")},
    {added(result("pipeSize2", kPipeCaption, kPipe), "")},
    {added(result("pipeVelocity2", kPipeVelocityCaption, kPipeVelocity), "")},
    {added(result("pipeSize3", kPipeCaption, kPipe), "")},
    {added(result("pipeVelocity3", kPipeVelocityCaption, kPipeVelocity), "")},
});
// The series is not a field: the case carries it (calc::Case::pipe_series).
static_assert(frame::covers_every_member(kFields, 1));
}  // namespace pipe_sizing

}  // namespace vxr::calc
