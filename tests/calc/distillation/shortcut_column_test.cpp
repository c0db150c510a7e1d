// Shortcut column design: the worked example, a published benzene–toluene case, the pinch for any feed condition,
// the feed at the reboiler, and every condition.
#include "calc/distillation/shortcut_column.h"

#include <gtest/gtest.h>

namespace vxr::calc {
namespace {

using In = ColumnInput;
const In kDefaults{"100", "0.4", "0.95", "0.05", "2.5", "1", "1.5"};
using Edits = std::vector<std::pair<std::string In::*, const char*>>;

frame::Outcome<In> run(const Edits& edits) {
    In in = kDefaults;
    for (const auto& [field, text] : edits) in.*field = text;
    return shortcut_column(in);
}

// The pinch lies on the equilibrium curve and on the q-line (written q·x − (q − 1)·y = xF, which holds at q = 1).
TEST(ShortcutColumn, PinchOnBothLinesForAnyFeedCondition) {
    const double xF = 0.4, alpha = 2.5;
    for (const double q : {1.0, 0.0, 0.5, 1.2, -0.2, 1 + 1e-12, 40.0, -40.0}) {
        const Pinch p = feed_pinch(xF, q, alpha);
        EXPECT_GT(p.x, 0) << q;
        EXPECT_LT(p.x, 1) << q;
        EXPECT_NEAR(p.y, alpha * p.x / (1 + (alpha - 1) * p.x), 1e-12) << q;
        EXPECT_NEAR(q * p.x - (q - 1) * p.y, xF, 1e-12) << q;
    }
    EXPECT_NEAR(feed_pinch(0.3, 0, 2.5).x, 0.3 / 2.05, 1e-13);  // saturated vapour: y = xF on the curve
    EXPECT_EQ(std::get<frame::Explained>(run({{&In::q, "0.5"}})).results[2].text, "2.050");
}

// Tables stay one row a line.
// clang-format off
TEST(ShortcutColumn, CasesAndNotes) {
    // Results: D, W, Rmin, R, Nmin, N, plates, N1, feed plate.
    const struct { Edits edits; std::vector<std::string> results; } cases[] = {
        {{}, {"38.889", "61.111", "1.444", "2.167", "6.43", "11.93", "11", "7.10", "9"}},
        // Benzene–toluene fed as saturated vapour: Fenske 6.68, Underwood 4.23 in the reference.
        {{{&In::feed_comp, "0.30"}, {&In::q, "0"}, {&In::bottom_comp, "0.04"}},
         {"28.571", "71.429", "4.230", "6.345", "6.68", "11.38", "11", "7.28", "9"}},
        // A feed poor in the light component: ⌈N1⌉ + 1 = 12 lies past the reboiler, stage 11.
        {{{&In::feed_comp, "0.07"}}, {"2.222", "97.778", "8.958", "13.437", "6.43", "10.67", "10", "10.06", "11"}},
        // ⌈N1⌉ + 1 = 11 reaches the reboiler without passing it: the feed enters there all the same.
        {{{&In::feed_comp, "0.07"}, {&In::q, "0.5"}},
         {"2.222", "97.778", "15.080", "22.620", "6.43", "10.56", "10", "9.95", "11"}},
    };
    for (const auto& c : cases) {
        const auto out = run(c.edits);
        const auto& r = std::get<frame::Explained>(out).results;
        std::vector<std::string> texts;
        for (const auto& result : r) texts.push_back(result.text);
        EXPECT_EQ(texts, c.results) << c.results[0];
        EXPECT_EQ(r[8].notes[1].rfind("注意：", 0) == 0, c.results[8] == "11") << c.results[0];  // at the reboiler
    }
    const auto out = run({});
    const auto& r = std::get<frame::Explained>(out).results;
    EXPECT_EQ(r[2].notes[0], "Rmin = (xD − yq)/(yq − xq) = (0.95 − 0.625)/(0.625 − 0.4) = 1.444");
    EXPECT_EQ(r[5].notes[1], "X = (R − Rmin)/(R + 1) = 0.22807，Y = 0.75·(1 − X^0.5668) = 0.4255");
    EXPECT_EQ(r[8].notes[0], "加料板 = ⌈N1⌉ + 1 = 8 + 1 = 9（自塔顶数起）");
}

TEST(ShortcutColumn, ConditionsInOrder) {
    const char* comp = "组成须满足 0 < 塔底组成 < 进料组成 < 塔顶组成 < 1。";
    const struct { Edits edits; const char* message; std::string In::*fault; } cases[] = {
        {{{&In::feed, "0"}}, "进料量必须大于零。", &In::feed},
        {{{&In::feed_comp, "0.96"}}, comp, &In::feed_comp},
        {{{&In::bottom_comp, "0.4"}}, comp, &In::feed_comp},
        {{{&In::top_comp, "1"}}, comp, &In::top_comp},
        {{{&In::top_comp, "1.2"}, {&In::bottom_comp, "0"}}, comp, &In::top_comp},
        {{{&In::bottom_comp, "0"}}, comp, &In::bottom_comp},
        {{{&In::alpha, "1"}}, "相对挥发度必须大于1。", &In::alpha},
        {{{&In::reflux_factor, "1"}}, "回流比倍数必须大于1。", &In::reflux_factor},
        {{{&In::top_comp, "0.625"}}, "塔顶组成不高于进料平衡组成，不需要精馏段。", &In::top_comp},
        {{{&In::top_comp, "0.65"}, {&In::q, "1.2"}}, "塔顶组成不高于进料平衡组成，不需要精馏段。", &In::top_comp},
        {{{&In::q, "q"}}, "", &In::q},  // no number: the data-check message
        {{{&In::bottom_comp, "1e-320"}}, "", nullptr},  // (1 − xW)/xW overflows
    };
    for (const auto& c : cases) {
        const auto out = run(c.edits);
        const auto* refusal = std::get_if<frame::Refusal<In>>(&out);
        ASSERT_TRUE(refusal) << c.edits[0].second;
        EXPECT_EQ(refusal->message, c.message) << c.edits[0].second;
        EXPECT_EQ(refusal->field, c.fault) << c.edits[0].second;
    }
}
// clang-format on

}  // namespace
}  // namespace vxr::calc
