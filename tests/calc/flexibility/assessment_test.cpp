#include "calc/flexibility/assessment.h"
#include <gtest/gtest.h>
#include "frame/number_text.h"

using namespace vxr::calc;
// clang-format off
using Segment = std::optional<SegmentTexts>;  // nothing: never saved
// Saves the segments in route order, then marks `end` (if any) by saving its segment once more.
static NodeList route(const std::vector<Segment>& segments, std::optional<int> end) {
    NodeList nodes;
    for (const Segment& s : segments) { if (s) nodes.save(*s, false); if (&s != &segments.back()) nodes.next(); }
    while (end && nodes.to() > *end) nodes.previous();
    if (end) nodes.save(*nodes.record(*end), true);
    return nodes;
}
// R to 6 digits and the verdict, or why there is none.
static std::string judged(const FlexibilityAssessment& a) {
    using S = FlexibilityAssessment::Status;
    if (a.status != S::Done) return a.status == S::NoEndNode ? "no end node" : "data check";
    const std::string verdict = a.verdict == kSuitable ? "suitable" : a.verdict == kNotSuitable ? "unsuitable" : "?";
    return vxr::frame::significant(a.ratio) + " " + verdict;
}
TEST(AssessmentTest, TableAndNotes) {
    const auto x = [](const char* l) { return Segment(SegmentTexts{l, l, "0", "0"}); };
    const auto y = [](const char* l) { return Segment(SegmentTexts{l, "0", l, "0"}); };
    const PipeBasics pipe{"108", "0.012", "200", "-10"}, limit{"208.3", "1", "1", "0"};
    const Segment diagonal = SegmentTexts{"2", "1", "0", "0"}, back = SegmentTexts{"6", "-6", "0", "0"}, unsaved;
    const std::vector<Segment> L = {x("10"), y("10")};
    const char* ok = "112.166 suitable";  // the L of 10 m along X and 10 m along Y
    const std::tuple<PipeBasics, std::vector<Segment>, std::optional<int>, const char*> cases[] = {
        {pipe, L, 2, ok}, {pipe, {x("10"), y("5")}, 2, "208.559 unsuitable"}, {pipe, L, std::nullopt, "no end node"},
        {pipe, {x("6"), y("4"), back}, 3, "7.56 suitable"},
        // Z counts like X and Y; temperatures either way round; an unsaved segment is zero; none past the end is read.
        {pipe, {SegmentTexts{"10", "0", "0", "10"}, x("10")}, 2, ok}, {{"108", "0.012", "-10", "200"}, L, 2, ok},
        {pipe, {x("10"), unsaved, y("10")}, 3, ok}, {pipe, {x("10"), y("10"), x("a")}, 2, ok},
        {limit, {diagonal}, 1, "208.3 suitable"}, {{"208.30000001", "1", "1", "0"}, {diagonal}, 1, "208.3 unsuitable"},
        // A straight route takes up nothing: unsuitable where it expands, suitable where not; nearly straight has R.
        {pipe, {x("10")}, 1, "0 unsuitable"}, {{"108", "0.012", "20", "20"}, {x("10")}, 1, "0 suitable"},
        {pipe, {SegmentTexts{"10.5", "10", "0", "0"}}, 1, "10886.4 unsuitable"},
        // No length up to the end; a stored text or a pipe text that is no number; D·Y overflows.
        {pipe, {unsaved, x("0"), x("10")}, 2, "data check"},
        {pipe, {x("10"), SegmentTexts{"10", "0", "10", " "}}, 2, "data check"},
        {{"108", "0.012", "200", ""}, L, 2, "data check"}, {{"1e307", "0.012", "200", "-10"}, L, 2, "data check"}};
    for (const auto& [basics, segments, end, expected] : cases)
        EXPECT_EQ(judged(assess_flexibility(basics, route(segments, end))), expected) << segments.size();
    // The notes: the sums, L and U, Y, then R against its limit or why a straight route fails.
    std::string notes;
    for (const auto& segments : {L, std::vector<Segment>{x("10")}})
        for (const auto& line : assess_flexibility(pipe, route(segments, int(segments.size()))).notes)
            notes += line + " / ";
    EXPECT_EQ(notes, "ΣLX = 10 m  ΣLY = 10 m  ΣLZ = 0 m / L = 20 m  U = √(ΣLX² + ΣLY² + ΣLZ²) = 14.1421 m / "
                     "Y = |α·ΔT|·U = 35.6382 mm / R = D·Y/(L − U)² = 112.166 ≤ 208.3 / "
                     "ΣLX = 10 m  ΣLY = 0 m  ΣLZ = 0 m / L = 10 m  U = √(ΣLX² + ΣLY² + ΣLZ²) = 10 m / "
                     "Y = |α·ΔT|·U = 25.2 mm / L − U = 0：直管段两端固定，无法吸收热膨胀 / ");
}
