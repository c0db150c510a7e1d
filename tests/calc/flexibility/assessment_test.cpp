// The flexibility assessment as a table: pipe data and a route in, status, ratio and verdict out.
#include "calc/flexibility/assessment.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vxr::calc {
namespace {

using Status = FlexibilityAssessment::Status;

const PipeBasics kDefaults{"108", "0.012", "200", "-10"};

std::optional<SegmentTexts> x(const char* l) {
    return SegmentTexts{l, l, "0", "0"};
}
std::optional<SegmentTexts> y(const char* l) {
    return SegmentTexts{l, "0", l, "0"};
}
std::optional<SegmentTexts> z(const char* l) {
    return SegmentTexts{l, "0", "0", l};
}
const std::optional<SegmentTexts> kUnsaved;

// Saves the segments in route order (an empty one is skipped), then marks `end` by saving its segment once more.
NodeList route(const std::vector<std::optional<SegmentTexts>>& segments, std::optional<int> end) {
    NodeList nodes;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (segments[i]) nodes.save(*segments[i], false);
        if (i + 1 < segments.size()) nodes.next();
    }
    if (end) {
        while (nodes.to() > *end) nodes.previous();
        nodes.save(*nodes.record(*end), true);
    }
    return nodes;
}

struct Case {
    const char* name;
    PipeBasics pipe;
    std::vector<std::optional<SegmentTexts>> segments;
    std::optional<int> end;
    Status status;
    double ratio = 0.0;  // checked to ±0.005 when done
    const char* verdict = "";
};

TEST(AssessmentTest, Table) {
    const SegmentTexts back_x{"6", "-6", "0", "0"};
    const PipeBasics unit_limit{"208.3", "1", "1", "0"}, over_limit{"208.30000001", "1", "1", "0"};
    const SegmentTexts diagonal{"2", "1", "0", "0"};
    // clang-format off
    const std::vector<Case> cases = {
        {"L of 10 X and 10 Y", kDefaults, {x("10"), y("10")}, 2, Status::Done, 112.17, kSuitable},
        {"L of 10 X and 5 Y, just over", kDefaults, {x("10"), y("5")}, 2, Status::Done, 208.56, kNotSuitable},
        {"U of 6 X, 4 Y, -6 X", kDefaults, {x("6"), y("4"), back_x}, 3, Status::Done, 7.56, kSuitable},
        {"texts read with blanks", {" 108 ", "0.012 ", " 200", "-10"}, {x(" 10 "), y("10 ")}, 2, Status::Done, 112.17, kSuitable},
        {"Z counts like X and Y", kDefaults, {z("10"), x("10")}, 2, Status::Done, 112.17, kSuitable},
        {"temperatures swapped", {"108", "0.012", "-10", "200"}, {x("10"), y("10")}, 2, Status::Done, 112.17, kSuitable},
        {"unsaved segment counts as zero", kDefaults, {x("10"), kUnsaved, y("10")}, 3, Status::Done, 112.17, kSuitable},
        {"segments past the end ignored", kDefaults, {x("10"), y("10"), SegmentTexts{"a", "x", "y", "z"}}, 2, Status::Done, 112.17, kSuitable},
        {"exactly at the limit", unit_limit, {diagonal}, 1, Status::Done, 208.3, kSuitable},
        {"just above the limit", over_limit, {diagonal}, 1, Status::Done, 208.3, kNotSuitable},
        {"no end node", kDefaults, {x("10"), y("10")}, std::nullopt, Status::NoEndNode},
        // A straight route takes up nothing: unsuitable where it expands, suitable where it does not.
        {"one straight segment", kDefaults, {x("10")}, 1, Status::Done, 0.0, kNotSuitable},
        {"straight in two pieces", kDefaults, {x("4"), x("6")}, 2, Status::Done, 0.0, kNotSuitable},
        {"straight without a temperature change", {"108", "0.012", "20", "20"}, {x("10")}, 1, Status::Done, 0.0, kSuitable},
        {"nearly straight still computes R", kDefaults, {SegmentTexts{"10.5", "10", "0", "0"}}, 1, Status::Done, 10886.4, kNotSuitable},
        {"no length up to the end", kDefaults, {kUnsaved, x("0"), x("10")}, 2, Status::DataCheck},
        {"letters in a stored length", kDefaults, {x("10"), SegmentTexts{"abc", "0", "10", "0"}}, 2, Status::DataCheck},
        {"blank stored projection", kDefaults, {x("10"), SegmentTexts{"10", "0", "10", " "}}, 2, Status::DataCheck},
        {"empty diameter", {"", "0.012", "200", "-10"}, {x("10"), y("10")}, 2, Status::DataCheck},
        {"letters in expansion", {"108", "a", "200", "-10"}, {x("10"), y("10")}, 2, Status::DataCheck},
        {"empty Tmin", {"108", "0.012", "200", ""}, {x("10"), y("10")}, 2, Status::DataCheck},
        {"D·Y overflows", {"1e307", "0.012", "200", "-10"}, {x("10"), y("10")}, 2, Status::DataCheck},
        {"sum overflows", kDefaults, {x("1e308"), x("1e308"), y("1")}, 3, Status::DataCheck},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NodeList nodes = route(c.segments, c.end);
        const FlexibilityAssessment a = assess_flexibility(c.pipe, nodes);
        EXPECT_EQ(a.status, c.status);
        if (c.status != Status::Done) continue;
        EXPECT_NEAR(a.ratio, c.ratio, 0.005);
        EXPECT_EQ(a.verdict, c.verdict);
    }
}

TEST(AssessmentTest, Notes) {
    const auto joined = [](const FlexibilityAssessment& a) {
        std::string all;
        for (const std::string& line : a.notes) all += (all.empty() ? "" : " / ") + line;
        return all;
    };
    EXPECT_EQ(joined(assess_flexibility(kDefaults, route({x("10"), y("10")}, 2))),
              "ΣLX = 10 m  ΣLY = 10 m  ΣLZ = 0 m / L = 20 m  U = √(ΣLX² + ΣLY² + ΣLZ²) = 14.1421 m / "
              "Y = |α·ΔT|·U = 35.6382 mm / R = D·Y/(L − U)² = 112.166 ≤ 208.3");
    EXPECT_EQ(joined(assess_flexibility(kDefaults, route({x("10")}, 1))),
              "ΣLX = 10 m  ΣLY = 0 m  ΣLZ = 0 m / L = 10 m  U = √(ΣLX² + ΣLY² + ΣLZ²) = 10 m / "
              "Y = |α·ΔT|·U = 25.2 mm / L − U = 0：直管段两端固定，无法吸收热膨胀");
}

}  // namespace
}  // namespace vxr::calc
