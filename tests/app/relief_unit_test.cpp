// The 安全阀计算 and 单位换算 pages through the window: the medium's inputs, the relief page's wiring for both media,
// and the unit table refreshing as the user types.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

#include "calc/relief/relief_valve.h"
#include "window_test_support.h"

namespace vxr::test {
namespace {

using In = calc::ReliefInput;
using calc::ReliefMedium;

constexpr int kReliefPage = 9;
constexpr int kUnitPage = 11;

const std::vector<const char*> kShared = {"reliefFlow",         "reliefSetPressure", "reliefOverpressure",
                                          "reliefBackPressure", "reliefAtmosphere",  "reliefCoefficient"};
const std::vector<const char*> kGas = {"reliefMolarMass", "reliefTemperature", "reliefZ", "reliefAdiabaticExponent"};
const std::vector<const char*> kResults = {"reliefPressure", "reliefRegime", "reliefCriticalRatio",
                                           "reliefC",        "reliefArea",   "reliefThroat"};

using ReliefUnitTest = WindowTest;

TEST_F(ReliefUnitTest, ReliefGreysTheInputsTheMediumDoesNotUse) {
    showPage(kReliefPage);
    const auto expectEnabled = [&](bool gas) {
        for (const char* name : kShared) EXPECT_TRUE(find<QLineEdit>(name)->isEnabled()) << name;
        for (const char* name : kGas) EXPECT_EQ(find<QLineEdit>(name)->isEnabled(), gas) << name;
        EXPECT_EQ(find<QLineEdit>("reliefDensity")->isEnabled(), !gas);
    };
    EXPECT_TRUE(checked("reliefGas"));
    expectEnabled(true);
    click("reliefLiquid");
    expectEnabled(false);
    // A greyed gas input is never read: its text does not stop a liquid's calculation.
    calculateWith("reliefCalculate", {{"reliefMolarMass", "abc"}});
    EXPECT_EQ(text("reliefRegime"), "液体");
    EXPECT_EQ(text("reliefArea"), "90.954");
    EXPECT_EQ(text("reliefCriticalRatio"), "");
}

TEST_F(ReliefUnitTest, ReliefWiringForBothMedia) {
    showPage(kReliefPage);
    for (const ReliefMedium medium : {ReliefMedium::Gas, ReliefMedium::Liquid}) {
        SCOPED_TRACE(medium == ReliefMedium::Gas ? "gas" : "liquid");
        std::vector<const char*> inputs = kShared;
        if (medium == ReliefMedium::Gas) {
            inputs.insert(inputs.end(), kGas.begin(), kGas.end());
        } else {
            click("reliefLiquid");
            inputs.push_back("reliefDensity");
        }
        expectWiring("reliefCalculate", inputs, kResults,
                     [medium](const Texts& t) -> std::optional<std::vector<std::string>> {
                         // The texts in the order of the input struct: the shared fields, the gas's, the density.
                         std::vector<std::string> v;
                         for (const auto* group : {&kShared, &kGas})
                             for (const char* name : *group) v.push_back(t.count(name) ? t.at(name) : "");
                         v.push_back(t.count("reliefDensity") ? t.at("reliefDensity") : "");
                         const In in{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], medium};
                         const auto outcome = calc::relief_valve(in);
                         const auto* done = std::get_if<frame::Explained>(&outcome);
                         if (!done) return std::nullopt;
                         std::vector<std::string> texts;
                         for (const auto& r : done->results) texts.push_back(r.text);
                         return texts;
                     });
    }
}

TEST_F(ReliefUnitTest, UnitTableFollowsTheTyping) {
    showPage(kUnitPage);
    auto* cells = find<QTableWidget>("unitTable");
    auto* quantity = find<QComboBox>("unitQuantity");
    auto* from = find<QComboBox>("unitFrom");
    const auto cell = [&](const QString& unit) {
        for (int row = 0; row < cells->rowCount(); ++row)
            if (cells->item(row, 0)->text() == unit) return cells->item(row, 1)->text();
        ADD_FAILURE() << "no row " << unit.toStdString();
        return QString();
    };
    EXPECT_FALSE(find<QLineEdit>("unitAtmosphere")->isEnabled());
    type("unitValue", "2.5");
    EXPECT_EQ(cell("mm"), "2500");

    quantity->setCurrentText("压力");
    EXPECT_TRUE(find<QLineEdit>("unitAtmosphere")->isEnabled());
    from->setCurrentText("kPa（表压）");
    type("unitAtmosphere", "90");
    EXPECT_EQ(cell("kPa"), "92.5");
    type("unitExpression", "kg");
    EXPECT_EQ(text("unitExpressionValue"), "");
    EXPECT_EQ(text("unitStatus"), "“kg”不是压力的单位。");

    const auto typed = catchMessage([&] { type("unitValue", "2,5"); });
    EXPECT_FALSE(typed.has_value()) << "a message box while typing";
    EXPECT_EQ(cell("kPa"), "");
    EXPECT_EQ(text("unitStatus"), "数值不是有效的数字。");
    EXPECT_EQ(find<QLabel>("unitStatus")->palette().color(QPalette::WindowText), QColor(Qt::red));
    type("unitValue", "3");
    EXPECT_EQ(cell("kPa"), "93");
}

}  // namespace
}  // namespace vxr::test
