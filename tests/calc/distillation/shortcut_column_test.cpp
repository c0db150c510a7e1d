#include "calc/distillation/shortcut_column.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;

using In = calc::ColumnInput;
using Edits = std::vector<std::pair<std::string In::*, const char*>>;

static frame::Outcome<In> run(const Edits& edits) {
    In in{"100", "0.4", "0.95", "0.05", "2.5", "1", "1.5"};
    for (const auto& [field, text] : edits) in.*field = text;
    return shortcut_column(in);
}

// The pinch lies on the equilibrium curve and on the q-line (written q·x − (q − 1)·y = xF, which holds at q = 1).
TEST(ShortcutColumn, PinchesCasesAndNotes) {
    for (const double q : {1.0, 0.0, 0.5, 1.2, -0.2, 1 + 1e-12, 40.0, -40.0}) {
        const calc::Pinch p = calc::feed_pinch(0.4, q, 2.5);
        EXPECT_TRUE(p.x > 0 && p.x < 1) << q;
        EXPECT_NEAR(p.y, 2.5 * p.x / (1 + 1.5 * p.x), 1e-12) << q;
        EXPECT_NEAR(q * p.x - (q - 1) * p.y, 0.4, 1e-12) << q;
    }
    // Results: D, W, Rmin, R, Nmin, N, plates, N1, feed plate; the notes warn where the feed enters at the reboiler.
    const std::pair<Edits, std::vector<std::string>> cases[] = {
        {{}, {"38.889", "61.111", "1.444", "2.167", "6.43", "11.93", "11", "7.10", "9"}},
        // Benzene–toluene fed as saturated vapour: Fenske 6.68, Underwood 4.23 in the reference.
        {{{&In::feed_comp, "0.30"}, {&In::q, "0"}, {&In::bottom_comp, "0.04"}},
         {"28.571", "71.429", "4.230", "6.345", "6.68", "11.38", "11", "7.28", "9"}},
        // Feeds poor in the light component: ⌈N1⌉ + 1 = 12, then 11, pass or reach the reboiler, stage 11.
        {{{&In::feed_comp, "0.07"}}, {"2.222", "97.778", "8.958", "13.437", "6.43", "10.67", "10", "10.06", "11"}},
        {{{&In::feed_comp, "0.07"}, {&In::q, "0.5"}},
         {"2.222", "97.778", "15.080", "22.620", "6.43", "10.56", "10", "9.95", "11"}},
        // N = 12.000000000002979 counts as 12 stages: 11 plates.
        {{{&In::reflux_factor, "1.48882194259856"}},
         {"38.889", "61.111", "1.444", "2.151", "6.43", "12.00", "11", "7.15", "9"}},
    };
    for (const auto& [edits, expected] : cases) {
        const auto out = run(edits);
        EXPECT_EQ(test::texts(out), expected);
        EXPECT_EQ(test::notes(out, 8).find("注意：") != std::string::npos, expected[8] == "11") << expected[0];
    }
    const auto defaults = run({});
    const auto& r = std::get<frame::Explained>(defaults).results;
    EXPECT_EQ(r[2].notes[0], "Rmin = (xD − yq)/(yq − xq) = (0.95 − 0.625)/(0.625 − 0.4) = 1.444");
    EXPECT_EQ(r[8].notes[0], "加料板 = ⌈N1⌉ + 1 = 8 + 1 = 9（自塔顶数起）");
    const char *comp = "组成须满足 0 < 塔底组成 < 进料组成 < 塔顶组成 < 1。",
               *pinch = "塔顶组成不高于进料平衡组成，不需要精馏段。";
    const std::tuple<Edits, std::string, std::string In::*> refused[] = {
        {{{&In::feed, "0"}}, "进料量必须大于零。", &In::feed},
        {{{&In::feed_comp, "0.96"}}, comp, &In::feed_comp},
        {{{&In::bottom_comp, "0.4"}}, comp, &In::feed_comp},
        {{{&In::top_comp, "1"}}, comp, &In::top_comp},
        {{{&In::top_comp, "1.2"}, {&In::bottom_comp, "0"}}, comp, &In::top_comp},
        {{{&In::bottom_comp, "0"}}, comp, &In::bottom_comp},
        {{{&In::alpha, "1"}}, "相对挥发度必须大于1。", &In::alpha},
        {{{&In::reflux_factor, "1"}}, "回流比倍数必须大于1。", &In::reflux_factor},
        {{{&In::top_comp, "0.625"}}, pinch, &In::top_comp},
        {{{&In::top_comp, "0.65"}, {&In::q, "1.2"}}, pinch, &In::top_comp},
        {{{&In::q, "q"}}, "", &In::q},                  // no number: the data-check message
        {{{&In::bottom_comp, "1e-320"}}, "", nullptr},  // (1 − xW)/xW overflows
    };
    for (const auto& [edits, message, fault] : refused) {
        const auto refusal = std::get<frame::Refusal<In>>(run(edits));  // throws if done
        EXPECT_EQ(refusal.message, message) << edits[0].second;
        EXPECT_EQ(refusal.field, fault) << edits[0].second;
    }
}
