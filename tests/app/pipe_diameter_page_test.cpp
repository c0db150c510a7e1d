// The pipe-diameter page through the real window.
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include "window_test_support.h"

namespace vxr::test {
namespace {

class PipeDiameterPageTest : public WindowTest {
protected:
    PipeDiameterPageTest() { showPage(0); }
    QStringList results() const {
        QStringList r;
        for (const char* name : kResults) r << text(name);
        return r;
    }
    static constexpr const char* kResults[] = {"Text5", "Text6", "Text8", "Text7", "Text14", "Text13"};
};

TEST_F(PipeDiameterPageTest, StartsWithTheDefaultTexts) {
    const std::pair<const char*, const char*> fields[] = {{"Text1", "RW0101-100 L1B "},
                                                          {"Text12", "RW0101-100 L1B "},
                                                          {"Text18", "RW0101-100 L1B "},
                                                          {"Text2", "水"},
                                                          {"Text11", "水"},
                                                          {"Text17", "水"},
                                                          {"Text3", "50"},
                                                          {"Text4", "1.2"},
                                                          {"Text10", "30"},
                                                          {"Text9", "1.5"},
                                                          {"Text16", "25"},
                                                          {"Text15", "2"},
                                                          {"Text5", ""},
                                                          {"Text6", ""},
                                                          {"Text8", ""},
                                                          {"Text7", ""},
                                                          {"Text14", ""},
                                                          {"Text13", ""},
                                                          {"label1", "管段号："},
                                                          {"Label2", "介质："},
                                                          {"Label3", "流量(立方米/小时)："},
                                                          {"Label4", "流速(米/秒)："},
                                                          {"Label5", "计算管内径(mm)："},
                                                          {"Label6", "公称直径(mm)："},
                                                          {"Label10", "流量(立方米/小时)："},
                                                          {"Label13", "公称直径(mm)："},
                                                          {"Command1", "计 算"},
                                                          {"Command2", "打 印"}};
    for (const auto& [name, expected] : fields) EXPECT_EQ(text(name), QString::fromUtf8(expected)) << name;
    for (const char* line : {"Line1", "Line2", "Line3", "Line4"}) EXPECT_TRUE(find<QWidget>(line)) << line;
    EXPECT_EQ(find<QLabel>("Label3")->buddy(), find<QLineEdit>("Text3"));
    // Positions are measured from the tab control's corner, tab rows included.
    auto* text3 = find<QLineEdit>("Text3");
    EXPECT_EQ(text3->mapTo(find<QWidget>("SSTab1"), QPoint(0, 0)), QPoint(169, 148));
    EXPECT_EQ(text3->size(), QSize(137, 20));
}

TEST_F(PipeDiameterPageTest, CalculateWritesAllSixResults) {
    click("Command1");
    EXPECT_EQ(results(), QStringList({"121.353478181166", "125", "84.0761559539921", "100", "66.4680374315355", "80"}));
    type("Text10", "0.7");
    type("Text9", "1");
    QTest::keyClick(find<QLineEdit>("Text9"), Qt::Key_Return);  // Enter presses 计算
    EXPECT_EQ(text("Text8"), "15.7292084988406");
    EXPECT_EQ(text("Text7"), "20");
}

TEST_F(PipeDiameterPageTest, BadInputShowsTheDataCheckAndKeepsEveryResult) {
    click("Command1");
    const QStringList before = results();
    type("Text3", "1000");
    for (const char* bad : {"0", "", "abc", "-2"}) {
        type("Text15", QString::fromUtf8(bad));
        const auto message = clickAndCatch("Command1");
        expectDataCheck(message);
        EXPECT_EQ(results(), before) << bad;
        EXPECT_EQ(text("Text15"), QString::fromUtf8(bad));  // what the user typed stays
    }
}

TEST_F(PipeDiameterPageTest, ReadsPointDecimalsWhateverTheLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    type("Text4", "1.2");
    type("Text9", "１．５");
    click("Command1");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(text("Text5"), "121.353478181166");
    EXPECT_EQ(text("Text8"), "84.0761559539921");
}

TEST_F(PipeDiameterPageTest, PrintShowsItsErrorAndChangesNothing) {
    click("Command1");
    const QStringList before = results();
    const auto message = clickAndCatch("Command2");
    ASSERT_TRUE(message);
    EXPECT_EQ(message->title, "错误");
    EXPECT_EQ(message->text, "运行错误！");
    EXPECT_EQ(message->buttons, 1);
    EXPECT_EQ(message->icon, QMessageBox::NoIcon);
    EXPECT_EQ(results(), before);
    EXPECT_EQ(text("Text3"), "50");
}

TEST_F(PipeDiameterPageTest, TabWalksTheFieldsInReadingOrder) {
    auto* first = find<QLineEdit>("Text1");
    first->setFocus();
    QStringList order;
    QWidget* w = first;
    for (int i = 0; i < 8; ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus)) w = w->nextInFocusChain();
    }
    EXPECT_EQ(order, QStringList({"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text12", "Text11"}));
}

}  // namespace
}  // namespace vxr::test
