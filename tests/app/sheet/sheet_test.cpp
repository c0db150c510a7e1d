// The calculation sheet through the real window: the text under its title block, the window's sheet actions, the
// project information, the PDF of one page and of the whole case read back with pdftotext, printing, and the
// layout's rules for long tables and notes.
#include <QBuffer>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QJsonDocument>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cerrno>
#include <map>

#include "app/case/workspace.h"
#include "app/kit/version.h"
#include "app/pages/pipe_diameter_page.h"
#include "app/window/sheet_actions.h"
#include "app/window_test_support.h"

namespace vxr::test {
namespace {

QString squeezed(QString s) {  // compared after NFKC (℃ → °C, ² → 2), blanks and line breaks aside
    return s.normalized(QString::NormalizationForm_KC).remove(QRegularExpression("\\s"));
}

// The PDF's pages as pdftotext lays them out, each line squeezed.
std::vector<QStringList> pdfPages(const QString& path) {
    QProcess extract;
    extract.start(QStandardPaths::findExecutable("pdftotext"), {"-layout", path, "-"});
    EXPECT_TRUE(extract.waitForFinished(30000)) << "pdftotext (poppler-utils) is installed by scripts/deps.sh";
    std::vector<QStringList> pages;
    for (const QString& page : QString::fromUtf8(extract.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts)) {
        QStringList lines;
        for (const QString& line : page.split('\n'))
            if (!squeezed(line).isEmpty()) lines << squeezed(line);
        if (!lines.isEmpty()) pages.push_back(lines);
    }
    return pages;
}

// What a save dialog proposed, and the message the export showed.
struct Exported {
    QString name, folder, look_in;
    std::optional<Message> message;
};

class SheetTest : public WindowTest {
protected:
    SheetTest() { showPage("convectionPage"); }

    void press(Qt::Key key, Qt::KeyboardModifiers with = Qt::ControlModifier | Qt::ShiftModifier) {
        window().activateWindow();  // the offscreen platform leaves no window active after a dialog
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        QWidget* field = window().focusWidget() ? window().focusWidget() : &window();
        QTest::keyClick(field, key, with);
    }
    // Ctrl+Shift+C from a field: the sheet as the clipboard receives it, once.
    QStringList copied() {
        QApplication::clipboard()->clear();
        int copies = 0;
        const auto counting = QObject::connect(QApplication::clipboard(), &QClipboard::dataChanged, [&] { ++copies; });
        find<QLineEdit>("Text63")->setFocus();
        press(Qt::Key_C);
        QObject::disconnect(counting);
        EXPECT_EQ(copies, 1);
        return QApplication::clipboard()->text().split(QLatin1Char('\n'));
    }
    // Triggers `action` with its save dialog answered with `path`, typed as a user types it (selectFile() makes a
    // path under a missing folder relative to home).
    Exported exportTo(const char* action, const QString& path) {
        Exported seen;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                seen.name = name->text();
                seen.folder = dialog->directory().absolutePath();
                seen.look_in = dialog->findChild<QLabel*>(QStringLiteral("lookInLabel"))->text();
                name->setText(path);
                dialog->setOption(QFileDialog::DontConfirmOverwrite);  // as if the user said to replace it
                QMetaObject::invokeMethod(dialog, "accept");
            }
        });
        answer.start(5);
        seen.message = catchMessage([&] { find<QAction>(action)->trigger(); });
        return seen;
    }

    QTemporaryDir dir_;
};

// 管径计算's sheet: each section under its own heading, d rounded up to 0.01 mm (a size a pipe is checked against),
// while the page keeps every digit.
TEST_F(SheetTest, PipeSectionsEachUnderItsHeadingWithDRoundedUp) {
    showPage("pipeDiameterPage");
    type("Text10", "17.38");
    type("Text9", "1.5");
    click("Command1");
    EXPECT_EQ(text("Text5"), "121.353478181166");
    const QString sheet = page("pipeDiameterPage")->sheetText();
    for (const auto& [section, flow, velocity, d, dn] : {std::tuple{"管段 1", "50", "1.2", "121.36", "125"},
                                                         {"管段 2", "17.38", "1.5", "64.00", "65"},
                                                         {"管段 3", "25", "2", "66.47", "80"}})
        EXPECT_TRUE(
            sheet.contains(QString("%1\n项目\t数值\t单位\n管段号\tRW0101-100 L1B \t\n介质\t水\t\n流量\t%2\tm³/h\n"
                                   "流速\t%3\tm/s\n计算管内径\t%4\tmm\n公称直径\t%5\tmm\n")
                               .arg(section, flow, velocity, d, dn)))
            << section << "\n" + sheet.toStdString();
    EXPECT_FALSE(sheet.contains("输入参数") || sheet.contains("计算结果"));
    const char* const rounded_up[][2] = {
        {"121.35", "121.35"}, {"121.350000000001", "121.36"}, {"0.001", "0.01"}, {"500", "500.00"}, {"abc", "abc"}};
    for (const auto& [text, rounded] : rounded_up) EXPECT_EQ(app::roundedUpToHundredths(text), rounded) << text;
}

// The distillation sheet carries the McCabe–Thiele diagram after the notes, drawn from the inputs as used, also for
// an opened case: on paper as vector graphics (no image in the PDF) whose text extracts; the copied text points to it.
TEST_F(SheetTest, TheDistillationSheetCarriesItsDiagram) {
    showPage("distillationPage");
    click("distCalculate");
    ASSERT_TRUE(window().saveTo(dir_.filePath("column.vxr")));
    app::MainWindow opened;
    ASSERT_TRUE(opened.openFile(dir_.filePath("column.vxr")));
    const auto* page = qobject_cast<app::CalcPage*>(opened.page("distillationPage"));
    EXPECT_TRUE(page->sheetText().endsWith("（McCabe–Thiele 图见打印或 PDF）\n"));
    const QString pdf = dir_.filePath("精馏.pdf");
    QString error;
    ASSERT_TRUE(app::sheet::writePdf(page->sheetLines(), "column.vxr", "精馏", pdf, &error)) << error.toStdString();
    const QString all = [&] {
        QString text;
        for (const QStringList& p : pdfPages(pdf)) text += p.join("");
        return text;
    }();
    for (const char* drawn : {"McCabe–Thiele图解", "平衡线", "精馏段操作线", "提馏段操作线", "加料板（第6级）",
                              "x（液相中易挥发组分的摩尔分数）"})
        EXPECT_TRUE(all.contains(squeezed(drawn))) << drawn;
    EXPECT_FALSE(all.contains("图见打印或PDF"));
    QProcess images;
    images.start(QStandardPaths::findExecutable("pdfimages"), {"-list", pdf});
    ASSERT_TRUE(images.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).size(), 2)
        << "only pdfimages' two header lines: no bitmap";
}

// A page calculated on an earlier day prints that day on its single-page sheet where no 日期 is typed.
TEST_F(SheetTest, ASinglePageSheetIsDatedTheDayItsPageWasCalculated) {
    QByteArray bytes = bytesOf(VXR_TESTS_DIR "/app/case/every_page_v1.vxr");
    bytes = QString::fromUtf8(bytes)
                .replace(QRegularExpression(R"("at": "[^"]+")"), R"("at": "2025-03-04T12:00:00+08:00")")
                .remove(R"("projectDate": "2024-05-06",)")
                .toUtf8();
    const QTemporaryDir dir;
    writeFile(dir.filePath("old.vxr"), bytes);
    ASSERT_TRUE(window().openFile(dir.filePath("old.vxr")));
    showPage("convectionPage");
    EXPECT_TRUE(copied().contains("日期\t2025-03-04"));
}

// Before a calculation a message and nothing else; then the title block, the inputs as used, the result and its
// notes, one line an item; an input edited since is named below the title block.
TEST_F(SheetTest, TellsTheInputsAsUsedTheResultAndItsNotes) {
    QApplication::clipboard()->setText("kept");
    expectMessage(catchMessage([&] { press(Qt::Key_C); }), "VXR", "本页尚未计算。");  // its button Qt's 确定
    EXPECT_EQ(QApplication::clipboard()->text(), "kept");

    click("Command14");
    QStringList sheet = copied();
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    EXPECT_EQ(sheet.mid(0, 10), QStringList({app::programName() + "\t计算书", "工程名称\t", "工程编号\t", "文件编号\t",
                                             "设计阶段\t", "设备位号/管线号\t", "计算项目\t传热膜系数计算", "版次\t",
                                             "日期\t" + today, "设计\t\t校核\t\t审核\t"}));
    EXPECT_TRUE(sheet[10].startsWith("计算时间\t" + today + " "));
    EXPECT_EQ(text("Text63"), "1.5");  // the shortcut typed nothing
    // One row a quantity: caption, text, unit in its usual symbol; an option by its caption.
    for (const char* row :
         {"流体密度\t1000\tkg/m³", "流体比热\t4180\tJ/(kg·℃)", "管道形状\t直管道", "传热膜系数\t4223.422\tW/(m²·℃)"})
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(row))) << row;
    EXPECT_TRUE(sheet.join('\n').contains("计算说明\n" + find("Text56")->toolTip() + "\n"));

    type("Text63", QStringLiteral("3"));
    click("Option2");
    sheet = copied();
    EXPECT_EQ(sheet[10], "注意：计算后已修改流体流速、流体加热状态，下列为计算时所用的值。");
    EXPECT_TRUE(sheet.contains("流体流速\t1.5\tm/s") && sheet.contains("流体加热状态\t流体被加热"));
}

// The 文件 menu's sheet entries are the window's actions; a page's context menu offers the same three (not in a
// text box); on the unit page, which has no sheet, those three are off.
TEST_F(SheetTest, TheSheetActionsAreTheWindowsOwn) {
    QStringList menu;
    for (const QAction* a : find<QMenu>("FILE")->actions())
        menu << (a->isSeparator()                               ? "—"
                 : a == find<QMenu>("fileRecent")->menuAction() ? "fileRecent"
                                                                : a->objectName() + " " + a->shortcut().toString());
    EXPECT_EQ(menu, QStringList({"fileNew Ctrl+N", "fileOpen Ctrl+O", "fileRecent", "fileSave Ctrl+S",
                                 "fileSaveAs Ctrl+Shift+S", "—", "projectInfo ", "copySheet Ctrl+Shift+C",
                                 "printSheet Ctrl+P", "exportSheet Ctrl+Shift+E", "exportAllSheets ", "—", "SETUP ",
                                 "EXIT Ctrl+Q"}));
    auto* context = window().page("convectionPage")->findChild<QMenu*>("sheetMenu");
    for (const auto& [where, offered] : {std::pair{"Label68", true}, {"Frame3", true}, {"Text63", false}}) {
        QWidget* w = find(where);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w, &event);
        EXPECT_EQ(context->isVisible(), offered) << where;
        for (QMenu* open : window().findChildren<QMenu*>()) open->close();
    }
    EXPECT_EQ(context->actions(),
              QList<QAction*>({find<QAction>("copySheet"), find<QAction>("printSheet"), find<QAction>("exportSheet")}));
    for (const auto& [shown, on] : {std::pair{"unitPage", false}, {"stressPage", true}}) {
        showPage(shown);
        for (const char* action : {"copySheet", "printSheet", "exportSheet"})
            EXPECT_EQ(find<QAction>(action)->isEnabled(), on) << shown << " " << action;
        EXPECT_TRUE(find<QAction>("projectInfo")->isEnabled() && find<QAction>("exportAllSheets")->isEnabled());
    }
}

// 工程信息…: eleven boxes, each beside its caption; 确定 keeps what was typed in the case (marked changed), 取消
// nothing. (The title block each sheet makes of it is checked in the PDF.)
TEST_F(SheetTest, ProjectInformationIsEditedInOneDialog) {
    QStringList boxes;
    const auto answer = [&boxes](bool accept) {
        QTimer::singleShot(50, [accept, &boxes] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog && dialog->objectName() == "projectInfoDialog");
            boxes.clear();
            for (QLineEdit* box : dialog->findChildren<QLineEdit*>()) {
                const QWidget* label = dialog->findChild<QFormLayout*>()->labelForField(box);
                boxes << (label ? label->property("text").toString() : "") + box->objectName();
                box->setText(box->objectName() + "!");
            }
            for (QPushButton* b : dialog->findChildren<QPushButton*>())
                if (b->text() == (accept ? "确定" : "取消")) b->click();
        });
    };
    answer(false);
    find<QAction>("projectInfo")->trigger();
    EXPECT_TRUE(window().workspace()->project().isEmpty() && !window().workspace()->modified());
    answer(true);
    find<QAction>("projectInfo")->trigger();
    EXPECT_TRUE(window().workspace()->modified());
    EXPECT_EQ(
        boxes.join(' '),
        QString("设计单位：projectCompany 工程名称：projectName 工程编号：projectNumber 文件编号：projectDocument "
                "设计阶段：projectStage 设备位号/管线号：projectTag 设计：projectDesigner 校核：projectChecker "
                "审核：projectApprover 版次：projectRevision 日期：projectDate"));
    const QJsonObject project = window().workspace()->project();  // where the sheets take it from
    EXPECT_EQ(project.size(), 11);
    for (const QString& key : project.keys()) EXPECT_EQ(project.value(key).toString(), key + "!");
}

// A path that cannot be written, or a disk that fills up, gives the reason and leaves no file or the older one (root
// writes anywhere else, and the dialog would read the files of /proc); the dialog, in Chinese, proposes
// 安全阀计算书.pdf in the folder last used; the PDF holds every cell of the sheet, the title block, the symbols of
// 安全阀计算 with their captions and no unit, and on every page its number and the case file's name.
TEST_F(SheetTest, ExportsAPdfHoldingTheSheetsTextOrTellsWhyNot) {
    window().workspace()->setProject(QJsonDocument::fromJson(R"({"projectName": "乙烯装置", "projectNumber": "E-2024",
        "projectStage": "详细设计", "projectTag": "PSV-101", "projectDesigner": "张三", "projectChecker": "李四",
        "projectApprover": "王五", "projectRevision": "B", "projectDate": "2024-05-06", "projectCompany": "某设计院",
        "projectDocument": "CAL-001"})")
                                         .object());
    showPage("reliefPage");
    type("reliefFlow", "10000.000000000001");  // a note longer than a line
    click("reliefCalculate");
    ASSERT_TRUE(QFile(dir_.filePath("plain")).open(QIODevice::WriteOnly));
    for (const auto& [name, reason] : {std::pair{"missing/sheet.pdf", ENOENT}, {"plain/sheet.pdf", ENOTDIR}}) {
        const QString path = dir_.filePath(name);
        const Exported refused = exportTo("exportSheet", path);
        expectMessage(refused.message, "VXR",
                      QString("计算书未能保存：无法创建文件 %1（%2）").arg(path, qt_error_string(reason)));
        EXPECT_EQ(refused.name + " " + refused.look_in, "安全阀计算书.pdf 查找范围：");
        EXPECT_FALSE(QFileInfo::exists(path)) << name;
    }
    const QString pdf = dir_.filePath("安全阀计算书.pdf");
    EXPECT_FALSE(exportTo("exportSheet", dir_.filePath("安全阀计算书")).message);  // the dialog adds ".pdf"
    EXPECT_EQ(exportTo("exportSheet", pdf).folder, dir_.path());
    const QByteArray kept = bytesOf(pdf);
    Exported full;
    onAFullDisk(4096, [&] { full = exportTo("exportSheet", pdf); });
    ASSERT_TRUE(full.message);
    EXPECT_TRUE(full.message->text.startsWith("计算书未能保存：写入文件 " + pdf + " 失败（"))
        << full.message->text.toStdString();
    EXPECT_EQ(bytesOf(pdf), kept);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList({"plain", "安全阀计算书.pdf"}));

    const std::vector<QStringList> pages = pdfPages(pdf);
    // Each note whole again once a line that begins with an operator is put back behind the line before it.
    QStringList joined;
    qsizetype broken = 0;
    for (const QStringList& lines : pages)
        for (const QString& line : lines) {
            if (!QString("=+−").contains(line[0]))
                joined << line;
            else
                joined.back() += line, ++broken;
        }
    const QString all = joined.join("");
    EXPECT_GT(broken, 0);
    for (const app::sheet::Line& line : window().sheets()->pageSheet(*page("reliefPage"))) {
        for (const QString& cell : line.cells) EXPECT_TRUE(all.contains(squeezed(cell))) << cell.toStdString();
        EXPECT_TRUE(line.kind != app::sheet::Kind::Note || joined.contains(squeezed(line.cells[0])));
    }
    for (const char* item :
         {"某设计院计算书", "工程名称乙烯装置", "工程编号E-2024文件编号CAL-001",
          "设计阶段详细设计设备位号/管线号PSV-101", "计算项目安全阀计算版次B", "日期2024-05-06",
          "设计张三校核李四审核王五", "额定泄放系数K0.65", "压缩因子Z1", "绝热指数k1.4", "气体特性系数C356.060"})
        EXPECT_TRUE(pages.front().contains(item)) << item;
    for (std::size_t n = 0; n < pages.size(); ++n)
        EXPECT_EQ(pages[n].back(), squeezed(app::programName() +
                                            QString("　工程文件：未保存第%1页共%2页").arg(n + 1).arg(pages.size())));
    EXPECT_EQ(app::sheet::formulaPieces("y = (a = b) − [c + d] + e"),
              QStringList({"y", "= (a = b)", "− [c + d]", "+ e"}));
}

// 导出全部计算书: nothing before a calculation; then one title block, the contents, and a section, on a page of its
// own, for each page calculated and for no other, the pages numbered through; the file named after the case.
TEST_F(SheetTest, TheWholeCaseInOnePdf) {
    expectMessage(exportTo("exportAllSheets", dir_.filePath("x.pdf")).message, "VXR", "尚无已计算的页面。");
    showPage("pipeDiameterPage");
    click("Command1");
    showPage("reliefPage");
    click("reliefCalculate");
    ASSERT_TRUE(window().saveTo(dir_.filePath("plant.vxr")));
    const Exported exported = exportTo("exportAllSheets", dir_.filePath("plant-计算书.pdf"));
    EXPECT_EQ(exported.name, "plant-计算书.pdf");
    ASSERT_FALSE(exported.message);
    const std::vector<QStringList> pages = pdfPages(dir_.filePath("plant-计算书.pdf"));
    QStringList sections, contents;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        for (const app::PageInfo& info : app::pages())
            for (const QString& line : pages[n]) {
                if (line.contains(QRegularExpression(QString("^\\d%1$").arg(info.caption))))
                    sections << QString("%1 第%2页").arg(line).arg(n + 1);
                if (line.contains(QRegularExpression(QString("^\\d%1[-0-9:]+第\\d页$").arg(info.caption))))
                    contents << line.left(line.indexOf(QRegularExpression("\\d{4}-"))) + " " + line.right(3);
            }
        EXPECT_EQ(pages[n].back(), squeezed(app::programName() +
                                            QString("　工程文件：plant.vxr第%1页共%2页").arg(n + 1).arg(pages.size())));
    }
    EXPECT_EQ(sections, QStringList({"1管径计算 第2页", "2安全阀计算 第3页"}));
    EXPECT_EQ(contents, QStringList({"1管径计算 第2页", "2安全阀计算 第3页"}));
    EXPECT_EQ(QStringList(pages.front()).filter(app::programName().remove(' ') + "计算书").size(), 1);
    EXPECT_EQ(
        pages.front().filter(squeezed("以下页面尚未计算，未列入本计算书：管道阻力计算、离心泵安装高度计算")).size(), 1);
}

// The six 打印 buttons say so before a calculation; after it, 打印 and Ctrl+P show a preview of the page's sheet (what
// a printer then receives is checked with the PDF's text).
TEST_F(SheetTest, PrintPreviewsAndPrintsThePagesSheet) {
    const char* const buttons[][2] = {{"pipeDiameterPage", "Command2"},  {"frictionPage", "Command5"},
                                      {"pumpPage", "Command4"},          {"convectionPage", "Command7"},
                                      {"condensationPage", "Command16"}, {"stressPage", "Command12"}};
    for (const auto& [shown, print] : buttons) {
        showPage(shown);
        expectMessage(clickAndCatch(print), "VXR", "本页尚未计算。");
    }
    QStringList previewed;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
            previewed << QString("%1 页").arg(preview->findChild<QPrintPreviewWidget*>()->pageCount());
            preview->reject();
        }
    });
    answer.start(5);
    showPage("pipeDiameterPage");
    click("Command1");
    click("Command2");
    find<QLineEdit>("Text1")->setFocus();
    press(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(previewed, QStringList({"1 页", "1 页"}));
}

// A table or the notes that run on to the next page leave at least three of their rows on either side (all of them
// where they have fewer than six), the heading with the first, whatever stands before them.
TEST(SheetLayout, LongTablesAndNotesKeepThreeRowsTogether) {
    QBuffer buffer;
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(300);
    using app::sheet::Kind;
    for (const Kind kind : {Kind::Row, Kind::Note})
        for (int before = 0; before < 60; before += 3)
            for (const int rows : {1, 2, 3, 5, 6, 7, 40, 90}) {
                app::sheet::Lines lines(static_cast<std::size_t>(before), app::sheet::Line{Kind::Remark, {"前文"}});
                lines.push_back({Kind::Heading, {"表"}});
                if (kind == Kind::Row) lines.push_back({Kind::Columns, {"项目", "数值"}});
                const std::size_t first = lines.size();
                for (int r = 0; r < rows; ++r) lines.push_back({kind, {QString("x = %1").arg(r), "1"}});
                const std::vector<int> page = app::sheet::pageOfEachLine(lines, writer);
                std::map<int, int> on;
                for (std::size_t r = first; r < lines.size(); ++r) ++on[page[r]];
                EXPECT_EQ(page[first - 1], page[first]) << before << " before, " << rows << " rows";
                for (const auto& [at, count] : on)
                    EXPECT_GE(count, std::min(3, rows)) << before << " before, " << rows << " rows, page " << at;
            }
}

}  // namespace
}  // namespace vxr::test
