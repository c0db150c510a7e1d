// The friction-loss page through the real window: defaults, calculations, failures and the idle print button.
#include <QLineEdit>
#include <vector>

#include "window_test_support.h"

namespace vxr::test {
namespace {

class FrictionPageTest : public WindowTest {
protected:
    FrictionPageTest() { showPage(1); }

    void expectResults(const char* per_mass, const char* head) {
        EXPECT_EQ(text("Text27").toStdString(), per_mass);
        EXPECT_EQ(text("Text26").toStdString(), head);
    }
};

TEST_F(FrictionPageTest, OpensWithTheDefaultCase) {
    // clang-format off
    const std::pair<const char*, const char*> defaults[] = {
        {"Text37", "RW0101-100 L1B "}, {"Text36", "水"}, {"Text34", "1000"}, {"Text33", "1.5"}, {"Text35", "0.001"},
        {"Text30", "无缝钢管"}, {"Text32", "100"}, {"Text31", "0.5"}, {"Text23", "60"}, {"Text29", "1"},
        {"Text28", "2"}, {"Text24", "1"}, {"Text25", "1"}, {"Text22", "1"}, {"Text21", "1"}, {"Text20", "1"},
        {"Text19", "1"}, {"Text27", ""}, {"Text26", ""}, {"Command6", "计  算"}, {"Command5", "打  印"},
    };
    // clang-format on
    for (const auto& [field, expected] : defaults) EXPECT_EQ(text(field).toStdString(), expected) << field;
    EXPECT_TRUE(find<QLineEdit>("Text27")->isReadOnly());
    EXPECT_TRUE(find<QLineEdit>("Text26")->isReadOnly());
}

TEST_F(FrictionPageTest, CalculatesWhatIsTyped) {
    struct Case {
        const char* name;
        Typed typed;
        const char* per_mass;
        const char* head;
    };
    const Case cases[] = {
        {"defaults: fully rough", {}, "56.510", "5.762"},
        // Laminar flow never reads the roughness, so an empty roughness field does not matter.
        {"laminar, no roughness", {{"Text35", "0.1"}, {"Text31", ""}}, "79.440", "8.100"},
        {"notes cleared", {{"Text37", ""}, {"Text36", ""}, {"Text30", ""}}, "56.510", "5.762"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        calculateWith("Command6", c.typed);
        expectResults(c.per_mass, c.head);
    }
}

TEST_F(FrictionPageTest, FailureKeepsResultsAndTypedTexts) {
    // Zero velocity is refused, not shown as zero loss; a smooth pipe cannot be computed in turbulent flow.
    const std::pair<const char*, const char*> bad[] = {
        {"Text33", "0"}, {"Text35", "0"}, {"Text31", "0"}, {"Text31", "-0.5"}, {"Text19", "x"}};
    click("Command6");
    expectResults("56.510", "5.762");
    for (const auto& [field, value] : bad) {
        SCOPED_TRACE(std::string(field) + " = " + value);
        expectRefused("Command6", {{field, value}});
    }
}

TEST_F(FrictionPageTest, PrintChangesNothing) {
    click("Command6");
    type("Text33", "2");
    const QStringList before = allTexts();
    click("Command5");  // fails if a message box opens
    EXPECT_EQ(allTexts(), before);
    EXPECT_TRUE(window().isVisible());
}

}  // namespace
}  // namespace vxr::test
