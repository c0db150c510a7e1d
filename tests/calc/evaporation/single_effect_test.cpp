#include "calc/evaporation/single_effect.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;
using In = calc::EvaporationInput;
using Texts = std::vector<std::string>;
constexpr auto F = &In::feed, x0 = &In::feed_conc, x1 = &In::product_conc, t0 = &In::feed_temp, cp0 = &In::feed_cp,
               r1 = &In::vapour_latent, loss = &In::temp_loss, T = &In::steam_temp, r = &In::steam_latent,
               K = &In::heat_transfer, pct = &In::heat_loss_percent;
const auto run = test::runner(calc::single_effect_evaporator, In{"10000", "0.10", "0.30", "20", "3.77", "60.1", "2355",
                                                                 "8", "133.3", "2168", "1500", "5"});
TEST(EvaporationCore, ChecksAndConditions) {
    const auto out = run({});
    EXPECT_EQ(test::results(out),
              (Texts{"6666.667", "3333.333", "68.100", "5108.066", "8482.029", "1.272", "65.200", "52.230"}));
    EXPECT_EQ(test::notes(out), "W = F(1 − x0/x1) = 10000 × (1 − 0.1/0.3) = 6666.667 kg/h");
    // 9072 kg/h from 1 % to 1.5 %, boiling at 100 ℃; the book: 3024, 6048, 4108 kg/h and 149.3 m².
    const In book{"9072", "0.01", "0.015", "37.8", "4.14", "100", "2257", "0", "110", "2230", "1704", "0"};
    EXPECT_EQ(test::results(single_effect_evaporator(book)),
              (Texts{"3024.000", "6048.000", "100.000", "2544.800", "4108.198", "1.359", "10.000", "149.343"}));
    // clang-format off
    const std::string conc = "浓度须满足 0 < 进料浓度 < 完成液浓度 < 1。",
        positive = "比热容、汽化热和传热系数必须大于零。", negative = "温度差损失和热损失不能为负。";
    // Where two fields are typed, the first condition in reading order is the one refused.
    test::expect_refusals<In>(run, {{{{F, "0"}, {x0, "0"}}, "进料量必须大于零。", F}, {{{x0, "0"}}, conc, x0},
        {{{x0, "0.3"}}, conc, x0}, {{{x1, "1"}}, conc, x1}, {{{r1, "0"}, {K, "-1"}}, positive, r1},
        {{{cp0, "-3"}}, positive, cp0}, {{{r, "0"}}, positive, r}, {{{K, "0"}, {loss, "-1"}}, positive, K},
        {{{loss, "-0.1"}}, negative, loss}, {{{pct, "-5"}, {T, "0"}}, negative, pct},
        {{{T, "68.1"}}, "加热蒸汽温度必须高于溶液沸点。", T}, {{{t0, "1500"}}, "传热量不为正，请核对进料温度。", t0},
        {{{cp0, "abc"}, {F, "0"}}, "", cp0}, {{{K, "1e308"}, {F, "1e308"}}, "", nullptr}});
}
