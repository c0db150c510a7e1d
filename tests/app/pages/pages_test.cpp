// What the calculating pages do beyond their results (those are the property test's): tool tips, the focus after a
// refusal, greyed inputs, Tab order and details that are easy to get wrong.

#include <QPushButton>

#include "app/window_test_support.h"

namespace vxr::test {
namespace {

using PagesTest = WindowTest;

// Notes as tool tips: none before the first calculation, the notes after it. Once an input differs from the one the
// results were calculated with, or a 计算 was refused, the results stay as they are but turn grey and a line of their
// tool tip says why; set back, or calculated again, they are as before. An added page's refusal focuses and selects
// the field at fault; an original page leaves the focus where it was.
TEST_F(PagesTest, ResultsExplainThemselvesAndShowWhenTheyNoLongerHold) {
    EXPECT_TRUE(find<QLineEdit>("Text56")->toolTip().isEmpty());
    const std::tuple<const char*, const char*, const char*, const char*, const char*, bool> rows[] = {
        {"convectionPage", "Command14", "Text56", "Text66", "流体粘度", false},
        {"evaporationPage", "evapCalculate", "evapArea", "evapSteamTemp", "加热蒸汽温度", true},
    };
    for (const auto& [name, calculate, result, input, caption, to_fault] : rows) {
        showPage(name);
        auto* box = find<QLineEdit>(result);
        click(calculate);
        const QString shown = box->text() + " | " + box->toolTip(), typed = text(input);
        const auto looks = [box] {
            const bool grey = box->palette().color(QPalette::Text) == QColor(128, 128, 128);
            return box->text() + " | " + box->toolTip() + (grey ? " [grey]" : "");
        };
        const QString edited = shown + "\n计算后已修改：" + caption + "，请重新计算 [grey]";
        EXPECT_EQ(looks(), shown) << name;
        setText(input, "1" + typed);
        EXPECT_EQ(looks(), edited) << name;
        setText(input, typed);
        EXPECT_EQ(looks(), shown) << name;
        setText(input, "x");
        EXPECT_TRUE(clickAndCatch(calculate)) << name;
        const auto* fault = find<QLineEdit>(input);  // the window's focus, whether or not it is active
        EXPECT_EQ(window().focusWidget() == fault && fault->selectedText() == fault->text(), to_fault) << name;
        EXPECT_EQ(looks(), edited) << name;
        setText(input, typed);
        EXPECT_EQ(looks(), shown + "\n计算未通过：结果属于上一次计算的输入，请重新计算 [grey]") << name;
        click(calculate);
        EXPECT_EQ(looks(), shown) << name;
    }
    showPage("convectionPage");
    click("Option5");  // the options of each frame exclude each other, and only them
    click("Option2");
    EXPECT_TRUE(checked("Option5") && checked("Option2") && !checked("Option3") && !checked("Option1"));
}

// The relief valve greys the other medium's inputs; the back-pressure factor, read for both, stays open. With 液体
// chosen, the sheet names the medium and leaves out the inputs only a gas reads.
TEST_F(PagesTest, ReliefGreysAndLeavesOutTheOtherMediumsInputs) {
    showPage("reliefPage");
    const char* gas_only[] = {"reliefMolarMass", "reliefTemperature", "reliefZ", "reliefAdiabaticExponent"};
    for (const bool gas : {true, false}) {
        if (!gas) click("reliefLiquid");
        EXPECT_EQ(checked("reliefGas"), gas);
        for (const char* box : gas_only) EXPECT_EQ(find(box)->isEnabled(), gas) << box;
        EXPECT_EQ(find("reliefDensity")->isEnabled(), !gas);
        EXPECT_TRUE(find("reliefBackPressureFactor")->isEnabled());
    }
    click("reliefCalculate");
    const QStringList sheet = page("reliefPage")->sheetText().split('\n');
    for (const char* row : {"介质\t液体", "液体密度\t1000\tkg/m³", "背压修正系数 Kb（液体为 Kw）\t1\t"})
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(row))) << row;
    EXPECT_TRUE(sheet.contains("本选项未用：摩尔质量、泄放温度、压缩因子 Z、绝热指数 k"));
    EXPECT_EQ(sheet.filter("摩尔质量").size(), 1);  // in that line only, in no row of its own
}

// The original pages' options leave inputs out too: the sheet names them in one line, and no text in them, however
// wrong, changes the result of that option.
TEST_F(PagesTest, InputsAnOptionLeavesOutAreNamedAndChangeNothing) {
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"convectionPage", "Option3", "Text62 Text61 Text60 Text58",
         "弯管半径、蛇管弯曲直径、圆环内管直径、圆环外管直径"},
        {"convectionPage", "Option4", "Text61 Text60 Text58", "蛇管弯曲直径、圆环内管直径、圆环外管直径"},
        {"convectionPage", "Option5", "Text62 Text60 Text58", "弯管半径、圆环内管直径、圆环外管直径"},
        {"convectionPage", "Option6", "Text62 Text61", "弯管半径、蛇管弯曲直径"},
        {"condensationPage", "Option10", "Text72 Text71 Text70", "冷凝液比热、管外径、管内径"},
        {"condensationPage", "Option9", "Text74 Text72 Text71 Text70",
         "平表面与水平面夹角、冷凝液比热、管外径、管内径"},
        {"condensationPage", "Option8", "Text74 Text73 Text70", "平表面与水平面夹角、平表面的长度、管内径"},
        {"condensationPage", "Option7", "Text74 Text73 Text71", "平表面与水平面夹角、平表面的长度、管外径"}};
    for (const auto& [name, option, unused, named] : rows) {
        showPage(name);
        click(option);
        app::CalcPage* p = page(name);
        p->calculateButton()->click();
        const QString result = p->sheetText().section("计算结果", 1);
        EXPECT_TRUE(p->sheetText().contains(QString("本选项未用：") + named)) << option;
        for (const QString& field : QString(unused).split(' ')) {
            const QString kept = text(qPrintable(field));
            setText(qPrintable(field), "不是数字");
            p->calculateButton()->click();
            EXPECT_EQ(p->sheetText().section("计算结果", 1), result) << option << " " << field.toStdString();
            setText(qPrintable(field), kept);
        }
    }
}

// Details easy to get wrong: default texts keep their trailing blanks; exponent digits sit over the blank of their
// captions; the condensation page's spare result box lies below its frame, never seen, never focused.
TEST_F(PagesTest, DefaultTextsExponentDigitsAndTheSpareResultBox) {
    for (const auto& [box, expected] : {std::pair{"Text37", "RW0101-100 L1B "}, {"Text39", "P0101 "}})
        EXPECT_EQ(text(box), expected) << box;
    for (const auto& [page, digit, caption] : {std::tuple{"condensationPage", "Label81", "Label82"},
                                               {"condensationPage", "Label80", "Label88"},
                                               {"condensationPage", "Label74", "Label75"},
                                               {"convectionPage", "Label65", "Label72"},
                                               {"convectionPage", "Label66", "Label67"}}) {
        showPage(page);
        expectExponentOver(digit, caption);
    }
    showPage("condensationPage");
    EXPECT_TRUE(find("Text69")->visibleRegion().isEmpty());
    EXPECT_EQ(find("Text69")->focusPolicy(), Qt::NoFocus);
}

// On an original page and on an added one: Enter in an input presses the page's 计算; Tab walks the fields in reading
// order (inputs row by row, then the results).
TEST_F(PagesTest, EnterCalculatesAndTabWalksInReadingOrder) {
    for (const auto& [page, result, order] :
         {std::tuple{"pipeDiameterPage", "Text8",
                     QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "pipeSize1", "pipeVelocity1",
                                 "Text12"}},
          {"absorptionPage", "absHeight",
           QStringList{"absRecovery", "absInletLiquid", "absSlope", "absRatioFactor", "absHOG", "absOutletGas"}}}) {
        showPage(page);
        EXPECT_FALSE(catchMessage([&] { QTest::keyClick(find(qPrintable(order[2])), Qt::Key_Return); })) << page;
        EXPECT_FALSE(text(result).isEmpty()) << page;
        QWidget* w = find(qPrintable(order[0]));
        w->setFocus();
        QStringList walked;
        for (qsizetype i = 0; i < order.size(); ++i) {
            walked << w->objectName();
            do w = w->nextInFocusChain();
            while (!(w->focusPolicy() & Qt::TabFocus));
        }
        EXPECT_EQ(walked, order);
    }
}

}  // namespace
}  // namespace vxr::test
