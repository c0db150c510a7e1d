#include "calc/absorption/packed_absorber.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;
using In = calc::AbsorberInput;
using Texts = std::vector<std::string>;
constexpr auto G = &In::gas_flow, y_in = &In::inlet_gas, phi = &In::recovery, x2 = &In::inlet_liquid, m = &In::slope,
               beta = &In::ratio_factor, HOG = &In::transfer_unit;

static frame::Outcome<In> run(std::string In::*field, const char* text) {
    return packed_absorber(test::edited<In>({"100", "0.05", "95", "0", "1.2", "1.5", "0.8"}, {{field, text}}));
}

TEST(PackedAbsorber, WorkedExampleNotesAndTheUnitStrippingFactor) {
    const auto out = run(G, "100");
    EXPECT_EQ(test::results(out),
              (Texts{"0.00263", "1.1400", "1.7100", "162.450", "0.02924", "0.7018", "6.361", "5.089"}));
    EXPECT_EQ(std::get<frame::Explained>(out).results[0].notes[1], "Y1 = y1/(1 − y1) = 0.05/(1 − 0.05) = 0.0526316");
    EXPECT_EQ(test::notes(out, 7), "Z = HOG·N_OG = 0.8 × 6.36093 = 5.089 m");
    // Solvent that carries solute in, just below the limit: m·X2 = 0.0024 against Y2 = 0.00263.
    EXPECT_EQ(test::results(run(x2, "0.002")),
              (Texts{"0.00263", "1.1946", "1.7919", "170.228", "0.02991", "0.6697", "13.023", "10.419"}));
    // Above y1 = 0.1 every result warns that the dilute-gas assumptions strain; at 0.1 none does.
    for (const auto& [inlet, warns] : {std::pair{"0.1", false}, {"0.15", true}})
        for (std::size_t i = 0; i < 8; ++i)
            EXPECT_EQ(test::notes(run(y_in, inlet), i).find("注意：") != std::string::npos, warns) << i;
    // clang-format off
    // β = 1/0.95 makes L/V = m: N_OG = (Y1 − Y2)/Y2 = 19; the limit (|1 − S| < 1e-9) and the general form meet.
    const std::pair<const char*, const char*> factors[] = {
        {"1.05263157894737", "1.0000 19.000 15.200"},  // 1 − S = 1.4e-15: the limit
        {"1.0526315789", "1.0000 19.000 15.200"},      // 1 − S = −4.5e-11: the limit
        {"1.0526315", "1.0000 19.000 15.200"},         // 1 − S = −7.5e-8: the general form
        {"1.04", "1.0121 21.601 17.281"}, {"1.07", "0.9838 16.561 13.248"}};
    // Each condition on both sides where it has two; the field typed is the field at fault.
    const std::tuple<std::string In::*, std::vector<const char*>, std::string> refused[] = {
        {G, {"0"}, "气体流量必须大于零。"}, {y_in, {"0", "1"}, "进塔气体组成须在 0 与 1 之间。"},
        {phi, {"0", "100"}, "吸收率须在 0 与 100 之间。"}, {x2, {"-0.001", "1"}, "进塔液体组成须在 0 与 1 之间。"},
        {m, {"0"}, "相平衡常数必须大于零。"}, {beta, {"1"}, "液气比必须大于最小液气比（倍数大于1）。"},
        {HOG, {"0"}, "传质单元高度必须大于零。"}, {x2, {"0.0022"}, "进塔液体组成过高，达不到所要求的吸收率。"},
        {m, {"1.2x"}, ""}};  // no number: the data-check message
    for (const auto& [factor, expected] : factors) {
        const auto t = test::results(run(beta, factor)).value_or(Texts(8));
        EXPECT_EQ(t[5] + " " + t[6] + " " + t[7], expected) << factor;
    }
    for (const auto& [field, texts, message] : refused)
        for (const char* text : texts) EXPECT_EQ(test::refusal(run(field, text)), std::pair(message, field)) << text;
    EXPECT_EQ(test::refusal(run(G, "1.5e308")), (std::pair<std::string, std::string In::*>()));  // L overflows
}
// clang-format on
