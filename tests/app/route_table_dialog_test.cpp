// The route table on its own: what it lists, rows inserted and deleted, one 终点 at most, blocks pasted from a
// spreadsheet, and 确定 refusing the first faulty row with a message that names it, the focus on its cell.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableWidget>
#include <QTest>

#include "app/route_table_dialog.h"
#include "window_test_support.h"

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

TEST(RouteTableDialog, ListsTheRouteAndEditsItsRows) {
    RouteTableDialog d({3, {S{"10", "10", "0", "0"}, std::nullopt, S{"5", "0", "5", "0"}}});
    d.show();
    auto* table = d.findChild<QTableWidget*>("routeTable");
    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c) headers << table->horizontalHeaderItem(c)->text();
    EXPECT_EQ(headers.join(' '), "从节点 到节点 长度（m） LX LY LZ 终点");
    EXPECT_EQ(QStringList({row(*table, 0), row(*table, 1), row(*table, 2)}).join(" | "),
              "0 1 10 10 0 0 | 1 2     | 2 3 5 0 5 0 终点");
    EXPECT_FALSE(table->item(0, RouteTableDialog::From)->flags() & Qt::ItemIsEditable);
    table->setCurrentCell(1, RouteTableDialog::LY);
    QTest::mouseClick(d.findChild<QWidget*>("routeInsertRow"), Qt::LeftButton);  // above row 2: rows 3 and 4 renumber
    EXPECT_EQ(row(*table, 1) + " | " + row(*table, 3), "1 2     | 3 4 5 0 5 0 终点");
    table->clearSelection();
    table->setRangeSelected(QTableWidgetSelectionRange(0, 2, 0, 2), true);  // rows 1 and 3 selected
    table->setRangeSelected(QTableWidgetSelectionRange(2, 3, 2, 3), true);
    QTest::mouseClick(d.findChild<QWidget*>("routeDeleteRow"), Qt::LeftButton);
    EXPECT_EQ(table->rowCount(), 2);
    table->item(0, RouteTableDialog::End)->setCheckState(Qt::Checked);  // the mark moves from the last row
    for (int c = RouteTableDialog::Length; c <= RouteTableDialog::LZ; ++c)
        table->item(0, c)->setText((c - RouteTableDialog::Length) % 3 ? "0" : "7");
    QTest::mouseClick(d.findChild<QWidget*>("routeCancel"), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(describe(d.route()), "E3: 10/10/0/0 - 5/0/5/0");  // 取消 hands back the route as it came
    d.show();
    QTest::mouseClick(d.findChild<QWidget*>("routeOk"), Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(describe(d.route()), "E1: 7/0/0/7 5/0/5/0");
}

// Each row: a route, the cell where Ctrl+V pastes the clipboard, and either the route 确定 hands back or its message
// with the cell that gets the focus.
TEST(RouteTableDialog, PastesABlockAndConfirmRefusesTheFirstFaultyRow) {
    const QString line = "10\t10\t0\t0\n";
    std::string hundred = "no end:";
    for (int n = 0; n < 100; ++n) hundred += " 10/10/0/0";
    const struct {
        const char* name;
        calc::Route opened;
        int row, column;
        QString pasted;
        std::string route;  // or the message
        int focus_row = 0, focus_column = 0;
    } cases[] = {{"100 rows", {}, 0, 2, line.repeated(100), hundred},
                 {"101 rows", {}, 0, 2, line.repeated(101), "第 101 行：超出最大节点数100，请删除多余的行。", 100, 2},
                 {"a header", {}, 0, 2, "长度（m）\tLX\tLY\tLZ\n" + line, "no end: 10/10/0/0"},
                 {"a partly filled row",
                  {},
                  0,
                  2,
                  line + "5\t\t5\t0\n",
                  "第 2 行：长度、LX、LY、LZ 须全部填写，或全部留空。",
                  1,
                  3},
                 {"from LX on, cells beyond LZ left out, Windows line ends",
                  {1, {S{"10", "1", "1", "1"}}},
                  0,
                  3,
                  "10\t0\t0\t99\r\n",
                  "E1: 10/10/0/0"},
                 {"a wholly empty row", {}, 0, 2, line + "\t\t\t\n" + line, "no end: 10/10/0/0 - 10/10/0/0"},
                 {"the 10 × 10 diagonal typed 14.14", {}, 0, 2, "14.14\t10\t10\t0", "no end: 14.14/10/10/0"},
                 {"L 5 with LX 10",
                  {},
                  0,
                  2,
                  line + "5\t10\t0\t0",
                  "第 2 行：两节点管道长度小于三个投影的合成长度（10.000 m），请核对。",
                  1,
                  2},
                 {"终点 on a row pasted empty",
                  {1, {S{"10", "10", "0", "0"}}},
                  0,
                  2,
                  "\t\t\t",
                  "第 1 行：终点所在的行不能为空。",
                  0,
                  6}};
    for (const auto& c : cases) {
        RouteTableDialog d(c.opened);
        d.show();
        auto* table = d.findChild<QTableWidget*>("routeTable");
        QApplication::clipboard()->setText(c.pasted);
        table->setCurrentCell(c.row, c.column);
        QTest::keyClick(table, Qt::Key_V, Qt::ControlModifier);
        const auto message = catchMessage([&] { QTest::mouseClick(d.findChild<QWidget*>("routeOk"), Qt::LeftButton); });
        if (!message) {
            EXPECT_EQ(describe(d.route()), c.route) << c.name;
            continue;
        }
        expectMessage(message, "VXR", QString::fromStdString(c.route));
        EXPECT_TRUE(d.isVisible() && d.focusWidget() == table) << c.name;
        EXPECT_EQ(std::pair(table->currentRow(), table->currentColumn()), std::pair(c.focus_row, c.focus_column))
            << c.name;
    }
}

}  // namespace
}  // namespace vxr::test
