// The node list's own checks (its steps are driven through the window by the page's model test): a save refused for
// a segment shorter than its projections, each allowance on both sides, and where the current segment goes when a
// whole route replaces the list.
#include <gtest/gtest.h>

#include <tuple>

#include "calc/flexibility/node_list.h"

namespace vxr::test {
namespace {

using calc::NodeList;
using S = calc::SegmentTexts;  // length, LX, LY, LZ

// Allowance 0.01 m at r = 10, 0.005 m from r = 5 down: the length at r less the allowance is saved, a hair below it
// is not, and nothing is stored. (The diagonal typed 14.14 and the resultant named in the refusal: the route table's
// test.)
TEST(NodeList, SaveRefusesASegmentShorterThanItsProjections) {
    const std::pair<S, bool> rows[] = {
        {{"9.99", "10", "0", "0"}, true}, {{"9.9899", "0", "-6", "-8"}, false},
        {{"4.995", "3", "0", "4"}, true}, {{"4.9949", "3", "0", "4"}, false},
        {{"0.995", "0", "1", "0"}, true}, {{"0.9949", "0", "1", "0"}, false},
        {{"abc", "10", "0", "0"}, true},  {{"1", "1.5e308", "1.5e308", "1.5e308"}, true}};  // r beyond a double
    for (const auto& [typed, saved] : rows) {
        NodeList list;
        EXPECT_EQ(list.save(typed, true) == NodeList::SaveResult::Saved, saved) << typed.length << " " << typed.lx;
        EXPECT_EQ(list.record(1).has_value() && list.end_node(), saved) << typed.length << " " << typed.lx;
    }
}

// Records 1 to 3 saved, the end node at 3 (or none), the current segment at `to`; then `rows` records replace them:
// the current segment moves to the new last row only where its own row went away.
TEST(NodeList, ReplaceMovesTheCurrentSegmentOnlyWhereItsRowWentAway) {
    const std::tuple<const char*, bool, int, int, int> cases[] = {{"within the new route", true, 3, 3, 3},
                                                                  {"its row deleted", true, 3, 2, 2},
                                                                  {"every row deleted", true, 2, 0, 1},
                                                                  {"beyond the route as it was", false, 5, 2, 5}};
    for (const auto& [name, end, to, rows, to_after] : cases) {
        NodeList list;
        for (int n = 1; n <= 3; ++n) list.save({"1", "1", "0", "0"}, end && n == 3), list.next();
        while (list.to() > to) list.previous();
        while (list.to() < to) list.next();
        const calc::Route whole{std::nullopt, std::vector<std::optional<S>>(std::size_t(rows), S{"2", "2", "0", "0"})};
        EXPECT_EQ(list.replace(whole), std::nullopt) << name;
        EXPECT_TRUE(list.to() == to_after && list.whole_route() == whole) << name;
    }
}

}  // namespace
}  // namespace vxr::test
