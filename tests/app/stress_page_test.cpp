// The pipe-stress page through the real window: the segment editor, its messages, and the route's verdict.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "window_test_support.h"

namespace vxr::test {
namespace {

const QString kSuitable = QStringLiteral("合适。满足柔性要求。");
const QString kNotSuitable = QStringLiteral("不合适。需要调整管道系统。");
const QString kTitle = QStringLiteral("VXR");

// One segment as typed, in the editor's order: length, LX, LY, LZ.
using Segment = std::vector<QString>;
const char* const kSegmentFields[] = {"Text47", "Text48", "Text49", "Text50"};

class StressPageTest : public WindowTest {
protected:
    StressPageTest() { showPage(10); }

    void typeSegment(const Segment& s) {
        for (std::size_t i = 0; i < s.size(); ++i) type(kSegmentFields[i], s[i]);
    }
    Segment shown() const {
        Segment s;
        for (const char* field : kSegmentFields) s.push_back(text(field));
        return s;
    }
    QString nodes() const { return text("qidian") + "-" + text("zhongdian") + " end " + text("Label40"); }
    void mark(bool end) { find<QCheckBox>("Check1")->setChecked(end); }
    bool marked() { return find<QCheckBox>("Check1")->isChecked(); }
    // Types and saves each segment in turn from the current one, marking the last as the end node.
    void enterRoute(const std::vector<Segment>& route) {
        for (std::size_t i = 0; i < route.size(); ++i) {
            if (i > 0) click("Command11");
            typeSegment(route[i]);
            mark(i + 1 == route.size());
            click("Command9");
        }
    }
    std::optional<Message> pressEnterIn(const char* field) {
        auto* box = find<QLineEdit>(field);
        return catchMessage([box] { QTest::keyClick(box, Qt::Key_Return); });
    }
};

TEST_F(StressPageTest, OpensWithItsControls) {
    EXPECT_EQ(nodes(), "0-1 end ");
    EXPECT_EQ(shown(), Segment(4));
    EXPECT_FALSE(find<QPushButton>("Command10")->isEnabled());
    for (const auto& [name, colour] : {std::pair{"qidian", QColor(0, 0, 255)}, {"zhongdian", QColor(255, 0, 0)}}) {
        const QLabel* node = find<QLabel>(name);
        EXPECT_EQ(node->palette().color(QPalette::WindowText), colour) << name;
        EXPECT_TRUE(node->font().bold()) << name;
    }
}

// The three messages titled with the application's title; none of them changes anything.
TEST_F(StressPageTest, MessagesOfThePage) {
    expectMessage(clickAndCatch("Command13"), kTitle, QStringLiteral("请确定最终节点"));
    EXPECT_EQ(text("Text55"), QString());

    for (const char* field : kSegmentFields) {
        SCOPED_TRACE(field);
        typeSegment({"7", "7", "7", "7"});
        setText(field, QString());
        mark(true);
        expectMessage(clickAndCatch("Command9"), kTitle, QStringLiteral("请仔细核对数据！"));
        EXPECT_EQ(nodes(), "0-1 end ");
        EXPECT_TRUE(marked());
        EXPECT_EQ(text("Text48"), field == kSegmentFields[1] ? QString() : QStringLiteral("7"));
    }
    expectMessage(clickAndCatch("Command13"), kTitle, QStringLiteral("请确定最终节点"));  // still no end node

    for (int i = 0; i < 99; ++i) click("Command11");
    EXPECT_EQ(nodes(), "99-100 end ");
    typeSegment({"3", "3", "3", "3"});
    mark(true);
    expectMessage(clickAndCatch("Command11"), kTitle, QStringLiteral("最大节点数为100 "));
    EXPECT_EQ(nodes(), "99-100 end ");
    EXPECT_FALSE(marked());
    EXPECT_EQ(shown(), Segment({"3", "3", "3", "3"}));
}

// One window judges several routes in turn, none longer than the one before: the end node only moves back.
TEST_F(StressPageTest, JudgesTheRoute) {
    struct Case {
        const char* name;
        std::vector<Segment> route;
        QString verdict;  // empty: the data-check message, and the verdict before stays
    };
    const Case cases[] = {
        {"U of 6 X, 4 Y, -6 X", {{"6", "6", "0", "0"}, {"4", "0", "4", "0"}, {"6", "-6", "0", "0"}}, kSuitable},
        {"10 X then 5 Y", {{"10", "10", "0", "0"}, {"5", "0", "5", "0"}}, kNotSuitable},
        {"letters in a length", {{"10", "10", "0", "0"}, {"abc", "0", "10", "0"}}, {}},
        {"10 X then 10 Y", {{"10", "10", "0", "0"}, {"10", "0", "10", "0"}}, kSuitable},
        // A straight run between anchors takes up no expansion at all.
        {"one straight segment", {{"10", "10", "0", "0"}}, kNotSuitable},
        {"no length up to the end", {{"0", "0", "0", "0"}}, {}},
    };
    QString before;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < 3; ++i) click("Command10");
        enterRoute(c.route);
        const QString editor = nodes();
        const Segment fields = shown();
        const auto message = clickAndCatch("Command13");
        if (c.verdict.isEmpty()) {
            expectDataCheck(message);
            EXPECT_EQ(text("Text55"), before);
        } else {
            EXPECT_FALSE(message.has_value());
            EXPECT_EQ(text("Text55"), c.verdict);
        }
        before = text("Text55");
        EXPECT_EQ(nodes(), editor);  // the assessment moves nothing in the editor
        EXPECT_EQ(shown(), fields);
    }
}

// A straight run without a temperature change has nothing to take up.
TEST_F(StressPageTest, StraightRouteWithoutExpansionIsSuitable) {
    enterRoute({{"10", "10", "0", "0"}});
    type("Text54", "200");
    click("Command13");
    EXPECT_EQ(text("Text55"), kSuitable);
    EXPECT_TRUE(find<QWidget>("Text55")->toolTip().endsWith(QStringLiteral("L − U = 0，但 Y = 0：没有热膨胀需要吸收")));
}

// Enter in a segment field saves the segment; Enter in a pipe-data field assesses the route; nothing else.
TEST_F(StressPageTest, EnterPressesTheButtonOfItsField) {
    typeSegment({"10", "10", "0", "0"});
    EXPECT_FALSE(pressEnterIn("Text48").has_value());  // saved, and no assessment ran
    click("Command11");
    typeSegment({"10", "0", "10", "0"});
    mark(true);
    expectMessage(pressEnterIn("Text53"), kTitle, QStringLiteral("请确定最终节点"));  // nothing saved
    for (const char* field : kSegmentFields) {
        EXPECT_FALSE(pressEnterIn(field).has_value()) << field;
        EXPECT_EQ(text("Label40"), QStringLiteral("2")) << field;
    }
    // Each pipe-data field is read: a value that tips the verdict, then its default back.
    for (const auto& [field, tipping] :
         {std::pair{"Text51", "300"}, {"Text52", "0.04"}, {"Text53", "500"}, {"Text54", "-300"}}) {
        const QString initial = text(field);
        type(field, QString::fromLatin1(tipping));
        EXPECT_FALSE(pressEnterIn(field).has_value()) << field;
        EXPECT_EQ(text("Text55"), kNotSuitable) << field;
        type(field, initial);
        EXPECT_FALSE(pressEnterIn(field).has_value()) << field;
        EXPECT_EQ(text("Text55"), kSuitable) << field;
    }
    click("Command10");
    EXPECT_EQ(shown(), Segment({"10", "10", "0", "0"}));
}

TEST_F(StressPageTest, PrintChangesNothing) {
    enterRoute({{"10", "10", "0", "0"}, {"10", "0", "10", "0"}});
    click("Command13");
    QStringList before;
    for (const QLineEdit* e : window().findChildren<QLineEdit*>()) before << e->text();
    click("Command12");  // fails if a box opens
    QStringList after;
    for (const QLineEdit* e : window().findChildren<QLineEdit*>()) after << e->text();
    EXPECT_EQ(after, before);
    EXPECT_EQ(nodes(), "1-2 end 2");
}

}  // namespace
}  // namespace vxr::test
