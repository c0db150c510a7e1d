// The pump installation-height page through the real window; its print button neither prints nor ends the program.
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <vector>

#include "window_test_support.h"

namespace vxr::test {
namespace {

class PumpPageTest : public WindowTest {
protected:
    PumpPageTest() { showPage(2); }
};

TEST_F(PumpPageTest, OpensWithTheDefaultCase) {
    // clang-format off
    const std::pair<const char*, const char*> defaults[] = {
        {"Text39", "P0101 "}, {"Text40", "水"}, {"Text38", "30"}, {"Text41", "1000"}, {"Text42", "101.3"},
        {"Text43", "4.25"}, {"Text45", "4"}, {"Text44", "0.5"}, {"Text46", ""},
        {"Label47", "离心泵安装高度（M]）："}, {"Command3", "计  算"}, {"Command4", "打  印"},
    };
    // clang-format on
    for (const auto& [field, expected] : defaults) EXPECT_EQ(text(field).toStdString(), expected) << field;
    EXPECT_TRUE(find<QLineEdit>("Text46")->isReadOnly());
    EXPECT_LT(find<QWidget>("Text45")->y(), find<QWidget>("Text44")->y());  // NPSHr shown above the inlet loss
}

TEST_F(PumpPageTest, CalculatesWhatIsTyped) {
    struct Case {
        const char* name;
        Typed typed;
        const char* height;
    };
    const Case cases[] = {
        {"defaults: NPSHr 4 + 0.5 is 4.5, never the text 40.5", {}, "4.903"},
        {"light liquid, below the surface",
         {{"Text42", "50"}, {"Text43", "20"}, {"Text41", "800"}, {"Text44", "1"}, {"Text45", "3"}},
         "-0.673"},
        {"notes and working temperature are not read", {{"Text39", ""}, {"Text40", ""}, {"Text38", "90"}}, "4.903"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        calculateWith("Command3", c.typed);
        EXPECT_EQ(text("Text46").toStdString(), c.height);
    }
}

TEST_F(PumpPageTest, FailureKeepsTheResult) {
    click("Command3");
    EXPECT_EQ(text("Text46").toStdString(), "4.903");
    for (const auto& [field, value] : {std::pair{"Text41", "0"}, {"Text42", ""}, {"Text45", "4m"}}) {
        SCOPED_TRACE(field);
        expectRefused("Command3", {{field, value}});
    }
}

// Printing must not close the window: everything typed on every page would be lost without a question.
TEST_F(PumpPageTest, PrintKeepsTheProgramRunningAndChangesNothing) {
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QPointer<QWidget> alive(&window());
    click("Command3");
    type("Text41", "800");
    const QStringList before = allTexts();

    click("Command4");  // fails if a message box opens
    QCoreApplication::processEvents();

    ASSERT_FALSE(alive.isNull());
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(lastClosed.count(), 0);
    EXPECT_EQ(allTexts(), before);
    click("Command3");  // and the page still calculates
    EXPECT_EQ(text("Text46").toStdString(), "7.379");
}

}  // namespace
}  // namespace vxr::test
