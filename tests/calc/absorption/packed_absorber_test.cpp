#include "calc/absorption/packed_absorber.h"
#include <gtest/gtest.h>
#include <random>
#include "calc/outcome_support.h"

using namespace vxr;
using In = calc::AbsorberInput;
using Texts = std::vector<std::string>;
constexpr auto G = &In::gas_flow, y_in = &In::inlet_gas, phi = &In::recovery, x2 = &In::inlet_liquid,
               slope = &In::slope, beta = &In::ratio_factor, HOG = &In::transfer_unit;
const auto run = test::runner(calc::packed_absorber, In{"100", "0.05", "95", "0", "1.2", "1.5", "0.8"});
// clang-format off
TEST(PackedAbsorber, WorkedExampleNotesTheUnitStrippingFactorAndQuadrature) {
    const auto out = run({});
    EXPECT_EQ(test::results(out),
              (Texts{"0.00263", "1.1400", "1.7100", "162.450", "0.02924", "0.7018", "6.361", "5.089"}));
    EXPECT_EQ(std::get<frame::Explained>(out).results[0].notes[1], "Y1 = y1/(1 − y1) = 0.05/(1 − 0.05) = 0.0526316");
    EXPECT_EQ(test::notes(out, 7), "Z = HOG·N_OG = 0.8 × 6.36093 = 5.089 m");
    // Solvent that carries solute in, just below the limit: m·X2 = 0.0024 against Y2 = 0.00263.
    EXPECT_EQ(test::results(run({{x2, "0.002"}})),
              (Texts{"0.00263", "1.1946", "1.7919", "170.228", "0.02991", "0.6697", "13.023", "10.419"}));
    // Above y1 = 0.1 every result warns that the dilute-gas assumptions strain; at 0.1 none does.
    for (const auto& [inlet, warns] : {std::pair{"0.1", false}, {"0.15", true}})
        for (std::size_t i = 0; i < 8; ++i) EXPECT_EQ(test::warns(run({{y_in, inlet}}), i), warns) << inlet << " " << i;
    // β = 1/0.95 makes L/V = m, N_OG = 19: the limit (1 − S = 1.4e-15, −4.5e-11) and the general form (−7.5e-8) meet.
    const std::pair<const char*, const char*> factors[] = {{"1.05263157894737", "1.0000 19.000 15.200"},
        {"1.0526315789", "1.0000 19.000 15.200"}, {"1.0526315", "1.0000 19.000 15.200"},
        {"1.04", "1.0121 21.601 17.281"}, {"1.07", "0.9838 16.561 13.248"}};
    for (const auto& [factor, expected] : factors) {
        const auto t = test::results(run({{beta, factor}})).value_or(Texts(8));
        EXPECT_EQ(t[5] + " " + t[6] + " " + t[7], expected) << factor;
    }
    // Each condition on both sides where it has two; the field typed is the field at fault.
    const std::string y = "进塔气体组成须在 0 与 1 之间。", recovery = "吸收率须在 0 与 100 之间。",
        x = "进塔液体组成须在 0 与 1 之间。";
    test::expect_refusals<In>(run, {{{{G, "0"}}, "气体流量必须大于零。", G}, {{{y_in, "0"}}, y, y_in}, {{{y_in, "1"}}, y, y_in},
        {{{phi, "0"}}, recovery, phi}, {{{phi, "100"}}, recovery, phi}, {{{x2, "-0.001"}}, x, x2}, {{{x2, "1"}}, x, x2},
        {{{slope, "0"}}, "相平衡常数必须大于零。", slope}, {{{beta, "1"}}, "液气比必须大于最小液气比（倍数大于1）。", beta},
        {{{HOG, "0"}}, "传质单元高度必须大于零。", HOG}, {{{x2, "0.0022"}}, "进塔液体组成过高，达不到所要求的吸收率。", x2},
        {{{slope, "1.2x"}}, "", slope}, {{{G, "1.5e308"}}, "", nullptr}});  // no number; L overflows
    // N_OG = ∫ dY/(Y − m·X) from Y2 to Y1 along X = X2 + (Y − Y2)/(L/V), by Simpson's rule; the last cases put
    // S = m/(L/V) at 1 ± 5e-8, near the limit but where the general form must still hold.
    std::mt19937 random(15);
    const auto at = [&](double lo, double hi) { return std::uniform_real_distribution<>(lo, hi)(random); };
    for (int i = 0; i < 44; ++i) {
        const double Y1 = at(0.005, 0.08), Y2 = Y1 * at(0.01, 0.5), m = at(0.3, 3), X2 = at(0, 0.9) * Y2 / m;
        const double LV = i < 40 ? at(1.05, 3) * (Y1 - Y2) / (Y1 / m - X2) : m / (1 + (i % 2 ? 5e-8 : -5e-8));
        double sum = 0, h = (Y1 - Y2) / 20000;
        for (int j = 0; j <= 20000; ++j) sum += (j % 20000 ? j % 2 ? 4 : 2 : 1) / (Y2 + j * h - m * (X2 + j * h / LV));
        EXPECT_NEAR(calc::transfer_units(Y1, Y2, X2, m, LV).get() / (sum * h / 3), 1, 1e-8) << i;
    }
}
// clang-format on
