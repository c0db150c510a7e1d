// The unit page through the real window: what a typed value shows in the table, the expression and the status line
// (refusals and notes never in a message box), and the unit each quantity opens on.

#include "app/window_test_support.h"

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
    // The cell of `unit`, the expression's value and the status line, once `expression` and `value` are typed.
    QString shown(const QString& unit, const QString& value, const QString& expression) {
        type("unitExpression", expression);
        type("unitValue", value);
        return cell(unit) + "|" + text("unitExpressionValue") + "|" + text("unitStatus");
    }
};

// Temperature differences typed are slopes; how ton is read is said; cells copy as a spreadsheet pastes them. The local
// atmosphere is open for a pressure only and read as typed. An error (a negative absolute pressure, a value or an
// expression not understood) shows in red in the status line, never in a message box, the value's before the
// expression's. A quantity opens on its engineer's unit whenever it is chosen; the value typed stays.
TEST_F(UnitPageTest, TypedValuesShowInTheTableTheExpressionAndTheStatusLine) {
    open("温度");
    EXPECT_FALSE(find("unitAtmosphere")->isEnabled());
    EXPECT_EQ(shown("℉", "20", "degF"), "68|68|");
    auto* cells = find<QTableWidget>("unitTable");  // Ctrl+C: tabs between cells, a line a row, as a spreadsheet pastes
    cells->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);
    window().activateWindow();
    cells->setFocus();
    QTest::keyClick(cells, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), cells->item(0, 0)->text() + "\t" + cells->item(0, 1)->text() + "\n" +
                                                     cells->item(1, 0)->text() + "\t" + cells->item(1, 1)->text());
    open("温差", "K");
    EXPECT_EQ(shown("℉", "10", "degF") + " " + shown("K", "10", "degF/min"), "18|18| 10||“degF/min”不是温差的单位。");
    open("质量");
    EXPECT_EQ(shown("t", "1", "ton"), "0.001|0.00110231131092|ton 按美吨 907.18474 kg 计；公吨请写 t");
    open("压力", "kPa（表压）");
    EXPECT_TRUE(find("unitAtmosphere")->isEnabled());
    EXPECT_FALSE(catchMessage([&] { type("unitValue", "-150"); })) << "a message box while typing";
    EXPECT_EQ(shown("Pa", "-150", "Pa"), "||绝对压力不能为负。");
    type("unitAtmosphere", "90");
    EXPECT_EQ(shown("kPa", "2.5", "kg"), "92.5||“kg”不是压力的单位。");
    EXPECT_FALSE(catchMessage([&] { type("unitValue", "2,5"); })) << "a message box while typing";
    EXPECT_EQ(cell("kPa") + text("unitStatus"), "数值不是有效的数字。");
    EXPECT_EQ(find<QLabel>("unitStatus")->palette().color(QPalette::WindowText), QColor(Qt::red));
    type("unitValue", "3");
    EXPECT_EQ(cell("kPa") + text("unitStatus"), "93“kg”不是压力的单位。");
    open("温度", "K");
    open("压力");
    open("温度");
    EXPECT_EQ(find<QComboBox>("unitFrom")->currentText() + " " + text("unitValue") + " " + cell("K"), "℃ 3 276.15");
}

}  // namespace
}  // namespace vxr::test
