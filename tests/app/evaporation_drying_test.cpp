// The 单效蒸发 and 干燥计算 pages through the real window: every input read into its own member, a condition that
// refuses with the focus on the field at fault, and a failed calculation that keeps the last results.
#include <QLineEdit>
#include <string>
#include <utility>
#include <vector>

#include "calc/drying/convective_dryer.h"
#include "calc/evaporation/single_effect.h"
#include "calc/outcome_support.h"
#include "window_test_support.h"

namespace vxr::test {
namespace {

// A page as the test drives it: its inputs with the members they fill, its results, a broken condition with its
// message and the field at fault (not always the one typed), and arithmetic that overflows.
template <class In>
struct Page {
    int index;
    const char* button;
    std::vector<std::pair<const char*, std::string In::*>> inputs;
    std::vector<const char*> results;
    frame::Outcome<In> (*core)(const In&);
    std::pair<const char*, const char*> breaking;
    const char* message;
    const char* at_fault;
    Typed overflowing;
};

class EvaporationDryingTest : public WindowTest {
protected:
    template <class In>
    void check(const Page<In>& page) {
        showPage(page.index);
        std::vector<const char*> names;
        for (const auto& input : page.inputs) names.push_back(input.first);
        expectWiring(page.button, names, page.results, [&](const Texts& texts) {
            In in;
            for (const auto& [name, member] : page.inputs) in.*member = texts.at(name);
            const std::vector<std::string> shown = test::texts(page.core(in));
            return shown.empty() ? std::nullopt : std::optional(shown);
        });

        click(page.button);
        QStringList shown;
        for (const char* result : page.results) shown << text(result);
        const auto [field, broken] = page.breaking;
        const QString typed_over = text(field);
        type(field, QString::fromUtf8(broken));
        expectMessage(clickAndCatch(page.button), QStringLiteral("运行错误"), QString::fromUtf8(page.message));
        auto* fault = find<QLineEdit>(page.at_fault);
        EXPECT_EQ(window().focusWidget(), fault);  // the window's focus, whether or not it is active
        EXPECT_EQ(fault->selectedText(), fault->text());
        for (qsizetype i = 0; i < shown.size(); ++i) EXPECT_EQ(text(page.results[i]), shown[i]) << page.results[i];
        setText(field, typed_over);
        expectRefused(page.button, page.overflowing);
    }
};

// clang-format off
TEST_F(EvaporationDryingTest, EvaporationPage) {
    using In = calc::EvaporationInput;
    check<In>({6, "evapCalculate",
               {{"evapFeed", &In::feed}, {"evapFeedConc", &In::feed_conc}, {"evapProductConc", &In::product_conc},
                {"evapFeedTemp", &In::feed_temp}, {"evapFeedCp", &In::feed_cp}, {"evapVapourTemp", &In::vapour_temp},
                {"evapVapourLatent", &In::vapour_latent}, {"evapTempLoss", &In::temp_loss},
                {"evapSteamTemp", &In::steam_temp}, {"evapSteamLatent", &In::steam_latent},
                {"evapK", &In::heat_transfer}, {"evapHeatLoss", &In::heat_loss_percent}},
               {"evapWater", "evapProduct", "evapBoilingPoint", "evapDuty", "evapSteam", "evapEconomy",
                "evapTempDiff", "evapArea"},
               calc::single_effect_evaporator,
               {"evapProductConc", "1.2"}, "浓度须满足 0 < 进料浓度 < 完成液浓度 < 1。", "evapProductConc",
               {{"evapFeed", "1e308"}, {"evapFeedCp", "10"}}});
}

TEST_F(EvaporationDryingTest, DryingPage) {
    using In = calc::DryerInput;
    check<In>({7, "dryCalculate",
               {{"dryWetFeed", &In::wet_feed}, {"dryInitialMoisture", &In::initial_moisture},
                {"dryFinalMoisture", &In::final_moisture}, {"dryPressure", &In::pressure},
                {"dryAirTemp", &In::air_temp}, {"dryAirHumidity", &In::air_humidity},
                {"dryPreheatTemp", &In::preheat_temp}, {"dryExhaustTemp", &In::exhaust_temp}},
               {"dryWater", "dryProduct", "dryFreshHumidity", "dryExhaustHumidity", "dryExhaustRH", "dryDryAir",
                "dryFreshAir", "dryHeater", "dryEfficiency"},
               calc::convective_dryer,
               {"dryFinalMoisture", "0.5"}, "含水量须满足 0 ≤ 产品含水量 < 初始含水量 < 1。", "dryInitialMoisture",
               {{"dryWetFeed", "1e308"}, {"dryInitialMoisture", "0.9"}}});
}
// clang-format on

}  // namespace
}  // namespace vxr::test
