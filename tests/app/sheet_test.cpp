// The calculation sheet through the real window, on the forced-convection page: its text before and after a
// calculation and with an edited field, the context menu and the shortcuts, and the PDF read back as text.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cerrno>

#include "app/calc_page.h"
#include "app/tab_control.h"
#include "window_test_support.h"

namespace vxr::test {
namespace {

class SheetTest : public WindowTest {
protected:
    SheetTest() { showPage("convectionPage"); }

    void press(Qt::Key key) {
        window().activateWindow();  // the offscreen platform leaves no window active after a dialog
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        find<QLineEdit>("Text63")->setFocus();
        QTest::keyClick(find<QLineEdit>("Text63"), key, Qt::ControlModifier | Qt::ShiftModifier);
    }
    QStringList copied() {  // Ctrl+Shift+C: the sheet as the clipboard receives it
        QApplication::clipboard()->clear();
        press(Qt::Key_C);
        return QApplication::clipboard()->text().split(QLatin1Char('\n'));
    }
    // Ctrl+Shift+E, the save dialog answered with `path`: the message box shown, if any.
    std::optional<Message> exportTo(const QString& path) {
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                // Typed as a user types it: selectFile() makes a path under a missing folder relative to home.
                dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        answer.start(5);
        return catchMessage([&] { press(Qt::Key_E); });
    }
};

TEST_F(SheetTest, TellsTheInputsAsUsedTheResultAndItsNotes) {
    QStringList sheet = copied();
    EXPECT_EQ(sheet.mid(0, 2), QStringList({"VXR V1.00\t计算书", "页面\t传热膜系数计算"}));
    EXPECT_EQ(sheet.filter("尚无计算结果").size(), 1);

    click("Command14");
    sheet = copied();
    EXPECT_EQ(text("Text63") + " " + sheet.first(), "1.5 VXR V1.00\t计算书");  // the shortcut typed nothing
    // One row a quantity: caption, text, unit; a caption's exponent as ², a unit in either kind of bracket.
    for (const char* row :
         {"流体密度\t1000\tKg/M³", "流体比热\t4180\tJ/(Kg.℃)", "流体粘度\t0.001\tPa.s", "流体导热系数\t0.618\tW/(m.℃)",
          "流体流速\t1.5\tm/s", "管道内径\t0.1\tm", "管道长度\t2\tm", "圆环外管直径\t0.1\tm", "管道形状\t直管道",
          "流体加热状态\t流体被加热", "传热膜系数\t4223.422\tW/(m².℃)"})
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(row))) << row;
    EXPECT_TRUE(sheet.join('\n').contains("计算说明\n" + find("Text56")->toolTip() + "\n"));

    // Edited since: one line on top names the fields; the rows keep the texts the calculation used.
    type("Text63", QStringLiteral("3"));
    click("Option2");
    sheet = copied();
    EXPECT_EQ(sheet.mid(0, 2),
              QStringList({"注意：计算后已修改流体流速、流体加热状态，下列为计算时所用的值。", "VXR V1.00\t计算书"}));
    EXPECT_TRUE(sheet.contains("流体流速\t1.5\tm/s") && sheet.contains("流体加热状态\t流体被加热"));
}

// With 液体 chosen, the relief valve's sheet names the medium and leaves out the inputs only a gas reads.
TEST_F(SheetTest, ReliefSheetForALiquid) {
    showPage("reliefPage");
    click("reliefLiquid");
    click("reliefCalculate");
    const QStringList sheet = qobject_cast<app::CalcPage*>(window().page("reliefPage"))->sheetText().split('\n');
    for (const char* row : {"介质\t液体", "液体密度\t1000\tkg/m³", "泄放量\t10000\tkg/h", "流动状态\t液体\t",
                            "最小泄放面积\t90.954\tmm²"})
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(row))) << row;
    for (const char* gas_only : {"摩尔质量", "泄放温度", "压缩因子", "绝热指数", "气体或蒸汽"})
        EXPECT_TRUE(sheet.filter(QString::fromUtf8(gas_only)).isEmpty()) << gas_only;
}

TEST_F(SheetTest, RightClickOffersTheSheetExceptInATextBox) {
    auto* menu = window().page("convectionPage")->findChild<QMenu*>("sheetMenu");
    for (const auto& [where, offered] : {std::pair{"Label68", true}, {"Frame3", true}, {"Text63", false}}) {
        QWidget* w = find(where);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &event);
        EXPECT_EQ(menu->isVisible(), offered) << where;
        for (QMenu* open : window().findChildren<QMenu*>()) open->close();
    }
    QStringList entries;
    for (const QAction* a : menu->actions()) entries << a->text() + " " + a->shortcut().toString();
    EXPECT_EQ(entries, QStringList({"复制计算书 Ctrl+Shift+C", "导出计算书（PDF）… Ctrl+Shift+E"}));
}

// A path that cannot be written gives the reason and leaves no file (root writes anywhere else, and the dialog would
// read the files of /proc); the PDF written holds every cell of the sheet as pdftotext gives it back.
TEST_F(SheetTest, ExportsAPdfHoldingTheSheetsTextOrTellsWhyNot) {
    click("Command14");
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath("plain")).open(QIODevice::WriteOnly));
    for (const auto& [name, reason] : {std::pair{"missing/sheet.pdf", ENOENT}, {"plain/sheet.pdf", ENOTDIR}}) {
        const QString path = dir.filePath(name);
        expectMessage(exportTo(path), "VXR",
                      QString("计算书未能保存：无法创建文件 %1（%2）").arg(path, qt_error_string(reason)));
        EXPECT_FALSE(QFileInfo::exists(path)) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList({"plain"}));

    EXPECT_FALSE(exportTo(dir.filePath("sheet")).has_value());  // the dialog adds ".pdf"
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QProcess extract;
    extract.start(pdftotext, {dir.filePath("sheet.pdf"), "-"});
    ASSERT_TRUE(extract.waitForFinished(30000));
    // Compared after NFKC (℃ → °C, ² → 2), blanks and line breaks aside.
    const auto squeezed = [](QString s) {
        return s.normalized(QString::NormalizationForm_KC).remove(QRegularExpression("\\s"));
    };
    const QString pdf = squeezed(QString::fromUtf8(extract.readAllStandardOutput()));
    for (const QString& line : copied())
        for (const QString& cell : line.split(QLatin1Char('\t')))
            EXPECT_TRUE(pdf.contains(squeezed(cell))) << cell.toStdString();
    EXPECT_TRUE(pdf.contains("传热膜系数4223.422W/(m2.°C)")) << pdf.toStdString();
}

}  // namespace
}  // namespace vxr::test
