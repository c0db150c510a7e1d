// The 单效蒸发, 干燥计算, 吸收计算 and 精馏计算 pages through the real window: every input read into its own member.
#include <QLineEdit>
#include <array>
#include "calc/absorption/packed_absorber.h"
#include "calc/distillation/shortcut_column.h"
#include "calc/drying/convective_dryer.h"
#include "calc/evaporation/single_effect.h"
#include "calc/outcome_support.h"
#include "window_test_support.h"

using namespace vxr::test;

class EvaporationDryingTest : public WindowTest {
protected:
    // The start values give `last` as the last result; the inputs, in the order of the core's input members, are
    // each read into their own member.
    template <class In, std::size_t N>
    void check(int index, const char* button, const char* const (&inputs)[N], std::vector<const char*> boxes,
               vxr::frame::Outcome<In> (*core)(const In&), const char* last) {
        showPage(index);
        click(button);
        EXPECT_EQ(text(boxes.back()), last) << button;
        expectWiring(button, {inputs, inputs + N}, boxes, [&](const Texts& t) {
            std::array<std::string, N> v;
            for (std::size_t i = 0; i < N; ++i) v[i] = t.at(inputs[i]);
            return results(core(std::apply([](auto... s) { return In{s...}; }, v)));
        });
    }
};

TEST_F(EvaporationDryingTest, EachPageWiredAndARefusalFocused) {
    check(6, "evapCalculate",
          {"evapFeed", "evapFeedConc", "evapProductConc", "evapFeedTemp", "evapFeedCp", "evapVapourTemp",
           "evapVapourLatent", "evapTempLoss", "evapSteamTemp", "evapSteamLatent", "evapK", "evapHeatLoss"},
          {"evapWater", "evapProduct", "evapBoilingPoint", "evapDuty", "evapSteam", "evapEconomy", "evapTempDiff",
           "evapArea"},
          vxr::calc::single_effect_evaporator, "52.230");
    check(7, "dryCalculate",
          {"dryWetFeed", "dryInitialMoisture", "dryFinalMoisture", "dryPressure", "dryAirTemp", "dryAirHumidity",
           "dryPreheatTemp", "dryExhaustTemp"},
          {"dryWater", "dryProduct", "dryFreshHumidity", "dryExhaustHumidity", "dryExhaustRH", "dryDryAir",
           "dryFreshAir", "dryHeater", "dryEfficiency"},
          vxr::calc::convective_dryer, "60.00");
    check(8, "absCalculate",
          {"absGasFlow", "absInletGas", "absRecovery", "absInletLiquid", "absSlope", "absRatioFactor", "absHOG"},
          {"absOutletGas", "absMinRatio", "absRatio", "absLiquidFlow", "absOutletLiquid", "absStripping", "absNOG",
           "absHeight"},
          vxr::calc::packed_absorber, "5.089");
    check(5, "distCalculate",
          {"distFeed", "distFeedComp", "distTopComp", "distBottomComp", "distAlpha", "distQ", "distRefluxFactor"},
          {"distTopFlow", "distBottomFlow", "distMinReflux", "distReflux", "distMinStages", "distStages", "distPlates",
           "distRectifyingStages", "distFeedPlate"},
          vxr::calc::shortcut_column, "9");
    // A refusal of its own focuses and selects the field at fault (m·X2 > Y2: x2, not the m typed last).
    showPage(8);
    click("absCalculate");
    const QString height = text("absHeight");
    type("absInletLiquid", "0.001");
    type("absSlope", "3");
    expectMessage(clickAndCatch("absCalculate"), "运行错误", "进塔液体组成过高，达不到所要求的吸收率。");
    auto* fault = find<QLineEdit>("absInletLiquid");
    EXPECT_EQ(window().focusWidget(), fault);  // the window's focus, whether or not it is active
    EXPECT_EQ(fault->selectedText(), fault->text());
    EXPECT_EQ(text("absHeight"), height);  // the results stay
}
