#include "calc/absorption/packed_absorber.h"
#include <gtest/gtest.h>
#include <random>
#include "calc/outcome_support.h"

using namespace vxr;

using In = calc::AbsorberInput;

static frame::Outcome<In> run(std::string In::*field, const char* text) {
    In in{"100", "0.05", "95", "0", "1.2", "1.5", "0.8"};
    in.*field = text;
    return packed_absorber(in);
}

TEST(PackedAbsorber, WorkedExampleNotesAndTheUnitStrippingFactor) {
    const auto out = run(&In::gas_flow, "100");
    EXPECT_EQ(test::texts(out), (std::vector<std::string>{"0.00263", "1.1400", "1.7100", "162.450", "0.02924", "0.7018",
                                                          "6.361", "5.089"}));
    const auto& r = std::get<frame::Explained>(out).results;
    EXPECT_EQ(r[0].notes[1], "Y1 = y1/(1 − y1) = 0.05/(1 − 0.05) = 0.0526316");
    EXPECT_EQ(r[7].notes[0], "Z = HOG·N_OG = 0.8 × 6.36093 = 5.089 m");
    // Above y1 = 0.1 every result warns that the dilute-gas assumptions strain; at 0.1 none does.
    for (const auto& [y1, warns] : {std::pair{"0.1", false}, {"0.15", true}}) {
        const auto warned = run(&In::inlet_gas, y1);
        for (const auto& result : std::get<frame::Explained>(warned).results)
            EXPECT_EQ(result.notes.back().rfind("注意：", 0) == 0, warns) << y1;
    }
    // β = 1/0.95 makes L/V = m: N_OG = (Y1 − Y2)/Y2 = 19; the limit (|1 − S| < 1e-9) and the general form meet.
    const std::pair<const char*, const char*> cases[] = {
        {"1.05263157894737", "1.0000 19.000 15.200"},  // 1 − S = 1.4e-15: the limit
        {"1.0526315789", "1.0000 19.000 15.200"},      // 1 − S = −4.5e-11: the limit
        {"1.0526315", "1.0000 19.000 15.200"},         // 1 − S = −7.5e-8: the general form
        {"1.04", "1.0121 21.601 17.281"},
        {"1.07", "0.9838 16.561 13.248"},
    };
    for (const auto& [beta, expected] : cases) {
        const auto t = test::texts(run(&In::ratio_factor, beta));
        EXPECT_EQ(t.size() == 8 ? t[5] + " " + t[6] + " " + t[7] : "", expected) << beta;
    }
    // Each condition on both sides where it has two, with its message; the field typed is the field at fault.
    const std::tuple<std::string In::*, std::vector<const char*>, std::string> refused[] = {
        {&In::gas_flow, {"0"}, "气体流量必须大于零。"},
        {&In::inlet_gas, {"0", "1"}, "进塔气体组成须在 0 与 1 之间。"},
        {&In::recovery, {"0", "100"}, "吸收率须在 0 与 100 之间。"},
        {&In::inlet_liquid, {"-0.001", "1"}, "进塔液体组成须在 0 与 1 之间。"},
        {&In::slope, {"0"}, "相平衡常数必须大于零。"},
        {&In::ratio_factor, {"1"}, "液气比必须大于最小液气比（倍数大于1）。"},
        {&In::transfer_unit, {"0"}, "传质单元高度必须大于零。"},
        {&In::inlet_liquid, {"0.0022"}, "进塔液体组成过高，达不到所要求的吸收率。"},
        {&In::slope, {"1.2x"}, ""},  // no number: the data-check message
    };
    for (const auto& [field, texts, message] : refused)
        for (const char* text : texts) {
            const auto refusal = std::get<frame::Refusal<In>>(run(field, text));  // throws if done
            EXPECT_EQ(refusal.message, message) << text;
            EXPECT_EQ(refusal.field, field) << text;
        }
    EXPECT_EQ(std::get<frame::Refusal<In>>(run(&In::gas_flow, "1.5e308")).field, nullptr);  // L overflows
    EXPECT_EQ(test::shown(run(&In::inlet_liquid, "0.002"), 4), "0.02991");                  // just below the limit
}

// N_OG = ∫ dY/(Y − m·X) from Y2 to Y1 along X = X2 + (Y − Y2)/(L/V), by Simpson's rule.
TEST(PackedAbsorber, TransferUnitsMatchQuadrature) {
    std::mt19937 random(15);
    auto between = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    for (int i = 0; i < 40; ++i) {
        const double Y1 = between(0.005, 0.08), Y2 = Y1 * between(0.01, 0.5), m = between(0.3, 3);
        const double X2 = between(0, 0.9) * Y2 / m, ratio = between(1.05, 3) * (Y1 - Y2) / (Y1 / m - X2);
        const double n = 20000, h = (Y1 - Y2) / n;
        double sum = 0;
        for (int j = 0; j <= n; ++j)
            sum += (j == 0 || j == n ? 1 : j % 2 ? 4 : 2) / (Y2 + j * h - m * (X2 + j * h / ratio));
        EXPECT_NEAR(calc::transfer_units(Y1, Y2, X2, m, ratio).get(), sum * h / 3, 1e-9) << i;
    }
}
