// 工具 → 水和水蒸气物性… through the real window: the menu and F4, one modeless dialog kept across pages, the table as
// one types and its refusals, the fill of each page (which fields change, what stays), 撤销填入, the sources on the
// sheet and in the case file.
#include <QMenuBar>

#include "app/case/case_file.h"
#include "app/window_test_support.h"
#include "calc/properties/lookup.h"

namespace vxr::test {
namespace {

class WaterSteamTest : public WindowTest {
protected:
    QDialog* open() {
        window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window()));
        QTest::keyClick(&window(), Qt::Key_F4);
        return find<QDialog>("waterSteamDialog");
    }
    void choose(const char* combo, int index) { find<QComboBox>(combo)->setCurrentIndex(index); }
    // The table's row of `quantity` ("密度 ρ"), and its cell in `column` (2: the first phase's).
    int row(std::string_view quantity) const {
        const auto& all = calc::water::kTableQuantities;
        const auto found = std::find(std::begin(all), std::end(all), quantity);
        EXPECT_NE(found, std::end(all)) << quantity;
        return static_cast<int>(found - std::begin(all));
    }
    QString cell(const char* quantity, int column) const {
        const QTableWidgetItem* item = find<QTableWidget>("waterSteamTable")->item(row(quantity), column);
        return item ? item->text() : QString();
    }
    // 填入本页: "name=text" for each control it changed, the dialog's own left out, in order of their names.
    QString fill() {
        const QStringList before = snapshot(window());
        click("waterSteamFill");
        QStringList changes;
        for (const QString& c : changed(before, snapshot(window()), {"waterSteamStatus", "waterSteamUndo"}))
            changes << c.section('\t', 0, 0) + "=" + c.section(" -> ", 1);
        changes.sort();
        return changes.join(' ');
    }
};

// The menus, and 水和水蒸气物性… on F4: one modeless dialog kept across pages, with its four modes. Its table, a row
// per property of the core's list, follows each key; a refusal empties it and shows in the status line; MPa converts
// the pressure typed; the wet mode fills nothing; cells copy as tab-separated text.
TEST_F(WaterSteamTest, OneModelessDialogWhoseTableFollowsTheTexts) {
    QStringList menus;
    for (const QAction* a : window().menuBar()->actions()) menus << a->menu()->objectName() + " " + a->text();
    EXPECT_EQ(menus, QStringList({"FILE 文件(&F)", "TOOLS 工具(&T)", "HELP 帮助(&H)"}));
    const auto* action = find<QAction>("waterSteam");
    EXPECT_EQ(action->text() + " " + action->shortcut().toString(), "水和水蒸气物性(&W)… F4");
    QDialog* dialog = open();
    EXPECT_TRUE(dialog->isVisible() && !dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), "水和水蒸气物性");
    showPage("frictionPage");
    EXPECT_TRUE(dialog->isVisible());
    click("waterSteamClose");
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(open(), dialog);
    EXPECT_EQ(window().findChildren<QDialog*>("waterSteamDialog").size(), 1);
    QStringList modes;
    for (int i = 0; i < find<QComboBox>("waterSteamMode")->count(); ++i)
        modes << find<QComboBox>("waterSteamMode")->itemText(i);
    EXPECT_EQ(modes.join('|'), "饱和（按温度）|饱和（按压力）|温度和压力|湿蒸汽（压力或温度与干度）");
    type("waterSteamTemperature", "105");
    EXPECT_EQ(cell("压力 p", 2) + " " + cell("密度 ρ", 2) + " " + cell("密度 ρ", 3), "120.902 954.708 0.704982");
    auto* table = find<QTableWidget>("waterSteamTable");
    EXPECT_EQ(table->columnSpan(row("压力 p"), 2), 2);
    ASSERT_EQ(table->rowCount(), std::ssize(calc::water::kTableQuantities));
    for (int r = 0; r < table->rowCount(); ++r) EXPECT_EQ(table->item(r, 0)->text(), calc::water::kTableQuantities[r]);
    type("waterSteamTemperature", "1O5");
    EXPECT_EQ(text("waterSteamStatus") + " [" + cell("密度 ρ", 2) + "]", "温度不是有效的数值。 []");
    choose("waterSteamMode", 2);
    type("waterSteamTemperature", "20");
    choose("waterSteamPressureUnit", 1);
    EXPECT_EQ(
        text("waterSteamPressure") + " " + cell("压力 p", 2) + " " + cell("密度 ρ", 2) + " " + cell("汽化热 r", 2),
        "0.101325 0.101325 998.206 —");
    EXPECT_EQ(text("waterSteamStatus"), "IF97 第 1 区，压缩液体。");
    choose("waterSteamMode", 3);
    EXPECT_TRUE(!find("waterSteamFill")->isEnabled() && !find("waterSteamPhase")->isEnabled());
    EXPECT_EQ(text("waterSteamHint"), "湿蒸汽：温度框不为空时按温度，为空时按压力；干度 x 为蒸汽的质量分数（0～1）。");
    table->window()->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(table->window()));
    table->setFocus();
    table->setRangeSelected({row("密度 ρ"), 0, row("密度 ρ"), 4}, true);
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "密度 ρ\tkg/m³\t0.0192362\t998.161\t0.0173126");
}

// Each page's property inputs change, and nothing else: the condensation page at its ts and film temperature (refused
// for a wall no cooler than the vapour), the evaporator at its T1 and T, whatever the dialog shows; a state the
// dialog cannot fill from is refused in its status line, nothing changed.
TEST_F(WaterSteamTest, FillChangesThePropertyInputsOnly) {
    open();
    type("waterSteamTemperature", "105");
    const std::tuple<const char*, int, QString> rows[] = {
        {"frictionPage", 0, "Text34=954.708 Text35=0.000267482"},
        {"pumpPage", 1, "Text41=0.704982 Text43=120.902"},
        {"convectionPage", 0, "Text64=0.678942 Text65=4223.23 Text66=0.000267482 Text67=954.708"},
        {"condensationPage", 0,
         "Text72=4274.62 Text78=2113.67 Text79=2.54776 Text80=0.00020452 Text81=0.682978 Text82=930.621"},
        {"evaporationPage", 0, "evapSteamLatent=2164.1 evapVapourLatent=2357.45"},
        {"dryingPage", 0, ""}};
    for (const auto& [page, phase, expected] : rows) {
        showPage(page);
        choose("waterSteamPhase", phase);
        EXPECT_EQ(fill(), expected) << page;
    }
    EXPECT_EQ(text("waterSteamStatus"), "本页没有可由水和水蒸气物性填入的输入。");
    showPage("condensationPage");
    fill();
    EXPECT_TRUE(text("waterSteamStatus").startsWith("已填入“冷凝膜系数”页：蒸气冷凝潜热、冷凝液粘度、"));
    // A wall no cooler than the vapour: a message names the field, nothing is filled, the focus goes to the wall.
    setText("Text75", "150");
    const QStringList before = snapshot(window());
    expectMessage(clickAndCatch("waterSteamFill"), "VXR",
                  "“壁面温度（℃）”须低于“蒸汽饱和温度（℃）”（冷凝液物性取膜温 (ts + tw)/2），未填入物性。");
    EXPECT_EQ(changed(before, snapshot(window())), QStringList());
    EXPECT_EQ(QApplication::focusWidget(), find("Text75"));
    showPage("frictionPage");
    choose("waterSteamPhase", 1);
    type("waterSteamTemperature", "373.94597");  // just below the critical point: no saturated vapour
    EXPECT_EQ(fill(), "");
    EXPECT_EQ(text("waterSteamStatus"), "临界温度以下 3.47×10⁻⁵ K 内饱和蒸汽无值：饱和蒸汽的密度 ρ 无法填入。");
}

// The sheet names the source of each value used as filled; a value typed over loses it. The case reader checks the
// sources. 撤销填入 puts back the texts and sources the fill replaced on its page, even from
// another page, except where the user has typed since; then there is nothing more to undo.
TEST_F(WaterSteamTest, SheetAndCaseKeepTheSourcesAndUndoPutsThemBack) {
    open();
    showPage("frictionPage");
    fill();
    type("Text35", "0.002");
    click("Command6");
    const QString sheet = page("frictionPage")->sheetText();
    EXPECT_TRUE(sheet.contains("物性来源\n项目\t来源\n密度\t物性：水，IAPWS-IF97，饱和液体，t = 100 ℃\n选项"))
        << sheet.toStdString();
    EXPECT_FALSE(sheet.contains("介质粘度\t物性"));
    const app::ByName<app::Filled> sources = page("frictionPage")->state().sources;
    EXPECT_EQ(sources.at("Text34").text + " " + sources.at("Text34").source,
              "958.354 物性：水，IAPWS-IF97，饱和液体，t = 100 ℃");
    const QByteArray head = R"({"format": "vxr-case", "version": 1, "pages": {"frictionPage": {"sources": )";
    for (const auto& [json, error] : {std::pair{R"({"Text34": {"text": 1, "source": ""}}}}})",
                                                "“pages.frictionPage.sources.Text34.text”应为文本。"},
                                      {"[]}}}", "“pages.frictionPage.sources”应为对象。"},
                                      {R"({"Text34": {"text": "1", "source": "", "at": []}}}}})",
                                       "“pages.frictionPage.sources.Text34.at”应为对象。"}})
        EXPECT_EQ(app::casefile::parse(head + json).error, error) << json;
    EXPECT_EQ(app::casefile::parse(head + R"({"Text99": {}}}}})").skipped,
              QStringList("pages.frictionPage.sources.Text99"));
    showPage("pumpPage");
    click("waterSteamUndo");
    EXPECT_EQ(text("Text34") + " " + text("Text35"), "1000 0.002");
    EXPECT_FALSE(page("frictionPage")->filled("Text34") || find("waterSteamUndo")->isEnabled());
    EXPECT_EQ(text("waterSteamStatus"), "已撤销管道阻力计算的填入：恢复 1 项。");
}

// Values filled at the page's own temperatures keep them. Once one of them changes, 计算 warns in the results' notes
// (one line for ρv and r at ts and the condensate's properties at ts and tw) and the sheet marks their sources 已过时;
// 填入本页 again takes them at the new temperatures.
TEST_F(WaterSteamTest, FillsAtThePagesTemperaturesShowWhenOutOfDate) {
    open();
    showPage("condensationPage");
    const auto calculated = [&] {
        click("Command8");
        const QString sheet = page("condensationPage")->sheetText();
        return QString::number(sheet.count("（已过时）")) + " " +
               QStringList(find("Text83")->toolTip().split('\n').filter("物性按")).join(" | ") +
               (sheet.count("物性按") == (sheet.contains("已过时") ? 1 : 0) ? "" : " [sheet]");
    };
    const std::tuple<const char*, const char*, QString> rows[] = {
        {"Text76", "170", "5 物性按 ts = 150 ℃、tw = 120 ℃ 填入，现 ts = 170 ℃，请再按“填入本页”"},
        {"Text75", "100", "3 物性按 ts = 150 ℃、tw = 120 ℃ 填入，现 tw = 100 ℃，请再按“填入本页”"},
    };
    for (const auto& [field, changed, warning] : rows) {
        setText("Text76", "150");
        setText("Text75", "120");
        fill();
        EXPECT_EQ(calculated(), "0 ");
        setText(field, changed);
        EXPECT_EQ(calculated(), warning);
        fill();
        EXPECT_EQ(calculated(), "0 ");
    }
    setText("Text76", "160");
    const app::ByName<app::Filled> sources = page("condensationPage")->state().sources;
    EXPECT_EQ(sources.at("Text78").at, (app::ByName<QString>{{"Text76", "150"}}));
    EXPECT_EQ(sources.at("Text80").at, (app::ByName<QString>{{"Text75", "100"}, {"Text76", "150"}}));
}

}  // namespace
}  // namespace vxr::test
