// The node list's own checks: a save refused for a segment shorter than its projections (each allowance on both
// sides), what a move would lose, and a whole route replacing the list, refused at its first faulty record.
#include <gtest/gtest.h>

#include "calc/flexibility/node_list.h"

namespace vxr::test {
namespace {

using calc::NodeList;
using calc::RouteFault;
using S = calc::SegmentTexts;  // length, LX, LY, LZ
using Kind = RouteFault::Kind;
const S kX10{"10", "10", "0", "0"};

// Allowance 0.01 m at r = 10, 0.005 m from r = 5 down: the length at r less the allowance is saved, a hair below it
// is not, and nothing is stored (the earlier record and the end node stay).
TEST(NodeList, SaveRefusesASegmentShorterThanItsProjections) {
    const struct {
        const char* name;
        S typed;
        bool saved;
    } rows[] = {{"r 10, L 9.99", {"9.99", "10", "0", "0"}, true},
                {"r 10, L 9.9899", {"9.9899", "10", "0", "0"}, false},
                {"r 10 against the axes, L 9.9899", {"9.9899", "0", "-6", "-8"}, false},
                {"r 5, L 4.995", {"4.995", "3", "0", "4"}, true},
                {"r 5, L 4.9949", {"4.9949", "3", "0", "4"}, false},
                {"r 1, L 0.995", {"0.995", "0", "1", "0"}, true},
                {"r 1, L 0.9949", {"0.9949", "0", "1", "0"}, false},
                {"the 10 × 10 diagonal typed 14.14", {"14.14", "10", "10", "0"}, true},
                {"L 5 with LX 10", {"5", "10", "0", "0"}, false},
                {"a length that is no number", {"abc", "10", "0", "0"}, true},
                {"a blank projection", {"5", "10", " ", "0"}, true},
                {"projections beyond a double", {"1", "1.5e308", "1.5e308", "1.5e308"}, true}};
    for (const auto& [name, typed, saved] : rows) {
        NodeList list;
        ASSERT_EQ(list.save(kX10, true), NodeList::SaveResult::Saved);
        EXPECT_EQ(list.save(typed, false),
                  saved ? NodeList::SaveResult::Saved : NodeList::SaveResult::ShorterThanProjections)
            << name;
        EXPECT_EQ(*list.record(1), saved ? typed : kX10) << name;
        EXPECT_EQ(list.end_node(), 1) << name;
    }
    EXPECT_EQ(calc::shorter_than_projections({"5", "10", "0", "0"}), 10.0);
    EXPECT_EQ(calc::shorter_than_projections({"9.99", "10", "0", "0"}), std::nullopt);
}

// On segment 1 saved as 10 m along X, with the end node at 2.
TEST(NodeList, PendingIsWhatAMoveWouldLose) {
    const struct {
        const char* name;
        S shown;
        bool marked, pending;
    } rows[] = {{"the saved texts", kX10, false, false},
                {"a text changed", {"10", "10", "0", "1"}, false, true},
                {"a blank added", {"10 ", "10", "0", "0"}, false, true},
                {"every text cleared", {}, false, false},
                {"every text cleared, 终点 ticked", {}, true, false},
                {"the saved texts, 终点 ticked with the end node at 2", kX10, true, true}};
    NodeList list;
    EXPECT_TRUE(list.pending({"", "", "1", ""}, false)) << "never saved";
    EXPECT_FALSE(list.pending({}, true)) << "never saved, 终点 ticked alone";
    ASSERT_EQ(list.save(kX10, false), NodeList::SaveResult::Saved);
    ASSERT_EQ(list.next(), NodeList::StepResult::Moved);
    ASSERT_EQ(list.save({"5", "0", "5", "0"}, true), NodeList::SaveResult::Saved);
    EXPECT_FALSE(list.pending({"5", "0", "5", "0"}, true)) << "the saved texts, 终点 ticked on the end node";
    ASSERT_EQ(list.previous(), NodeList::StepResult::Moved);
    for (const auto& [name, shown, marked, pending] : rows) EXPECT_EQ(list.pending(shown, marked), pending) << name;
}

TEST(NodeList, RouteFaultIsTheFirstFaultyRecord) {
    const S partly{"10", "", "0", "0"}, short_one{"5", "10", "0", "0"};
    const auto records = [](std::size_t n) { return std::vector<std::optional<S>>(n, kX10); };
    const struct {
        const char* name;
        calc::Route whole;
        std::optional<std::pair<Kind, int>> fault;
    } rows[] = {
        {"100 records", {100, records(100)}, std::nullopt},
        {"101 records", {1, records(101)}, std::pair{Kind::TooManyRecords, 101}},
        {"gaps, four empty texts, no end node", {std::nullopt, {std::nullopt, S{}, kX10}}, std::nullopt},
        {"a partly filled record", {1, {kX10, partly}}, std::pair{Kind::PartlyFilled, 2}},
        {"a record shorter than its projections", {1, {kX10, short_one}}, std::pair{Kind::ShorterThanProjections, 2}},
        {"the end node never saved", {2, {kX10, std::nullopt, partly}}, std::pair{Kind::EndOnEmptyRecord, 2}},
        {"the end node on four empty texts", {1, {S{}}}, std::pair{Kind::EndOnEmptyRecord, 1}},
        {"the end node beyond the last record", {3, {kX10}}, std::pair{Kind::EndOnEmptyRecord, 3}}};
    for (const auto& [name, whole, fault] : rows) {
        const auto found = calc::route_fault(whole);
        EXPECT_EQ(found ? std::optional(std::pair{found->kind, found->record}) : std::nullopt, fault) << name;
    }
    EXPECT_EQ(calc::route_fault({std::nullopt, {short_one}})->resultant, 10.0);
}

// Records 1 to 3 saved, the end node at 3 (or none), the current segment at `to`; then `rows` records replace them.
TEST(NodeList, ReplaceMovesTheCurrentSegmentOnlyWhereItsRecordWentAway) {
    const struct {
        const char* name;
        bool end;
        int to;
        std::size_t rows;
        int to_after;
    } cases[] = {{"within the new route", true, 3, 3, 3},
                 {"its record deleted", true, 3, 2, 2},
                 {"every record deleted", true, 2, 0, 1},
                 {"beyond the route as it was", false, 5, 2, 5}};
    for (const auto& [name, end, to, rows, to_after] : cases) {
        NodeList list;
        for (int n = 1; n <= 3; ++n) {
            ASSERT_EQ(list.save(kX10, end && n == 3), NodeList::SaveResult::Saved);
            if (n < 3) list.next();
        }
        while (list.to() < to) list.next();
        while (list.to() > to) list.previous();
        const calc::Route whole{std::nullopt, std::vector<std::optional<S>>(rows, S{"1", "1", "0", "0"})};
        EXPECT_EQ(list.replace(whole), std::nullopt) << name;
        EXPECT_EQ(list.to(), to_after) << name;
        EXPECT_EQ(list.whole_route(), whole) << name;
    }
}

// A refused route changes nothing; an accepted one takes every record, its gaps and its end node.
TEST(NodeList, ReplaceTakesTheWholeRouteOrNothing) {
    NodeList list;
    for (int n = 1; n <= 3; ++n) list.save(kX10, n == 3), list.next();
    const calc::Route before = list.whole_route();
    EXPECT_EQ(list.replace({2, {kX10, S{"1", "1", "", "0"}}})->kind, Kind::PartlyFilled);
    EXPECT_EQ(list.whole_route(), before);
    EXPECT_EQ(list.replace({1, {kX10, S{}, std::nullopt, kX10}}), std::nullopt);
    EXPECT_EQ(list.whole_route(), (calc::Route{1, {kX10, std::nullopt, std::nullopt, kX10}}));
    EXPECT_EQ(list.route(), (calc::Route{1, {kX10}}));
}

}  // namespace
}  // namespace vxr::test
