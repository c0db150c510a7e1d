// The packed absorber: worked cases, refusals and the warning at and beside their bounds, notes, N_OG by quadrature.
#include <random>

#include "calc/absorption/packed_absorber.h"
#include "calc/case_support.h"

namespace vxr::test {
namespace {

// Results: Y2, (L/V)min, L/V, L, X1, S, N_OG, Z. Solvent carrying solute just below the limit: m·X2 = 0.0024
// against Y2 = 0.00263. β = 1/0.95 makes L/V = m, N_OG = (Y1 − Y2)/Y2 = 19: the limit (1 − S = 1.4e-15, −4.5e-11)
// and the general form (−7.5e-8) meet; a little either side the general form holds. Y2 = 2.50125e-6 (y1 0.0005,
// φ 99.5 %, m 0.5) shows four significant digits, X1 = 0.000667 keeps its mask's two. Typed at a bound, a field is
// refused; typed just beside it, the case finishes. Y2 = 0.00263158 meets m·X2 at x2 = 0.0021883, and a solvent of
// x2 0.99 is refused for it; y1 0.5, φ 50, x2 0.5 and m 0.5 make Y2 = m·X2 = 0.5.
TEST(PackedAbsorber, WorkedCasesAndRefusals) {
    const std::string y = "进塔气体组成须在 0 与 1 之间。", phi = "吸收率须在 0 与 100 之间。";
    const std::string x = "进塔液体组成须在 0 与 1 之间。", rich = "进塔液体组成过高，达不到所要求的吸收率。";
    const std::string gas = "气体流量必须大于零。", m = "相平衡常数必须大于零。", hog = "传质单元高度必须大于零。";
    const std::string beta = "液气比必须大于最小液气比（倍数大于1）。";
    const Bound bounds[] = {{"absGasFlow", "0", "1e-300", gas},   {"absInletGas", "0", "1e-6", y},
                            {"absInletGas", "1", "0.999", y},     {"absRecovery", "0", "0.01", phi},
                            {"absRecovery", "100", "99.99", phi}, {"absInletLiquid", "-0.001", "0", x},
                            {"absSlope", "0", "0.001", m},        {"absRatioFactor", "1", "1.001", beta},
                            {"absHOG", "0", "0.001", hog},        {"absInletLiquid", "0.00219", "0.00218", rich}};
    const Typed equal = {{"absInletGas", "0.5"}, {"absRecovery", "50"}, {"absInletLiquid", "0.5"}, {"absSlope", "0.5"}};
    expect_bounds("absorption", bounds);
    const std::string unit = "0.00263 | 1.1400 | 1.2000 | 114.000 | 0.04167 | 1.0000 | 19.000 | 15.200";
    expect_shown("absorption", {{"Y2 2.5e-6",
                                 {{"absInletGas", "0.0005"}, {"absRecovery", "99.5"}, {"absSlope", "0.5"}},
                                 "0.000002501 | 0.4975 | 0.7463 | 74.588 | 0.00067 | 0.6700 | 12.727 | 10.182"},
                                {"x2 0.002",
                                 {{"absInletLiquid", "0.002"}},
                                 "0.00263 | 1.1946 | 1.7919 | 170.228 | 0.02991 | 0.6697 | 13.023 | 10.419"},
                                {"S 1 − 1.4e-15", {{"absRatioFactor", "1.05263157894737"}}, unit},
                                {"S 1 + 4.5e-11", {{"absRatioFactor", "1.0526315789"}}, unit},
                                {"S 1 + 7.5e-8", {{"absRatioFactor", "1.0526315"}}, unit},
                                {"S 1.0121",
                                 {{"absRatioFactor", "1.04"}},
                                 "0.00263 | 1.1400 | 1.1856 | 112.632 | 0.04217 | 1.0121 | 21.601 | 17.281"},
                                {"S 0.9838",
                                 {{"absRatioFactor", "1.07"}},
                                 "0.00263 | 1.1400 | 1.2198 | 115.881 | 0.04099 | 0.9838 | 16.561 | 13.248"},
                                {"x2 1", {{"absInletLiquid", "1"}}, x + " @ absInletLiquid"},
                                {"x2 0.99", {{"absInletLiquid", "0.99"}}, rich + " @ absInletLiquid"},
                                {"Y2 = m·X2", equal, rich + " @ absInletLiquid"},
                                {"no number", {{"absSlope", "1.2x"}}, "请仔细核对数据！ @ absSlope"},
                                {"L overflows", {{"absGasFlow", "1.5e308"}}, "请仔细核对数据！ @ none"}});
}

// Above y1 = 0.1 every result warns that the dilute-gas assumptions strain; at 0.1 none does.
TEST(PackedAbsorber, NotesAndTheDiluteGasWarning) {
    for (const auto& [inlet, warned] : {std::pair{"0.1", false}, {"0.10001", true}})
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(warns(run("absorption", {{"absInletGas", inlet}}), i), warned) << inlet << " " << i;
    EXPECT_EQ(outline(run("absorption")),
              "Y2, Y1, Y2 / (L/V)min, Y1, X2, Y2, (L/V)min / L/V, L/V / L, V / X1, X1 / S, S / N_OG, "
              "(Y1 − m·X2)/(Y2 − m·X2), N_OG / Z");
    EXPECT_EQ(notes(run("absorption"), 0)[1], "Y1 = y1/(1 − y1) = 0.05/(1 − 0.05) = 0.0526316");
    EXPECT_EQ(notes(run("absorption"), 7), std::vector<std::string>{"Z = HOG·N_OG = 0.8 × 6.36093 = 5.089 m"});
    EXPECT_EQ(
        notes(run("absorption", {{"absRatioFactor", "1.0526315789"}}), 6)[0],
        "N_OG = (Y1 − Y2)/(Y2 − m·X2) = (0.0526316 − 0.00263158)/(0.00263158 − 1.2 × 0) = 19.000（S = 1 时的极限）");
    EXPECT_TRUE(notes(run("absorption", {{"absRatioFactor", "1.0526315"}}), 6)[0].starts_with("N_OG = 1/(1 − S)·ln"));
}

// N_OG = ∫ dY/(Y − m·X) from Y2 to Y1 along X = X2 + (Y − Y2)/(L/V), by Simpson's rule; the last cases put
// S = m/(L/V) at 1 ± 5e-8, near the limit but where the general form must still hold.
TEST(PackedAbsorber, TransferUnitsAgainstSimpsonsRule) {
    std::mt19937 random(15);
    const auto at = [&](double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(random); };
    for (int i = 0; i < 44; ++i) {
        const double Y1 = at(0.005, 0.08), Y2 = Y1 * at(0.01, 0.5), m = at(0.3, 3), X2 = at(0, 0.9) * Y2 / m;
        const double LV = i < 40 ? at(1.05, 3) * (Y1 - Y2) / (Y1 / m - X2) : m / (1 + (i % 2 ? 5e-8 : -5e-8));
        const double h = (Y1 - Y2) / 20000;
        double sum = 0;
        for (int j = 0; j <= 20000; ++j) sum += (j % 20000 ? j % 2 ? 4 : 2 : 1) / (Y2 + j * h - m * (X2 + j * h / LV));
        EXPECT_NEAR(calc::transfer_units(Y1, Y2, X2, m, LV).get() / (sum * h / 3), 1, 1e-8) << "case " << i;
    }
}

}  // namespace
}  // namespace vxr::test
