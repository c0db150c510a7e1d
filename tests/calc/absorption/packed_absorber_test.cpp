// Packed absorber by the absorption-factor method: the worked example, the S = 1 limit, every condition, and N_OG
// against a quadrature of its defining integral.
#include "calc/absorption/packed_absorber.h"

#include <gtest/gtest.h>

#include <random>

namespace vxr::calc {
namespace {

using In = AbsorberInput;
const In kDefaults{"100", "0.05", "95", "0", "1.2", "1.5", "0.8"};

In with(std::string In::*field, const char* text) {
    In in = kDefaults;
    in.*field = text;
    return in;
}

std::vector<std::string> texts(const frame::Outcome<In>& out) {
    std::vector<std::string> t;
    if (const auto* e = std::get_if<frame::Explained>(&out))
        for (const auto& r : e->results) t.push_back(r.text);
    return t;
}

TEST(PackedAbsorber, WorkedExampleAndNotes) {
    const auto out = packed_absorber(kDefaults);
    EXPECT_EQ(texts(out), (std::vector<std::string>{"0.00263", "1.1400", "1.7100", "162.450", "0.02924", "0.7018",
                                                    "6.361", "5.089"}));
    const auto& r = std::get<frame::Explained>(out).results;
    EXPECT_EQ(r[0].notes[1], "Y1 = y1/(1 − y1) = 0.05/(1 − 0.05) = 0.0526316");
    EXPECT_EQ(r[7].notes[0], "Z = HOG·N_OG = 0.8 × 6.36093 = 5.089 m");
    // Above y1 = 0.1 every result warns that the dilute-gas assumptions strain; at 0.1 none does.
    for (const auto& [y1, warns] : {std::pair{"0.1", false}, {"0.15", true}}) {
        const auto warned = packed_absorber(with(&In::inlet_gas, y1));
        for (const auto& result : std::get<frame::Explained>(warned).results)
            EXPECT_EQ(result.notes.back().rfind("注意：", 0) == 0, warns) << y1;
    }
}

// Tables stay one row a line.
// clang-format off
TEST(PackedAbsorber, UnitStrippingFactorAndItsNeighbours) {
    // β = 1/0.95 makes L/V = m: N_OG = (Y1 − Y2)/Y2 = 19 exactly; both forms must meet there from either side.
    const struct { const char *beta, *S, *NOG, *Z; } cases[] = {
        {"1.05263157894737", "1.0000", "19.000", "15.200"},  // 1 − S = 1.4e-15: the limit
        {"1.0526315789", "1.0000", "19.000", "15.200"},      // 1 − S = −4.5e-11: the limit
        {"1.0526315", "1.0000", "19.000", "15.200"},         // 1 − S = −7.5e-8: the general form
        {"1.0526316", "1.0000", "19.000", "15.200"},         // 1 − S = 2e-8: the general form
        {"1.0526", "1.0000", "19.005", "15.204"}, {"1.0527", "0.9999", "18.988", "15.191"},
        {"1.04", "1.0121", "21.601", "17.281"},   {"1.07", "0.9838", "16.561", "13.248"},
    };
    for (const auto& c : cases) {
        const auto t = texts(packed_absorber(with(&In::ratio_factor, c.beta)));
        ASSERT_EQ(t.size(), 8u) << c.beta;
        EXPECT_EQ(t[5] + " " + t[6] + " " + t[7], std::string(c.S) + " " + c.NOG + " " + c.Z) << c.beta;
    }
}

TEST(PackedAbsorber, ConditionsInOrder) {
    const struct { std::string In::*field; const char *text, *message; std::string In::*fault; } cases[] = {
        {&In::gas_flow, "0", "气体流量必须大于零。", &In::gas_flow},
        {&In::inlet_gas, "0", "进塔气体组成须在 0 与 1 之间。", &In::inlet_gas},
        {&In::inlet_gas, "1", "进塔气体组成须在 0 与 1 之间。", &In::inlet_gas},
        {&In::recovery, "0", "吸收率须在 0 与 100 之间。", &In::recovery},
        {&In::recovery, "100", "吸收率须在 0 与 100 之间。", &In::recovery},
        {&In::inlet_liquid, "-0.001", "进塔液体组成须在 0 与 1 之间。", &In::inlet_liquid},
        {&In::inlet_liquid, "1", "进塔液体组成须在 0 与 1 之间。", &In::inlet_liquid},
        {&In::slope, "0", "相平衡常数必须大于零。", &In::slope},
        {&In::ratio_factor, "1", "液气比必须大于最小液气比（倍数大于1）。", &In::ratio_factor},
        {&In::transfer_unit, "0", "传质单元高度必须大于零。", &In::transfer_unit},
        {&In::inlet_liquid, "0.0022", "进塔液体组成过高，达不到所要求的吸收率。", &In::inlet_liquid},
        {&In::slope, "1.2x", "", &In::slope},     // no number: the data-check message
        {&In::gas_flow, "1.5e308", "", nullptr},  // L overflows: no field
    };
    for (const auto& c : cases) {
        const auto out = packed_absorber(with(c.field, c.text));
        const auto* refusal = std::get_if<frame::Refusal<In>>(&out);
        ASSERT_TRUE(refusal) << c.text;
        EXPECT_EQ(refusal->message, c.message) << c.text;
        EXPECT_EQ(refusal->field, c.fault) << c.text;
    }
    EXPECT_EQ(texts(packed_absorber(with(&In::inlet_liquid, "0.002")))[4], "0.02991");  // just below the limit
}
// clang-format on

// N_OG = ∫ dY/(Y − m·X) from Y2 to Y1 along X = X2 + (Y − Y2)/(L/V), by Simpson's rule.
TEST(PackedAbsorber, TransferUnitsMatchQuadrature) {
    std::mt19937 random(15);
    auto between = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    for (int i = 0; i < 40; ++i) {
        const double Y1 = between(0.005, 0.08), Y2 = Y1 * between(0.01, 0.5), m = between(0.3, 3);
        const double X2 = between(0, 0.9) * Y2 / m, ratio = between(1.05, 3) * (Y1 - Y2) / (Y1 / m - X2);
        const int n = 20000;
        const double h = (Y1 - Y2) / n;
        double sum = 0;
        for (int j = 0; j <= n; ++j) {
            const double Y = Y2 + j * h;
            sum += (j == 0 || j == n ? 1 : j % 2 ? 4 : 2) / (Y - m * (X2 + (Y - Y2) / ratio));
        }
        EXPECT_NEAR(transfer_units(Y1, Y2, X2, m, ratio).get(), sum * h / 3, 1e-9) << i;
    }
}

}  // namespace
}  // namespace vxr::calc
