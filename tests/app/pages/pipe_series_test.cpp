// Real pipe through the window: the pipe-sizing page with a series (its results, sheet, case file and the choice
// remembered), the friction page's two pickers (they fill, record their sources and undo), and a user's own series.
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>

#include "app/kit/settings.h"
#include "app/tools/pipe_table_dialog.h"
#include "app/window_test_support.h"

namespace vxr::test {
namespace {

TEST_F(WindowTest, PipeSizingWithASeries) {
    showPage("pipeDiameterPage");
    auto* series = find<QComboBox>("pipeSeries");
    ASSERT_EQ(series->count(), 18);
    EXPECT_EQ(series->currentText(), "按公称直径");
    click("Command1");
    EXPECT_EQ(text("Text6") + text("pipeSize1") + text("pipeVelocity1"), "125");
    EXPECT_FALSE(page("pipeDiameterPage")->sheetText().contains("管子"));

    series->setCurrentText("ASME B36.10M Sch 40");
    EXPECT_TRUE(page("pipeDiameterPage")->sheetText().contains("注意：计算后已修改管子规格"));
    type("Text10", "17.38");
    type("Text9", "1.5");
    click("Command1");
    EXPECT_EQ(QStringList({text("Text6"), text("pipeSize1"), text("pipeVelocity1"), text("Text7"), text("pipeSize2"),
                           text("pipeVelocity2")}),
              QStringList({"125", "141.3×6.55", "1.076", "80", "88.9×5.49", "1.012"}));
    const QString sheet = page("pipeDiameterPage")->sheetText();
    for (const char* line :
         {"管子规格\tASME B36.10M Sch 40", "公称直径\t80\tmm", "管子\t88.9×5.49\tmm", "实际流速\t1.012\tm/s"})
        EXPECT_TRUE(sheet.contains(line)) << line << "\n" << sheet.toStdString();
    EXPECT_EQ(app::settings::pipeSeries()->name, "ASME B36.10M Sch 40");  // for the next new case
}

TEST_F(WindowTest, PipeAndMaterialPicksFillRecordAndUndo) {
    showPage("frictionPage");
    click("frictionPipePick");
    auto* pick = find<QDialog>("pipePickDialog");
    ASSERT_TRUE(pick->isVisible());
    pick->findChild<QComboBox*>("pipePickSeries")->setCurrentText("ASME B36.10M Sch 40");
    auto* sizes = pick->findChild<QListWidget*>("pipePickList");
    sizes->setCurrentRow(12);
    EXPECT_EQ(sizes->currentItem()->text(), "DN100（NPS 4）  114.3×6.02  内径 102.26 mm");
    click("pipePickFill");
    EXPECT_EQ(text("Text32") + " | " + text("Text30"), "102.26 | ASME B36.10M DN100 Sch 40 114.3×6.02");
    EXPECT_EQ(page("frictionPage")->filled("Text32")->source,
              "ASME B36.10M DN100 Sch 40 114.3×6.02 的内径（114.3 − 2 × 6.02）");
    click("pipePickUndo");
    EXPECT_EQ(text("Text32") + " | " + text("Text30"), "100 | 无缝钢管");
    EXPECT_FALSE(page("frictionPage")->filled("Text32"));

    click("frictionRoughnessPick");
    auto* materials = find<QDialog>("roughnessPickDialog")->findChild<QListWidget*>("roughnessPickList");
    EXPECT_EQ(materials->currentItem()->text(), "新的商品钢管（无缝或焊接）　ε = 0.045 mm");
    click("roughnessPickFill");
    EXPECT_EQ(text("Text31"), "0.045");
    EXPECT_EQ(page("frictionPage")->filled("Text31")->source,
              "新的商品钢管（无缝或焊接）（Moody (1944) 表：commercial steel, 0.00015 ft）");
    click("roughnessPickUndo");
    EXPECT_EQ(text("Text31"), "0.5");

    // On 调节阀计算 the same picker fills the pipe asked for, and only its diameter.
    showPage("controlValvePage");
    click("cvPipeOutPick");
    auto* valve = page("controlValvePage")->findChild<QDialog*>("pipePickDialog");
    ASSERT_TRUE(valve && valve->isVisible());
    EXPECT_EQ(valve->windowTitle(), "按规格选管子：阀后管内径");
    valve->findChild<QComboBox*>("pipePickSeries")->setCurrentText("ASME B36.19M Sch 10S");
    valve->findChild<QListWidget*>("pipePickList")->setCurrentRow(14);  // DN150
    QTest::mouseClick(valve->findChild<QPushButton*>("pipePickFill"), Qt::LeftButton);
    EXPECT_EQ(text("cvPipeOut") + " | " + text("cvPipeIn"), "161.50 | 150");
    EXPECT_EQ(page("controlValvePage")->filled("cvPipeOut")->source,
              "ASME B36.19M DN150 Sch 10S 168.3×3.40 的内径（168.3 − 2 × 3.40）");
}

// 管材表…: a user's series refused for a cell (named by the table's own row), kept, then offered on the
// pipe-sizing page; a file that cannot be read is set aside and told; a case carrying a series that differs from the
// local one of its name opens on it with its calculation as saved, sizes with the case's rows and says so.
TEST_F(WindowTest, UsersOwnSeries) {
    QFile::remove(app::userseries::path());
    app::PipeTableDialog table(&window());
    QTest::mouseClick(table.findChild<QPushButton*>("pipeTableNew"), Qt::LeftButton);
    auto* rows = table.findChild<QTableWidget*>("pipeTableRows");
    auto* name = table.findChild<QLineEdit*>("pipeTableName");
    const auto cell = [&](int r, int c, const char* t) { rows->setItem(r, c, new QTableWidgetItem(t)); };
    for (int c = 0; c < 3; ++c) cell(0, c, std::array{"50", "57", "3.5"}[c]);
    for (int c = 0; c < 3; ++c) cell(2, c, std::array{"65", "76x", "4"}[c]);  // row 2 left blank: skipped
    name->setText("本厂");
    bool kept = true;
    expectMessage(catchMessage([&] { kept = table.keep(); }), "VXR", "第 3 行的“外径”不是数字。");
    EXPECT_FALSE(kept);
    EXPECT_EQ(rows->currentRow() * 10 + rows->currentColumn(), 21);  // the cell at fault
    // Not kept yet: Esc and another series ask, and 继续编辑 keeps what was typed.
    for (const auto& leave : std::initializer_list<std::function<void()>>{
             [&] { table.reject(); }, [&] { table.findChild<QListWidget*>("pipeTableList")->setCurrentRow(3); }}) {
        pressWith("继续编辑");
        const auto asked = catchMessage(leave);
        ASSERT_TRUE(asked);
        EXPECT_EQ(asked->text, "已作的修改尚未确定，放弃这些修改吗？");
        EXPECT_EQ(name->text() + rows->item(2, 1)->text(), "本厂76x");
    }
    cell(2, 1, "76");
    ASSERT_TRUE(table.keep());
    EXPECT_FALSE(catchMessage([&] { table.reject(); }));  // all kept: closes without asking
    QCoreApplication::processEvents();
    auto* series = find<QComboBox>("pipeSeries");
    ASSERT_EQ(series->itemText(18), "本厂");
    series->setCurrentIndex(18);
    showPage("pipeDiameterPage");
    for (const char* flow : {"Text3", "Text10", "Text16"}) type(flow, "5");  // d 38.4 mm in section 1: DN50, bore 50
    click("Command1");
    EXPECT_EQ(text("Text6") + " " + text("pipeSize1") + " " + text("pipeVelocity1"), "50 57×3.5 0.707");
    QTemporaryDir dir;
    ASSERT_TRUE(window().saveTo(dir.filePath("own.vxr")));

    // Here 本厂 is now another series; the case keeps its own rows.
    {
        app::PipeTableDialog again(&window());
        again.findChild<QListWidget*>("pipeTableList")->setCurrentRow(17);
        again.findChild<QTableWidget*>("pipeTableRows")->item(0, 2)->setText("2.5");
        ASSERT_TRUE(again.keep());
    }
    app::MainWindow other;
    ASSERT_TRUE(other.openFile(dir.filePath("own.vxr")));
    const auto told = catchMessage([&] { QCoreApplication::processEvents(); });
    expectMessage(told, "VXR", "本工程的管子规格“本厂”与本机管材表中的同名规格不同，本工程按其保存的规格计算。");
    auto* opened = qobject_cast<app::CalcPage*>(other.page("pipeDiameterPage"));
    EXPECT_EQ(opened->findChild<QComboBox*>("pipeSeries")->currentText() + " " + opened->box("pipeSize1")->text(),
              "本厂 57×3.5");
    EXPECT_FALSE(opened->sheetText().contains("不符") || opened->sheetText().contains("计算后已修改"));
    QTest::mouseClick(opened->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(opened->box("pipeSize1")->text(), "57×3.5");

    writeFile(app::userseries::path(), "{ not json");
    QString said;
    EXPECT_TRUE(app::userseries::load(&said).empty());
    EXPECT_TRUE(said.startsWith("自定义管材表文件无法读取（不是 VXR 管材表文件），已改名保留为："))
        << said.toStdString();
    EXPECT_FALSE(QFile::exists(app::userseries::path()));
    EXPECT_EQ(QDir(QFileInfo(app::userseries::path()).path()).entryList({"pipe-series-无法读取-*.json"}).size(), 1);
}

}  // namespace
}  // namespace vxr::test
