#include "calc/distillation/shortcut_column.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;
using In = calc::ColumnInput;
constexpr auto F = &In::feed, xF = &In::feed_comp, xD = &In::top_comp, xW = &In::bottom_comp, alpha = &In::alpha,
               q = &In::q, k = &In::reflux_factor;
const auto run = test::runner(calc::shortcut_column, In{"100", "0.4", "0.95", "0.05", "2.5", "1", "1.5"});
// clang-format off
TEST(ShortcutColumn, PinchesCasesNotesAndConditions) {
    // The feed pinch lies on the equilibrium curve and on the q-line q·x − (q − 1)·y = xF (which holds at q = 1).
    for (const double Q : {1.0, 0.0, 0.5, 1.2, -0.2, 1 + 1e-12, 40.0, -40.0}) {
        const auto [x, y] = calc::feed_pinch(0.4, Q, 2.5);
        EXPECT_TRUE(x > 0 && x < 1 && std::abs(y - 2.5 * x / (1 + 1.5 * x)) < 1e-12) << Q;
        EXPECT_NEAR(Q * x - (Q - 1) * y, 0.4, 1e-12) << Q;
    }
    // Results: D, W, Rmin, R, Nmin, N, plates, N1, feed plate; the notes warn where the feed enters at the reboiler.
    const std::pair<test::Edits<In>, std::vector<std::string>> cases[] = {
        {{}, {"38.889", "61.111", "1.444", "2.167", "6.43", "11.93", "11", "7.10", "9"}},
        {{{xF, "0.30"}, {q, "0"}, {xW, "0.04"}},  // benzene–toluene as saturated vapour: Fenske 6.68, Underwood 4.23
         {"28.571", "71.429", "4.230", "6.345", "6.68", "11.38", "11", "7.28", "9"}},
        // Feeds poor in the light component: ⌈N1⌉ + 1 = 12, then 11, pass or reach the reboiler, stage 11.
        {{{xF, "0.07"}}, {"2.222", "97.778", "8.958", "13.437", "6.43", "10.67", "10", "10.06", "11"}},
        {{{xF, "0.07"}, {q, "0.5"}}, {"2.222", "97.778", "15.080", "22.620", "6.43", "10.56", "10", "9.95", "11"}},
        // N = 12.000000000002979 counts as 12 stages: 11 plates.
        {{{k, "1.48882194259856"}}, {"38.889", "61.111", "1.444", "2.151", "6.43", "12.00", "11", "7.15", "9"}}};
    for (const auto& [edits, expected] : cases) {
        EXPECT_EQ(test::results(run(edits)), expected);
        EXPECT_EQ(test::warns(run(edits), 8), expected[8] == "11") << expected[0];
    }
    EXPECT_EQ(test::notes(run({}), 2), "Rmin = (xD − yq)/(yq − xq) = (0.95 − 0.625)/(0.625 − 0.4) = 1.444 / "
                                       "q = 1：xq = xF = 0.4，yq = α·xq/(1 + (α − 1)·xq) = 0.625 / Rmin = 1.44444");
    EXPECT_EQ(test::notes(run({}), 8), "加料板 = ⌈N1⌉ + 1 = 8 + 1 = 9（自塔顶数起） / N1 = 7.10434，N = 11.9275");
    const std::string comp = "组成须满足 0 < 塔底组成 < 进料组成 < 塔顶组成 < 1。",
        pinch = "塔顶组成不高于进料平衡组成，不需要精馏段。";
    test::expect_refusals<In>(run, {{{{F, "0"}}, "进料量必须大于零。", F}, {{{xF, "0.96"}}, comp, xF}, {{{xW, "0.4"}}, comp, xF},
        {{{xD, "1"}}, comp, xD}, {{{xD, "1.2"}, {xW, "0"}}, comp, xD}, {{{xW, "0"}}, comp, xW},
        {{{alpha, "1"}}, "相对挥发度必须大于1。", alpha}, {{{k, "1"}}, "回流比倍数必须大于1。", k},
        {{{xD, "0.625"}}, pinch, xD}, {{{xD, "0.65"}, {q, "1.2"}}, pinch, xD},
        {{{q, "q"}}, "", q}, {{{xW, "1e-320"}}, "", nullptr}});  // no number; (1 − xW)/xW overflows
}
// clang-format on
