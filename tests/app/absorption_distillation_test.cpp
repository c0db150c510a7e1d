// The 吸收计算 and 精馏计算 pages through the real window: the start values' results, every input read into its own
// member, a refused case with the focus on the field at fault, and a failed calculation that keeps the results.
#include <QLineEdit>
#include <string>
#include <utility>
#include <vector>

#include "calc/absorption/packed_absorber.h"
#include "calc/distillation/shortcut_column.h"
#include "window_test_support.h"

namespace vxr::test {
namespace {

class AbsorptionDistillationTest : public WindowTest {
protected:
    // Checks a page's wiring over every input, then a refused case (`breaking`, typed in order, the last keeping
    // the focus) with its message and the field at fault, then arithmetic that is no number (`failing`): neither
    // touches the results.
    template <class In>
    void check(int index, const char* button, const std::vector<std::pair<const char*, std::string In::*>>& inputs,
               const std::vector<const char*>& results, frame::Outcome<In> (*core)(const In&), const Typed& breaking,
               const char* message, const char* at_fault, const Typed& failing) {
        showPage(index);
        std::vector<const char*> names;
        for (const auto& input : inputs) names.push_back(input.first);
        expectWiring(button, names, results, [&](const Texts& texts) {
            In in;
            for (const auto& [name, member] : inputs) in.*member = texts.at(name);
            const auto outcome = core(in);
            std::optional<std::vector<std::string>> shown;
            if (const auto* done = std::get_if<frame::Explained>(&outcome)) {
                shown.emplace();
                for (const auto& r : done->results) shown->push_back(r.text);
            }
            return shown;
        });

        click(button);
        QStringList shown, before;
        for (const char* result : results) shown << text(result);
        for (const auto& [field, typed] : breaking) {
            before << text(field);
            type(field, QString::fromUtf8(typed));
        }
        expectMessage(clickAndCatch(button), QStringLiteral("运行错误"), QString::fromUtf8(message));
        auto* fault = find<QLineEdit>(at_fault);
        EXPECT_EQ(window().focusWidget(), fault);  // the window's focus, active or not
        EXPECT_EQ(fault->selectedText(), fault->text());
        for (std::size_t i = 0; i < results.size(); ++i) EXPECT_EQ(text(results[i]), shown[qsizetype(i)]);
        for (std::size_t i = 0; i < breaking.size(); ++i) setText(breaking[i].first, before[qsizetype(i)]);
        expectRefused(button, failing);
    }
};

// clang-format off
TEST_F(AbsorptionDistillationTest, AbsorptionPage) {
    using In = calc::AbsorberInput;
    check<In>(8, "absCalculate",
              {{"absGasFlow", &In::gas_flow}, {"absInletGas", &In::inlet_gas}, {"absRecovery", &In::recovery},
               {"absInletLiquid", &In::inlet_liquid}, {"absSlope", &In::slope},
               {"absRatioFactor", &In::ratio_factor}, {"absHOG", &In::transfer_unit}},
              {"absOutletGas", "absMinRatio", "absRatio", "absLiquidFlow", "absOutletLiquid", "absStripping",
               "absNOG", "absHeight"},
              calc::packed_absorber,
              {{"absInletLiquid", "0.001"}, {"absSlope", "3"}},  // m·X2 = 0.003 > Y2: x2 at fault, not m
              "进塔液体组成过高，达不到所要求的吸收率。", "absInletLiquid", {{"absGasFlow", "1.5e308"}});
    EXPECT_EQ(text("absHeight").toStdString(), "5.089");
}

TEST_F(AbsorptionDistillationTest, DistillationPage) {
    using In = calc::ColumnInput;
    check<In>(5, "distCalculate",
              {{"distFeed", &In::feed}, {"distFeedComp", &In::feed_comp}, {"distTopComp", &In::top_comp},
               {"distBottomComp", &In::bottom_comp}, {"distAlpha", &In::alpha}, {"distQ", &In::q},
               {"distRefluxFactor", &In::reflux_factor}},
              {"distTopFlow", "distBottomFlow", "distMinReflux", "distReflux", "distMinStages", "distStages",
               "distPlates", "distRectifyingStages", "distFeedPlate"},
              calc::shortcut_column,
              {{"distBottomComp", "0.5"}},  // above xF: the feed's box, the first taking part, is at fault
              "组成须满足 0 < 塔底组成 < 进料组成 < 塔顶组成 < 1。", "distFeedComp", {{"distBottomComp", "1e-320"}});
    EXPECT_EQ(text("distFeedPlate").toStdString(), "9");
}
// clang-format on

}  // namespace
}  // namespace vxr::test
