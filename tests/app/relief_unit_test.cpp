// The 安全阀计算 and 单位换算 pages through the window: both media's inputs and wiring, the unit table as one types.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <array>
#include "calc/outcome_support.h"
#include "calc/relief/relief_valve.h"
#include "window_test_support.h"

using namespace vxr::test;

// The inputs in the order of the core's input members: the six both media read, the gas's four, the liquid's one.
const char* const kInputs[] = {
    "reliefFlow",       "reliefSetPressure",       "reliefOverpressure", "reliefBackPressure",
    "reliefAtmosphere", "reliefCoefficient",       "reliefMolarMass",    "reliefTemperature",
    "reliefZ",          "reliefAdiabaticExponent", "reliefDensity"};

using In = vxr::calc::ReliefInput;
constexpr auto kGas = vxr::calc::ReliefMedium::Gas, kLiquid = vxr::calc::ReliefMedium::Liquid;
using ReliefUnitTest = WindowTest;

TEST_F(ReliefUnitTest, ReliefMediaWiredAndTheUnitTableFollowingTheTyping) {
    showPage(9);
    EXPECT_TRUE(checked("reliefGas"));
    for (const bool gas : {true, false}) {
        if (!gas) click("reliefLiquid");
        std::vector<const char*> inputs;
        for (int i = 0; i < 11; ++i) {
            const bool used = i < 6 || (i < 10) == gas;
            EXPECT_EQ(find<QLineEdit>(kInputs[i])->isEnabled(), used) << kInputs[i];
            if (used) inputs.push_back(kInputs[i]);
        }
        const auto core = [gas](const Texts& t) {
            std::array<std::string, 11> v;  // every input, the greyed ones empty
            for (int i = 0; i < 11; ++i) v[i] = t.count(kInputs[i]) ? t.at(kInputs[i]) : "";
            const auto in = std::apply([&](auto... s) { return In{s..., gas ? kGas : kLiquid}; }, v);
            return results(relief_valve(in));
        };
        expectWiring("reliefCalculate", inputs,
                     {"reliefPressure", "reliefRegime", "reliefCriticalRatio", "reliefC", "reliefArea", "reliefThroat"},
                     core);
    }
    // A greyed gas input is never read: its text does not stop a liquid's calculation.
    calculateWith("reliefCalculate", {{"reliefMolarMass", "abc"}});
    EXPECT_EQ(text("reliefRegime") + text("reliefArea") + text("reliefCriticalRatio"), "液体90.954");
    // The unit table follows the typing, once the unit database is read just after the page shows.
    showPage(11);
    QTRY_VERIFY(find<QComboBox>("unitQuantity")->count() > 0);
    auto* cells = find<QTableWidget>("unitTable");
    const auto cell = [&](const QString& unit) {
        const auto found = cells->findItems(unit, Qt::MatchExactly);
        return found.isEmpty() ? QStringLiteral("no row") : cells->item(found[0]->row(), 1)->text();
    };
    EXPECT_FALSE(find<QLineEdit>("unitAtmosphere")->isEnabled());
    type("unitValue", "2.5");
    EXPECT_EQ(cell("mm"), "2500");
    find<QComboBox>("unitQuantity")->setCurrentText("压力");
    EXPECT_TRUE(find<QLineEdit>("unitAtmosphere")->isEnabled());
    find<QComboBox>("unitFrom")->setCurrentText("kPa（表压）");
    type("unitAtmosphere", "90");
    EXPECT_EQ(cell("kPa"), "92.5");
    type("unitExpression", "kg");
    EXPECT_EQ(text("unitExpressionValue") + text("unitStatus"), "“kg”不是压力的单位。");
    EXPECT_FALSE(catchMessage([&] { type("unitValue", "2,5"); })) << "a message box while typing";
    EXPECT_EQ(cell("kPa") + text("unitStatus"), "数值不是有效的数字。");
    EXPECT_EQ(find<QLabel>("unitStatus")->palette().color(QPalette::WindowText), QColor(Qt::red));
    type("unitValue", "3");
    EXPECT_EQ(cell("kPa"), "93");
}
