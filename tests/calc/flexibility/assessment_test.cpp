// Flexibility assessment of a pipe route: worked routes, the verdict's bound R ≤ 208.3 on both sides, a straight
// route within the rounding of its typed lengths, the refusals, and the notes; the node list's own checks (its steps
// are driven through the window by the page's model test).
#include <tuple>

#include "calc/case_support.h"
#include "calc/flexibility/assessment.h"
#include "calc/flexibility/node_list.h"

namespace vxr::test {
namespace {

using calc::NodeList;
using S = calc::SegmentTexts;  // length, LX, LY, LZ
const auto x = [](const char* l) { return S{l, l, "0", "0"}; };
const auto y = [](const char* l) { return S{l, "0", l, "0"}; };
const calc::Route kL{2, {x("10"), y("10")}};  // 10 m along X, then 10 m along Y

// The verdict with its last note (R against its limit), or the refusal; on the defaults D 108 mm, α 0.012, 200/−10 ℃.
std::string judged(const Typed& typed, const calc::Route& route) {
    const calc::Answer a = run("stress", typed, route);
    return shown(a) + (notes(a).empty() ? "" : " / " + notes(a).back());
}
using Row = std::tuple<const char*, Typed, calc::Route, std::string>;

// Worked routes, each differing from the L (R 112.166, the notes' test) in one respect. Straight where |L − U| is
// within Σ max(0.005, 0.001·r) over the saved segments: each allowance at its bound and a hair past it, where R is as
// large as the slack is small; 5 mm with no projection is at the floor exactly. Refusals: the end node first, under
// the application's title; then α before D; arithmetic names no field.
TEST(FlexibilityAssessment, WorkedRoutesAndRefusals) {
    const std::string ok = "合适。满足柔性要求。 / ", no = "不合适。需要调整管道系统。 / ", r = "R = D·Y/(L − U)² = ";
    const std::string none = "请仔细核对数据！ @ none";
    const auto straight = [](const char* slack, const char* allowance, const std::string& why) {
        return std::string("|L − U| = ") + slack + " m ≤ " + allowance +
               " m（各管段长度的舍入允差之和），按直管段判断：" + why;
    };
    const char *fixed = "两端固定，无法吸收热膨胀", *free = "Y = 0，没有热膨胀需要吸收";
    const S x10_01{"10.01", "10", "0", "0"}, x10_0101{"10.0101", "10", "0", "0"};
    const Row rows[] = {
        {"the L, 5 m along Y", {}, {2, {x("10"), y("5")}}, no + r + "208.559 > 208.3"},
        {"a U", {}, {3, {x("6"), y("4"), S{"6", "-6", "0", "0"}}}, ok + r + "7.56 ≤ 208.3"},
        {"Z as X and Y", {}, {2, {S{"10", "0", "0", "10"}, x("10")}}, ok + r + "112.166 ≤ 208.3"},
        {"Tmax and Tmin swapped", {{"Text53", "-10"}, {"Text54", "200"}}, kL, ok + r + "112.166 ≤ 208.3"},
        {"a gap never saved", {}, {3, {x("10"), std::nullopt, y("10")}}, ok + r + "112.166 ≤ 208.3"},
        {"nearly straight", {}, {1, {S{"10.5", "10", "0", "0"}}}, no + r + "10886.4 > 208.3"},
        {"exactly straight", {}, {1, {x("10")}}, no + straight("0", "0.01", fixed)},
        {"exactly straight, no ΔT", {{"Text53", "-10"}}, {1, {x("10")}}, ok + straight("0", "0.01", free)},
        {"the 10 × 10 diagonal typed 14.14213562",
         {},
         {1, {S{"14.14213562", "10", "10", "0"}}},
         no + straight("3.73095E-09", "0.0141421", fixed)},
        {"two of 10.01 for 10: at 0.02", {}, {2, {x10_01, x10_01}}, no + straight("0.02", "0.02", fixed)},
        {"two of 10.0101 for 10: past 0.02", {}, {2, {x10_0101, x10_0101}}, no + r + "13339900 > 208.3"},
        {"1.005 for 1: at 0.005", {}, {1, {S{"1.005", "1", "0", "0"}}}, no + straight("0.005", "0.005", fixed)},
        {"5 mm, no projection", {}, {1, {S{"0.005", "0", "0", "0"}}}, ok + straight("0.005", "0.005", free)},
        {"1.0051 for 1: past it", {}, {1, {S{"1.0051", "1", "0", "0"}}}, no + r + "10463700 > 208.3"},
        {"a gap never saved adds no allowance", {}, {2, {x10_0101, std::nullopt}}, no + r + "26679700 > 208.3"},
        {"no end node", {}, {std::nullopt, kL.segments}, "请确定最终节点 @ none"},
        {"no end node, before a bad field", {{"Text51", "x"}}, {}, "请确定最终节点 @ none"},
        {"no length up to the end", {}, {2, {std::nullopt, x("0")}}, none},
        {"a stored length that is no number", {}, {2, {x("10"), S{"abc", "0", "10", "0"}}}, none},
        {"an empty Tmin", {{"Text54", ""}}, kL, "请仔细核对数据！ @ Text54"},
        {"α before D", {{"Text51", "x"}, {"Text52", "y"}}, kL, "请仔细核对数据！ @ Text52"},
        {"D·Y overflows", {{"Text51", "1e307"}}, kL, none},
        {"D 0", {{"Text51", "0"}}, kL, "请仔细核对数据！ @ Text51"},
        {"D negative", {{"Text51", "-108"}}, kL, "请仔细核对数据！ @ Text51"},
        {"D 1e-400, nothing as a double", {{"Text51", "1e-400"}}, kL, "请仔细核对数据！ @ Text51"},
        {"α 0", {{"Text52", "0"}}, kL, "请仔细核对数据！ @ Text52"},
        {"α negative", {{"Text52", "-0.012"}}, kL, "请仔细核对数据！ @ Text52"}};
    for (const auto& [name, typed, route, expected] : rows) EXPECT_EQ(judged(typed, route), expected) << name;
    EXPECT_EQ(shown(run("stress", {{"Text51", "1e-300"}, {"Text52", "1e-300"}}, kL)), calc::kSuitable);  // tiny, there
    EXPECT_TRUE(std::get<calc::Refused>(run("stress")).app_title);
    EXPECT_FALSE(std::get<calc::Refused>(run("stress", {{"Text54", ""}}, kL)).app_title);
}

// One segment of 2 m, 1 m of it along X, α 1, ΔT 1: Y = 1 mm, L − U = 1 m, R = D.
TEST(FlexibilityAssessment, VerdictBound) {
    const calc::Route r{1, {S{"2", "1", "0", "0"}}};
    const char* rows[][2] = {
        {"208.29999999", calc::kSuitable}, {"208.3", calc::kSuitable}, {"208.30000001", calc::kNotSuitable}};
    for (const auto& [d, verdict] : rows)
        EXPECT_EQ(shown(run("stress", {{"Text51", d}, {"Text52", "1"}, {"Text53", "1"}, {"Text54", "0"}}, r)), verdict)
            << "R = " << d;
}

TEST(FlexibilityAssessment, NotesOutline) {
    EXPECT_EQ(notes(run("stress", {}, kL)),
              (std::vector<std::string>{"ΣLX = 10 m  ΣLY = 10 m  ΣLZ = 0 m",
                                        "L = 20 m  U = √(ΣLX² + ΣLY² + ΣLZ²) = 14.1421 m", "Y = |α·ΔT|·U = 35.6382 mm",
                                        "R = D·Y/(L − U)² = 112.166 ≤ 208.3"}));
    EXPECT_EQ(outline(run("stress", {}, {1, {x("10")}})), "ΣLX, L, Y, |L − U|");
}

// Allowance 0.01 m at r = 10, 0.005 m from r = 5 down: the length at r less the allowance is saved, a hair below it
// is not, and nothing is stored. (The diagonal typed 14.14 and the resultant named in the refusal: the route table's
// test.) Records 1 to 3 saved, the end node at 3 (or none), the current segment at `to`; then `rows` records replace
// them: the current segment moves to the new last row only where its own row went away.
TEST(NodeList, SaveAndReplace) {
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
