// The shortcut column: the feed pinch, worked cases, refusals and the warning at and beside their bounds, the notes.
#include "calc/distillation/shortcut_column.h"
#include "calc/case_support.h"

namespace vxr::test {
namespace {

// The feed pinch lies on the equilibrium curve and on the q-line q·x − (q − 1)·y = xF (which holds at q = 1 too).
TEST(ShortcutColumn, FeedPinchLiesOnBothLines) {
    for (const double q : {1.0, 0.0, 0.5, 1.2, -0.2, 1 + 1e-12, 40.0, -40.0}) {
        const auto [x, y] = calc::feed_pinch(0.4, q, 2.5);
        EXPECT_TRUE(x > 0 && x < 1) << q;
        EXPECT_NEAR(y, 2.5 * x / (1 + 1.5 * x), 1e-12) << q;
        EXPECT_NEAR(q * x - (q - 1) * y, 0.4, 1e-12) << q;
    }
}

// Results: D, W, Rmin, R, Nmin, N, plates, N1, feed plate. Benzene–toluene as saturated vapour: xq = 0.3/2.05; at
// q = 1.2, xq = 4/9 and yq = 2/3; N = 12 + 3e-12 counts as 12 stages; a feed with ⌈N1⌉ + 1 = 12 is capped at the
// reboiler, one with 11 reaches it.
TEST(ShortcutColumn, WorkedCases) {
    const Typed benzene = {{"distFeedComp", "0.30"}, {"distQ", "0"}, {"distBottomComp", "0.04"}};
    const Typed twelve = {{"distRefluxFactor", "1.48882194259856"}};
    const Typed reached = {{"distFeedComp", "0.07"}, {"distQ", "0.5"}};
    expect_shown(
        "distillation",
        {{"defaults", {}, "38.889 | 61.111 | 1.444 | 2.167 | 6.43 | 11.93 | 11 | 7.10 | 9"},
         {"benzene", benzene, "28.571 | 71.429 | 4.230 | 6.345 | 6.68 | 11.38 | 11 | 7.28 | 9"},
         {"q 1.2", {{"distQ", "1.2"}}, "38.889 | 61.111 | 1.275 | 1.913 | 6.43 | 12.10 | 12 | 7.21 | 9"},
         {"N 12", twelve, "38.889 | 61.111 | 1.444 | 2.151 | 6.43 | 12.00 | 11 | 7.15 | 9"},
         {"capped", {{"distFeedComp", "0.07"}}, "2.222 | 97.778 | 8.958 | 13.437 | 6.43 | 10.67 | 10 | 10.06 | 11"},
         {"reached", reached, "2.222 | 97.778 | 15.080 | 22.620 | 6.43 | 10.56 | 10 | 9.95 | 11"}});
}

// Typed at a bound, a field is refused (the first condition in reading order); typed just beside it, the case
// finishes.
TEST(ShortcutColumn, RefusalsOnBothSidesOfEachBound) {
    const std::string comp = "组成须满足 0 < 塔底组成 < 进料组成 < 塔顶组成 < 1。 @ ";
    const std::string feed = comp + "distFeedComp", top = comp + "distTopComp", bottom = comp + "distBottomComp";
    const std::string pinch = "塔顶组成不高于进料平衡组成，不需要精馏段。 @ distTopComp";
    const std::string none = "进料量必须大于零。 @ distFeed", alpha = "相对挥发度必须大于1。 @ distAlpha";
    const std::string k = "回流比倍数必须大于1。 @ distRefluxFactor";
    const std::tuple<const char*, const char*, const char*, std::string> bounds[] = {
        {"distFeed", "0", "0.001", none},         {"distBottomComp", "0.4", "0.3999", feed},
        {"distTopComp", "1", "0.999", top},       {"distBottomComp", "0", "1e-300", bottom},
        {"distAlpha", "1", "1.001", alpha},       {"distRefluxFactor", "1", "1.001", k},
        {"distTopComp", "0.625", "0.6251", pinch}};
    for (const auto& [field, at, beside, refused] : bounds) {
        EXPECT_EQ(shown(run("distillation", {{field, at}})), refused) << field << " " << at;
        EXPECT_TRUE(std::holds_alternative<frame::Explained>(run("distillation", {{field, beside}})))
            << field << " " << beside;
    }
    expect_shown("distillation",
                 {{"F 0, xF 1", {{"distFeed", "0"}, {"distFeedComp", "1"}}, none},
                  {"xF = xD", {{"distFeedComp", "0.95"}}, feed},
                  {"xD = xF, q 0", {{"distTopComp", "0.4"}, {"distQ", "0"}}, feed},
                  {"xD > xF, q 0",
                   {{"distTopComp", "0.4001"}, {"distQ", "0"}},
                   "99.971 | 0.029 | 0.001 | 0.001 | 2.77 | 13.67 | 13 | 2.89 | 4"},
                  {"xD > 1, xW 0", {{"distTopComp", "1.2"}, {"distBottomComp", "0"}}, top},
                  {"xD < yq = 2/3", {{"distTopComp", "0.6666"}, {"distQ", "1.2"}}, pinch},
                  {"xD > yq = 2/3",
                   {{"distTopComp", "0.6667"}, {"distQ", "1.2"}},
                   "56.754 | 43.246 | 0.000 | 0.000 | 3.97 | 18.61 | 18 | 7.68 | 9"},
                  {"no number", {{"distQ", "q"}}, "请仔细核对数据！ @ distQ"},
                  {"(1 − xW)/xW overflows", {{"distBottomComp", "1e-320"}}, "请仔细核对数据！ @ none"}});
}

// N1 = 9 at xF = 0.1369642: just below it ⌈N1⌉ + 1 = 11 = ⌈N⌉ puts the feed at the reboiler, just above it not; at
// xF = 0.07, ⌈N1⌉ + 1 = 12 is capped there.
TEST(ShortcutColumn, WarnsOfAFeedAtTheReboiler) {
    const std::tuple<const char*, const char*, bool> cases[] = {{"0.13697", "10.94 | 10 | 9.00 | 10", false},
                                                                {"0.13696", "10.94 | 10 | 9.00 | 11", true},
                                                                {"0.07", "10.67 | 10 | 10.06 | 11", true}};
    for (const auto& [xF, plates, warned] : cases) {
        const calc::Answer a = run("distillation", {{"distFeedComp", xF}});
        EXPECT_TRUE(shown(a).ends_with(plates)) << xF << ": " << shown(a);
        EXPECT_EQ(warns(a, 8), warned) << xF;
    }
}

TEST(ShortcutColumn, Notes) {
    EXPECT_EQ(outline(run("distillation")),
              "D, D / W / Rmin, q, Rmin / R, R / Nmin, Nmin / N, X, N / ⌈N⌉ − 1, N / N1, N1min, X / 加料板, N1");
    EXPECT_EQ(notes(run("distillation"), 2),
              (std::vector<std::string>{"Rmin = (xD − yq)/(yq − xq) = (0.95 − 0.625)/(0.625 − 0.4) = 1.444",
                                        "q = 1：xq = xF = 0.4，yq = α·xq/(1 + (α − 1)·xq) = 0.625", "Rmin = 1.44444"}));
    EXPECT_EQ(notes(run("distillation"), 8),
              (std::vector<std::string>{"加料板 = ⌈N1⌉ + 1 = 8 + 1 = 9（自塔顶数起）", "N1 = 7.10434，N = 11.9275"}));
    EXPECT_EQ(notes(run("distillation", {{"distFeedComp", "0.07"}}), 8)[0],
              "加料板 = ⌈N⌉ = 11（⌈N1⌉ + 1 = 12 超过再沸器）");
}

}  // namespace
}  // namespace vxr::test
