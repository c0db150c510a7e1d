// The six pages of the original window through the real window: each input reaches the right member of the core
// (wiring), failures keep every text, the tool tips of results, and the details that are easy to get wrong.
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>

#include "app/tab_control.h"
#include "page_cores.h"
#include "window_test_support.h"

namespace vxr::test {
namespace {

using PagesTest = WindowTest;

TEST_F(PagesTest, PipeDiameterWiring) {
    showPage(0);
    expectWiring("Command1", {"Text3", "Text4", "Text10", "Text9", "Text16", "Text15"},
                 {"Text5", "Text6", "Text8", "Text7", "Text14", "Text13"}, pipeDiameterCore);
}

TEST_F(PagesTest, FrictionWiring) {
    showPage(1);
    expectWiring("Command6",
                 {"Text34", "Text33", "Text35", "Text32", "Text31", "Text23", "Text29", "Text28", "Text24", "Text25",
                  "Text22", "Text21", "Text20", "Text19"},
                 {"Text27", "Text26"}, frictionCore);
}

TEST_F(PagesTest, PumpWiring) {
    showPage(2);
    expectWiring("Command3", {"Text41", "Text42", "Text43", "Text45", "Text44"}, {"Text46"}, pumpCore);
}

// Each shape with each heating state; the laminar case too, where the length is read.
TEST_F(PagesTest, ConvectionWiring) {
    showPage(3);
    for (const char* velocity : {"1.5", "0.01"}) {
        setText("Text63", velocity);
        for (const char* shape : {"Option3", "Option4", "Option5", "Option6"}) {
            for (const char* heating : {"Option1", "Option2"}) {
                SCOPED_TRACE(std::string(shape) + " " + heating + " " + velocity);
                click(shape);
                click(heating);
                expectWiring("Command14",
                             {"Text67", "Text65", "Text66", "Text64", "Text63", "Text59", "Text57", "Text62", "Text61",
                              "Text60", "Text58"},
                             {"Text56"}, convectionCore);
            }
        }
    }
}

TEST_F(PagesTest, CondensationWiringAndTheMendedTubes) {
    const std::pair<const char*, const char*> surfaces[] = {
        {"Option10", "2544.933"}, {"Option9", "2544.933"}, {"Option8", "3825.999"}, {"Option7", "2959.105"}};
    for (const auto& [option, expected] : surfaces) {
        SCOPED_TRACE(option);
        click(option);
        click("Command8");
        EXPECT_EQ(text("Text83"), expected);
        expectWiring("Command8",
                     {"Text78", "Text80", "Text81", "Text79", "Text82", "Text76", "Text75", "Text74", "Text73",
                      "Text72", "Text71", "Text70"},
                     {"Text83"}, condensationCore);
    }
    // Outside one horizontal tube the length is no longer read.
    click("Option8");
    calculateWith("Command8", {{"Text73", "x"}});
    EXPECT_EQ(text("Text83"), "3825.999");
}

// A refused calculation shows the data-check message and changes no text of the window.
TEST_F(PagesTest, FailuresKeepEveryText) {
    const std::tuple<int, const char*, Typed> cases[] = {
        {0, "Command1", {{"Text9", ""}}},      // the second section's velocity: no result of any section
        {1, "Command6", {{"Text35", "0"}}},    // zero viscosity
        {1, "Command6", {{"Text21", "1,5"}}},  // a comma is no decimal point
        {2, "Command3", {{"Text41", "0"}}},    // zero density
        {3, "Command14", {{"Text66", "0"}}},   // zero viscosity
        {4, "Command8", {{"Text75", "150"}}},  // no temperature drop
    };
    for (const auto& [page, button, typed] : cases) {
        SCOPED_TRACE(button);
        showPage(page);
        click(button);
        expectRefused(button, typed);
    }
}

// Notes as tool tips: none before the first calculation, the notes after it, kept when a later one fails.
TEST_F(PagesTest, ResultsExplainThemselves) {
    showPage(3);
    auto* alpha = find<QLineEdit>("Text56");
    EXPECT_TRUE(alpha->toolTip().isEmpty());
    click("Command14");
    const QString notes = QStringLiteral(
        "Re = 150000（湍流）  Pr = 6.76375\nα = 0.023·(λ/d)·Re^0.8·Pr^0.4 = 4223.422 W/(m²·℃)\n"
        "注意：L/d = 20 < 60，未计入进口段影响");
    EXPECT_EQ(alpha->toolTip(), notes);
    expectRefused("Command14", {{"Text66", "0"}});
    EXPECT_EQ(alpha->toolTip(), notes);
    // A tool tip a box has of its own stays.
    EXPECT_EQ(find<QLineEdit>("Text48")->toolTip(), "反方向为负值");
}

TEST_F(PagesTest, DetailsEasyToGetWrong) {
    // Trailing blanks of default texts are part of them.
    for (const auto& [box, expected] :
         {std::pair{"Text1", "RW0101-100 L1B "}, {"Text37", "RW0101-100 L1B "}, {"Text39", "P0101 "}})
        EXPECT_EQ(text(box), expected) << box;
    // Exponent digits over the blank of their captions, on the condensation page shown at start, then on the
    // forced-convection page.
    for (const auto& [digit, caption] :
         {std::pair{"Label81", "Label82"}, {"Label80", "Label88"}, {"Label74", "Label75"}})
        expectExponentOver(digit, caption);
    // The condensation page's spare result box lies below its frame: never seen, never focused.
    EXPECT_TRUE(find<QWidget>("Text69")->visibleRegion().isEmpty());
    EXPECT_EQ(find<QWidget>("Text69")->focusPolicy(), Qt::NoFocus);
    showPage(3);
    for (const auto& [digit, caption] : {std::pair{"Label65", "Label72"}, {"Label66", "Label67"}})
        expectExponentOver(digit, caption);
    // Option groups are exclusive within their frame only.
    click("Option5");
    click("Option2");
    EXPECT_TRUE(checked("Option5") && checked("Option2") && !checked("Option3") && !checked("Option1"));
    // The point is the decimal separator whatever the locale; full-width digits read as plain.
    showPage(0);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    calculateWith("Command1", {{"Text9", "１．５"}});
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(text("Text8"), "84.0761559539921");
}

// The print buttons: the pipe page's shows its error, the others do nothing; no page closes the window.
TEST_F(PagesTest, PrintButtons) {
    showPage(0);
    const QStringList before = allTexts();
    expectMessage(clickAndCatch("Command2"), QStringLiteral("错误"), QStringLiteral("运行错误！"));
    for (const auto& [page, print] :
         {std::pair{1, "Command5"}, {2, "Command4"}, {3, "Command7"}, {4, "Command16"}, {10, "Command12"}}) {
        showPage(page);
        click(print);  // fails if a message box opens
    }
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(allTexts(), before);
}

TEST_F(PagesTest, TabWalksTheFieldsInReadingOrder) {
    showPage(0);
    QWidget* w = find<QLineEdit>("Text1");
    w->setFocus();
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        order << w->objectName();
        do w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(order, QStringList({"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text12", "Text11"}));
}

}  // namespace
}  // namespace vxr::test
