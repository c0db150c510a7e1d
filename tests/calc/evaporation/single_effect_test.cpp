#include "calc/evaporation/single_effect.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;

using In = calc::EvaporationInput;
using Edits = std::vector<std::pair<std::string In::*, const char*>>;
using Texts = std::vector<std::string>;

static In with(const Edits& edits) {
    In in{"10000", "0.10", "0.30", "20", "3.77", "60.1", "2355", "8", "133.3", "2168", "1500", "5"};
    for (const auto& [field, text] : edits) in.*field = text;
    return in;
}

TEST(EvaporationCore, ChecksAndConditions) {
    const auto out = single_effect_evaporator(with({}));
    EXPECT_EQ(test::texts(out),
              (Texts{"6666.667", "3333.333", "68.100", "5108.066", "8482.029", "1.272", "65.200", "52.230"}));
    EXPECT_EQ(test::notes(out), "W = F(1 − x0/x1) = 10000 × (1 − 0.1/0.3) = 6666.667 kg/h");
    // 9072 kg/h from 1 % to 1.5 %, boiling at 100 ℃; the book: 3024, 6048, 4108 kg/h and 149.3 m².
    const In book{"9072", "0.01", "0.015", "37.8", "4.14", "100", "2257", "0", "110", "2230", "1704", "0"};
    EXPECT_EQ(test::texts(single_effect_evaporator(book)),
              (Texts{"3024.000", "6048.000", "100.000", "2544.800", "4108.198", "1.359", "10.000", "149.343"}));
    const char *conc = "浓度须满足 0 < 进料浓度 < 完成液浓度 < 1。", *positive = "比热容、汽化热和传热系数必须大于零。",
               *loss = "温度差损失和热损失不能为负。";
    const std::tuple<Edits, std::string, std::string In::*> cases[] = {
        {{{&In::feed, "0"}, {&In::feed_conc, "0"}}, "进料量必须大于零。", &In::feed},
        {{{&In::feed_conc, "0"}}, conc, &In::feed_conc},
        {{{&In::feed_conc, "0.3"}}, conc, &In::feed_conc},
        {{{&In::product_conc, "1"}}, conc, &In::product_conc},
        {{{&In::vapour_latent, "0"}, {&In::heat_transfer, "-1"}}, positive, &In::vapour_latent},
        {{{&In::feed_cp, "-3"}}, positive, &In::feed_cp},
        {{{&In::steam_latent, "0"}}, positive, &In::steam_latent},
        {{{&In::heat_transfer, "0"}, {&In::temp_loss, "-1"}}, positive, &In::heat_transfer},
        {{{&In::temp_loss, "-0.1"}}, loss, &In::temp_loss},
        {{{&In::heat_loss_percent, "-5"}, {&In::steam_temp, "0"}}, loss, &In::heat_loss_percent},
        {{{&In::steam_temp, "68.1"}}, "加热蒸汽温度必须高于溶液沸点。", &In::steam_temp},
        {{{&In::feed_temp, "1500"}}, "传热量不为正，请核对进料温度。", &In::feed_temp},
        {{{&In::feed_cp, "abc"}, {&In::feed, "0"}}, "", &In::feed_cp},
        {{{&In::heat_transfer, "1e308"}, {&In::feed, "1e308"}}, "", nullptr},
    };
    for (const auto& [edits, message, field] : cases) {
        const auto refusal = std::get<frame::Refusal<In>>(single_effect_evaporator(with(edits)));  // throws if done
        EXPECT_EQ(refusal.message, message);
        EXPECT_EQ(refusal.field, field) << message;
    }
}
