// The route table on its own: what it lists, rows inserted and deleted, one 终点 at most, blocks pasted from a
// spreadsheet, and 确定 refusing the first faulty row with a message that names it, the focus on its cell.
#include <QHeaderView>

#include "app/pages/route_table_dialog.h"
#include "app/window_test_support.h"

namespace vxr::test {
namespace {

using app::RouteTableDialog;
using S = calc::SegmentTexts;  // length, LX, LY, LZ

// "E2: 10/10/0/0, -, …": the end node and each record, "-" for one never saved.
std::string describe(const calc::Route& route) {
    std::string s = route.end ? "E" + std::to_string(*route.end) + ":" : "no end:";
    for (const auto& r : route.segments) s += r ? " " + r->length + "/" + r->lx + "/" + r->ly + "/" + r->lz : " -";
    return s;
}
QString row(const QTableWidget& table, int r) {
    QStringList cells;
    for (int c = 0; c < RouteTableDialog::End; ++c) cells << table.item(r, c)->text();
    return cells.join(' ') + (table.item(r, RouteTableDialog::End)->checkState() == Qt::Checked ? " 终点" : "");
}

// Listed with read-only node numbers; a row inserted above row 3 and rows 1 and 3 deleted renumber the rest; 终点
// ticked on row 1 leaves row 2's.
TEST(RouteTableDialog, ListsTheRouteAndEditsItsRows) {
    RouteTableDialog d({3, {S{"10", "10", "0", "0"}, std::nullopt, S{"5", "0", "5", "0"}}});
    d.show();
    auto* table = d.findChild<QTableWidget*>("routeTable");
    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c) headers << table->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headers.join(' '), "从节点 到节点 长度（m） LX LY LZ 终点");
    EXPECT_EQ(row(*table, 0) + " | " + row(*table, 1) + " | " + row(*table, 2),
              "0 1 10 10 0 0 | 1 2     | 2 3 5 0 5 0 终点");
    EXPECT_FALSE(table->item(0, RouteTableDialog::From)->flags() & Qt::ItemIsEditable);
    table->setCurrentCell(2, RouteTableDialog::LY);
    QTest::mouseClick(d.findChild<QWidget*>("routeInsertRow"), Qt::LeftButton);
    EXPECT_EQ(row(*table, 2) + " | " + row(*table, 3), "2 3     | 3 4 5 0 5 0 终点");
    table->clearSelection();
    for (int r : {0, 2}) table->setRangeSelected(QTableWidgetSelectionRange(r, 2, r, 2), true);
    QTest::mouseClick(d.findChild<QWidget*>("routeDeleteRow"), Qt::LeftButton);
    for (int c = RouteTableDialog::Length; c <= RouteTableDialog::LZ; ++c) table->item(0, c)->setText("7");
    table->item(0, RouteTableDialog::End)->setCheckState(Qt::Checked);
    EXPECT_EQ(row(*table, 0) + " | " + row(*table, 1), "0 1 7 7 7 7 终点 | 1 2 5 0 5 0");
}

// Each row: the route opened, the column of row 1 where Ctrl+V pastes the clipboard (nothing beyond LZ, none in the
// 终点 column), and the route 确定 hands back, or its message (under the application's title, one OK button) and the
// row and column that get the focus.
TEST(RouteTableDialog, PastesABlockAndConfirmRefusesTheFirstFaultyRow) {
    const QString line = "10\t10\t0\t0\n";
    std::string hundred = "no end:";
    for (int n = 0; n < 100; ++n) hundred += " 10/10/0/0";
    const calc::Route x10{1, {S{"10", "1", "1", "1"}}};
    const std::string row2 = "VXR / 第 2 行：";
    const std::tuple<const char*, calc::Route, int, QString, std::string> cases[] = {
        {"100 rows", {}, 2, line.repeated(100), hundred},
        {"101 rows", {}, 2, line.repeated(101), "VXR / 第 101 行：超出最大节点数100，请删除多余的行。 @ 100,2"},
        {"a header", {}, 2, "长度（m）\tLX\tLY\tLZ\n" + line, "no end: 10/10/0/0"},
        {"a partly filled row", {}, 2, line + "5\t\t5\t0", row2 + "长度、LX、LY、LZ 须全部填写，或全部留空。 @ 1,3"},
        {"from LX on, cells beyond LZ left out", x10, 3, "10\t0\t0\t99\r\n", "E1: 10/10/0/0"},
        {"Windows line ends", {}, 2, "10\t10\t0\t0\r\n", "no end: 10/10/0/0"},
        {"a wholly empty row", {}, 2, line + "\t\t\t\n" + line, "no end: 10/10/0/0 - 10/10/0/0"},
        {"the 10 × 10 diagonal typed 14.14", {}, 2, "14.14\t10\t10\t0", "no end: 14.14/10/10/0"},
        {"L 5 with LX 10",
         {},
         2,
         line + "5\t10\t0\t0",
         row2 + "两节点管道长度小于三个投影的合成长度（10.000 m），请核对。 @ 1,2"},
        {"终点 on a row pasted empty", x10, 2, "\t\t\t", "VXR / 第 1 行：终点所在的行不能为空。 @ 0,6"}};
    for (const auto& [name, opened, column, pasted, shown] : cases) {
        RouteTableDialog d(opened);
        d.show();
        auto* table = d.findChild<QTableWidget*>("routeTable");
        QApplication::clipboard()->setText(pasted);
        table->setCurrentCell(0, column);
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(table->rowCount() ? table->item(0, RouteTableDialog::End)->text() : "", "") << name;
        const auto message = catchMessage([&] { QTest::mouseClick(d.findChild<QWidget*>("routeOk"), Qt::LeftButton); });
        const QString focus = QString(" @ %1,%2").arg(table->currentRow()).arg(table->currentColumn());
        EXPECT_EQ(message ? (message->describe() + focus).toStdString() : describe(d.route()), shown) << name;
        EXPECT_EQ(d.isVisible() && d.focusWidget() == table, message.has_value()) << name;
    }
}

}  // namespace
}  // namespace vxr::test
