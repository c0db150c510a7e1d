// The unit page through the real window at the edges of its conversions: temperature differences typed in any
// spelling, negative absolute pressures, the digits shown, the unit each quantity opens on, the engineer's
// abbreviations. Refusals and notes go to the status line, never into a message box.
#include <QComboBox>
#include <QTableWidget>
#include <QTest>

#include "window_test_support.h"

namespace vxr::test {
namespace {

class UnitPageTest : public WindowTest {
protected:
    // The page with its database read, on `quantity`, in the unit `unit` unless empty.
    void open(const QString& quantity, const QString& unit = {}) {
        showPage("unitPage");
        QTRY_VERIFY(find<QComboBox>("unitQuantity")->count() > 0);
        find<QComboBox>("unitQuantity")->setCurrentText(quantity);
        if (!unit.isEmpty()) find<QComboBox>("unitFrom")->setCurrentText(unit);
    }
    QString cell(const QString& unit) const {
        auto* cells = find<QTableWidget>("unitTable");
        const auto found = cells->findItems(unit, Qt::MatchExactly);
        return found.isEmpty() ? QStringLiteral("no row") : cells->item(found[0]->row(), 1)->text();
    }
    // The expression's value and the status line after typing `expression`.
    QString expressed(const QString& expression) {
        type("unitExpression", expression);
        return text("unitExpressionValue") + "|" + text("unitStatus");
    }
};

TEST_F(UnitPageTest, TemperatureDifferencesTypedAreSlopes) {
    open("温差", "K");
    type("unitValue", "10");
    EXPECT_EQ(expressed("degC") + expressed("degF") + expressed("fahrenheit"), "10|18|18|");
    EXPECT_EQ(expressed("degF/min"), "|“degF/min”不是温差的单位。");
}

TEST_F(UnitPageTest, NegativeAbsolutePressureIsRefusedInTheStatusLine) {
    open("压力", "kPa（表压）");
    type("unitExpression", "Pa");
    EXPECT_FALSE(catchMessage([&] { type("unitValue", "-150"); })) << "a message box while typing";
    EXPECT_EQ(cell("Pa") + text("unitExpressionValue") + text("unitStatus"), "绝对压力不能为负。");
    type("unitValue", "-101.325");
    EXPECT_EQ(cell("Pa") + text("unitExpressionValue") + text("unitStatus"), "00");
    find<QComboBox>("unitFrom")->setCurrentText("kPa");
    type("unitValue", "-5");
    EXPECT_EQ(cell("Pa") + text("unitExpressionValue") + text("unitStatus"), "绝对压力不能为负。");
}

TEST_F(UnitPageTest, NoNoiseDigits) {
    open("温度");
    type("unitValue", "20");
    EXPECT_EQ(cell("℉") + " " + expressed("degF"), "68 68|");
}

// Each quantity opens on its engineer's unit, again whenever it is chosen; the value typed stays.
TEST_F(UnitPageTest, QuantitiesOpenOnTheEngineersUnit) {
    open("温度");
    type("unitValue", "150");
    EXPECT_EQ(find<QComboBox>("unitFrom")->currentText() + " " + cell("K"), "℃ 423.15");
    open("比热容");
    EXPECT_EQ(find<QComboBox>("unitFrom")->currentText() + " " + cell("J/(kg·K)"), "kJ/(kg·℃) 150000");
    open("温度", "K");
    open("压力");
    open("温度");
    EXPECT_EQ(find<QComboBox>("unitFrom")->currentText() + " " + text("unitValue"), "℃ 150");
}

TEST_F(UnitPageTest, TheEngineersAbbreviations) {
    open("体积流量");
    type("unitValue", "1");
    EXPECT_EQ(expressed("gal/min"), "4.4028675393|");
    open("质量");
    EXPECT_EQ(expressed("ton"), "0.00110231131092|ton 按美吨 907.18474 kg 计；公吨请写 t");
}

}  // namespace
}  // namespace vxr::test
