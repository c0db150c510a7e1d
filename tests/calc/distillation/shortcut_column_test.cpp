// The shortcut column and the stage-by-stage count beside it: the feed pinch, worked cases, refusals and warnings at
// and beside their bounds, small results in four significant digits, the notes.
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

// Results: D, W, Rmin, R, Nmin, N, plates, N1, feed plate, stage-by-stage count and feed stage. Benzene–toluene as
// saturated vapour: xq = 0.3/2.05; at q = 1.2, xq = 4/9 and yq = 2/3; N = 12 + 3e-12 counts as 12 stages; the feed at
// the reboiler capped (⌈N1⌉ + 1 = 12) or reached (11), and just either side of that; 1000 stages counted (α 1.00948),
// 1001 not (α 1.00947); no boil-up, (R + 1)·D − (1 − q)·F < 0: the feed on the last stage; α 10: xW on the first.
// Typed at a bound, a field is refused (the first condition in reading order); typed just beside it, it finishes.
TEST(ShortcutColumn, WorkedCasesAndRefusals) {
    const std::string comp = "组成须满足 0 < 塔底组成 < 进料组成 < 塔顶组成 < 1。";
    const std::string pinch = "塔顶组成不高于进料平衡组成，不需要精馏段。";
    const Bound bounds[] = {{"distFeed", "0", "0.001", "进料量必须大于零。"},
                            {"distBottomComp", "0.4", "0.3999", comp, "distFeedComp"},
                            {"distTopComp", "1", "0.999", comp},
                            {"distBottomComp", "0", "1e-300", comp},
                            {"distAlpha", "1", "1.001", "相对挥发度必须大于1。"},
                            {"distRefluxFactor", "1", "1.001", "回流比倍数必须大于1。"},
                            {"distTopComp", "0.625", "0.6251", pinch}};
    expect_bounds("distillation", bounds);
    const std::string feed = comp + " @ distFeedComp", top = comp + " @ distTopComp";
    const std::string none = "进料量必须大于零。 @ distFeed";
    const Typed benzene = {{"distFeedComp", "0.30"}, {"distQ", "0"}, {"distBottomComp", "0.04"}};
    const Typed one = {{"distAlpha", "10"}, {"distTopComp", "0.41"}, {"distBottomComp", "0.39"}, {"distQ", "0"}};
    expect_shown(
        "distillation",
        {{"benzene", benzene, "28.571 | 71.429 | 4.230 | 6.345 | 6.68 | 11.38 | 11 | 7.28 | 9 | 9.62 | 6"},
         {"q 1.2", {{"distQ", "1.2"}}, "38.889 | 61.111 | 1.275 | 1.913 | 6.43 | 12.10 | 12 | 7.21 | 9 | 11.93 | 6"},
         {"N 12",
          {{"distRefluxFactor", "1.48882194259856"}},
          "38.889 | 61.111 | 1.444 | 2.151 | 6.43 | 12.00 | 11 | 7.15 | 9 | 11.79 | 6"},
         {"capped",
          {{"distFeedComp", "0.07"}},
          "2.222 | 97.778 | 8.958 | 13.437 | 6.43 | 10.67 | 10 | 10.06 | 11 | 8.70 | 8"},
         {"feed above the reboiler",
          {{"distFeedComp", "0.13697"}},
          "9.663 | 90.337 | 4.527 | 6.791 | 6.43 | 10.94 | 10 | 9.00 | 10 | 10.17 | 8"},
         {"feed at the reboiler",
          {{"distFeedComp", "0.13696"}},
          "9.662 | 90.338 | 4.528 | 6.791 | 6.43 | 10.94 | 10 | 9.00 | 11 | 10.17 | 8"},
         {"reached",
          {{"distFeedComp", "0.07"}, {"distQ", "0.5"}},
          "2.222 | 97.778 | 15.080 | 22.620 | 6.43 | 10.56 | 10 | 9.95 | 11 | 7.63 | 8"},
         {"1000 stages",
          {{"distAlpha", "1.00948"}},
          "38.889 | 61.111 | 241.654 | 362.480 | 624.13 | 958.16 | 958 | 545.28 | 547 | 999.75 | 545"},
         {"1001 stages",
          {{"distAlpha", "1.00947"}},
          "38.889 | 61.111 | 241.909 | 362.863 | 624.79 | 959.17 | 959 | 545.86 | 547 | — | —"},
         {"no boil-up",
          {{"distFeedComp", "0.07"}, {"distQ", "0"}, {"distRefluxFactor", "1.2"}},
          "2.222 | 97.778 | 21.583 | 25.900 | 6.43 | 13.40 | 13 | 12.64 | 14 | 7.43 | 8"},
         {"one stage", one, "50.000 | 50.000 | 0.030 | 0.044 | 0.03620 | 2.27 | 2 | 2.21 | 3 | 0.05797 | 1"},
         {"Rmin 4e-7",
          {{"distTopComp", "0.6250001"}},
          "60.870 | 39.130 | 4.444E-07 | 6.667E-07 | 3.77 | 18.07 | 18 | 7.00 | 8 | 33.74 | 2"},
         {"F 0, xF 1", {{"distFeed", "0"}, {"distFeedComp", "1"}}, none},
         {"xF = xD", {{"distFeedComp", "0.95"}}, feed},
         {"xD = xF, q 0", {{"distTopComp", "0.4"}, {"distQ", "0"}}, feed},
         {"xD > xF, q 0",
          {{"distTopComp", "0.4001"}, {"distQ", "0"}},
          "99.971 | 0.029 | 0.0005278 | 0.0007917 | 2.77 | 13.67 | 13 | 2.89 | 4 | 3.99 | 1"},
         {"xD > 1, xW 0", {{"distTopComp", "1.2"}, {"distBottomComp", "0"}}, top},
         {"xD < yq = 2/3", {{"distTopComp", "0.6666"}, {"distQ", "1.2"}}, pinch + " @ distTopComp"},
         {"xD > yq = 2/3",
          {{"distTopComp", "0.6667"}, {"distQ", "1.2"}},
          "56.754 | 43.246 | 0.0001500 | 0.0002250 | 3.97 | 18.61 | 18 | 7.68 | 9 | 22.09 | 2"},
         {"no number", {{"distQ", "q"}}, "请仔细核对数据！ @ distQ"},
         {"(1 − xW)/xW overflows", {{"distBottomComp", "1e-320"}}, "请仔细核对数据！ @ none"}});
}

// N1 = 9 at xF = 0.1369642: just below it ⌈N1⌉ + 1 = 11 = ⌈N⌉ puts the feed at the reboiler (reached, not capped),
// just above it not; at xF = 0.07, ⌈N1⌉ + 1 = 12 is capped there; the feed plate's first note says which. Then the
// warnings of Nmin, N and N1 ("R" R/Rmin, "X" Gilliland's range, "α"), at and beside each bound. X is exactly
// 0.01 at Rmin = 35/64 and k = 36/35 (R = 9/16), exactly 0.9 at Rmin = 1 and k = 19.
TEST(ShortcutColumn, WarningsAtAndBesideTheirBounds) {
    for (const auto& [xF, feed, warned] : {std::tuple{"0.13697", "⌈N1⌉ + 1 = 9 + 1 = 10（自塔顶数起）", false},
                                           {"0.13696", "⌈N1⌉ + 1 = 10 + 1 = 11（自塔顶数起）", true},
                                           {"0.07", "⌈N⌉ = 11（⌈N1⌉ + 1 = 12 超过再沸器）", true}}) {
        const calc::Answer a = run("distillation", {{"distFeedComp", xF}});
        EXPECT_EQ(notes(a, 8)[0], std::string("加料板 = ") + feed) << xF;
        EXPECT_EQ(warns(a, 8), warned) << xF;
    }
    const auto kinds = [](const calc::Answer& a) {
        std::string all;
        for (const std::size_t i : {4, 5, 7}) {
            std::string mine;
            for (const std::string& line : notes(a, i))
                for (const char* kind : {"R", "X", "α"})
                    if (line.starts_with(std::string("注意：") + kind))
                        mine += mine.empty() ? kind : std::string(" ") + kind;
            all += (all.empty() ? "" : " / ") + (mine.empty() ? "-" : mine);
        }
        return all;
    };
    const Typed x_low = {{"distFeedComp", "0.5"}, {"distAlpha", "3"}, {"distTopComp", "0.88671875"}};
    const Typed x_high = {{"distFeedComp", "0.25"}, {"distAlpha", "3"}, {"distTopComp", "0.75"}};
    const auto with = [](Typed t, const char* k) { return t.push_back({"distRefluxFactor", k}), t; };
    const std::tuple<const char*, Typed, const char*> cases[] = {
        {"k 1.05", {{"distRefluxFactor", "1.05"}}, "- / - / -"},
        {"k below", {{"distRefluxFactor", "1.0499"}}, "- / R / R"},
        {"X 0.01", with(x_low, "1.0285714285714285"), "- / R / R"},
        {"X below", with(x_low, "1.02857142857142"), "- / R X / R X"},
        {"X 0.9", with(x_high, "19"), "- / - / -"},
        {"X above", with(x_high, "19.0001"), "- / X / X"},
        {"α 1.05", {{"distAlpha", "1.05"}}, "- / - / -"},
        {"α below", {{"distAlpha", "1.0499"}}, "α / α / α"}};
    for (const auto& [name, typed, expected] : cases) EXPECT_EQ(kinds(run("distillation", typed)), expected) << name;
    EXPECT_EQ(notes(run("distillation", {{"distRefluxFactor", "1.0499"}}), 5).back(),
              "注意：R/Rmin = 1.0499 < 1.05，接近最小回流比，Gilliland 关联误差大。");
    EXPECT_EQ(notes(run("distillation", with(x_high, "19.0001")), 5).back(),
              "注意：X = (R − Rmin)/(R + 1) = 0.9000005 超出 Gilliland 关联的数据范围 0.01–0.9。");
    EXPECT_EQ(notes(run("distillation", {{"distAlpha", "1.0499"}}), 4).back(),
              "注意：α = 1.0499 < 1.05，简捷法不可靠。");
}

// The staircase the page draws is the one the calculation counted on (its values are in the notes), and there is
// none where it refuses the case.
TEST(ShortcutColumn, StaircaseOfTheCalculation) {
    calc::ColumnInput in{"100", "0.4", "0.95", "0.05", "2.5", "1", "1.5"};
    const std::optional<calc::Staircase> s = calc::column_staircase(in);
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->stages.size() == 12 && s->feed == 6 && s->stages[0].y == 0.95);
    EXPECT_NEAR(*s->count, 11.7221118, 1e-7);
    in.alpha = "1.00947";
    EXPECT_TRUE(calc::column_staircase(in)->stages.size() == 1000 && !calc::column_staircase(in)->count);
    for (const char* refused : {"0", "1e-320"}) {  // 0 < xW; (1 − xW)/xW overflows in Fenske's equation
        in.bottom_comp = refused;
        EXPECT_FALSE(calc::column_staircase(in)) << refused;
    }
}

// The notes, and the count's: the rule, the operating lines and their intersection, the stages on each, the last
// stage's fraction; past 1000 stages, why there is no count; without boil-up, why there is no stripping line.
TEST(ShortcutColumn, Notes) {
    EXPECT_EQ(outline(run("distillation")),
              "D, D / W / Rmin, q, Rmin / R, R / Nmin, Nmin / N, X, N / ⌈N⌉ − 1, N / N1, N1min, X / 加料板, N1, "
              "逐板法加料板位置 / 逐板计算（全凝器，恒摩尔流）：y1, xn >, 精馏段操作线 y, q, 提馏段操作线过 (xW, xW), "
              "精馏段第, 末级按分数计：(x11 − xW)/(x11 − x12), N / 加料板, 简捷法加料板位置");
    EXPECT_EQ(notes(run("distillation"), 2),
              (std::vector<std::string>{"Rmin = (xD − yq)/(yq − xq) = (0.95 − 0.625)/(0.625 − 0.4) = 1.444",
                                        "q = 1：xq = xF = 0.4，yq = α·xq/(1 + (α − 1)·xq) = 0.625", "Rmin = 1.44444"}));
    EXPECT_EQ(notes(run("distillation"), 8),
              (std::vector<std::string>{"加料板 = ⌈N1⌉ + 1 = 8 + 1 = 9（自塔顶数起）", "N1 = 7.10434，N = 11.9275",
                                        "逐板法加料板位置 = 6"}));
    EXPECT_EQ(notes(run("distillation"), 9),
              (std::vector<std::string>{
                  "逐板计算（全凝器，恒摩尔流）：y1 = xD，xn = yn/(α − (α − 1)·yn)，至 xn ≤ xW 止",
                  "xn > x* 时 y(n+1) 由精馏段操作线求，其后由提馏段操作线求",
                  "精馏段操作线 y = R/(R + 1)·x + xD/(R + 1) = 0.684211·x + 0.3", "q = 1：x* = xF = 0.4，y* = 0.573684",
                  "提馏段操作线过 (xW, xW) = (0.05, 0.05) 与 (x*, y*)，斜率 (y* − xW)/(x* − xW) = 1.49624",
                  "精馏段第 1～5 级（xn > x*），提馏段第 6～12 级（自加料板第 6 级起，第 12 级为再沸器）",
                  "末级按分数计：(x11 − xW)/(x11 − x12) = (0.0783051 − 0.05)/(0.0783051 − 0.0391074) = 0.722112",
                  "N = 11 + 0.722112 = 11.72（含再沸器）"}));
    EXPECT_EQ(notes(run("distillation"), 10),
              (std::vector<std::string>{"加料板 = 第一个 xn ≤ x* 的级 = 6：x5 = 0.467718 > x* = 0.4 ≥ x6 = 0.394923",
                                        "简捷法加料板位置 = 9"}));
    const calc::Answer past = run("distillation", {{"distAlpha", "1.00947"}});
    EXPECT_EQ(notes(past, 9).back(),
              "逐板计算至第 1000 级 x1000 = 0.0503562 仍高于 xW = 0.05：所需理论板数超过 1000，不给出逐板结果（简捷法"
              "结果照常）");
    EXPECT_EQ(notes(past, 10),
              (std::vector<std::string>{"逐板计算超过 1000 级，不给出逐板法加料板位置", "简捷法加料板位置 = 547"}));
    EXPECT_EQ(notes(past, 8).back(), "逐板法加料板位置：—（逐板计算超过 1000 级）");
    const calc::Answer no_boil_up =
        run("distillation", {{"distFeedComp", "0.07"}, {"distQ", "0"}, {"distRefluxFactor", "1.2"}});
    EXPECT_EQ(
        notes(no_boil_up, 9)[4],
        "注意：x* = 0.036023 ≤ xW = 0.05，即提馏段上升蒸汽量 (R + 1)·D − (1 − q)·F ≤ 0：提馏段操作线不成立，逐板均"
        "按精馏段操作线计。");
    EXPECT_EQ(notes(no_boil_up, 10)[0], "加料板取最后一级 = 8（再沸器）：逐板至 xW 各级均有 xn > x* = 0.036023");
}

}  // namespace
}  // namespace vxr::test
