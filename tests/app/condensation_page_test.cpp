// The condensation page through the real window: the page shown at start, its surface options, each surface,
// failures that keep the last result, the hidden result box and the idle print button.
#include <QGroupBox>
#include <QLineEdit>
#include <string_view>
#include <vector>

#include "app/tab_control.h"
#include "window_test_support.h"

namespace vxr::test {
namespace {

constexpr const char* kSurfaces[] = {"Option10", "Option9", "Option8", "Option7"};

class CondensationPageTest : public WindowTest {};

TEST_F(CondensationPageTest, IsShownAtStartWithTheDefaultCase) {
    EXPECT_EQ(window().tabs()->currentIndex(), 4);
    EXPECT_TRUE(find<QWidget>("Command8")->isVisible());
    // clang-format off
    const std::pair<const char*, const char*> defaults[] = {
        {"Text77", "水蒸汽"}, {"Text78", "1000"}, {"Text80", "0.001"}, {"Text81", "0.618"}, {"Text79", "0.001"},
        {"Text82", "1000"}, {"Text76", "150"}, {"Text75", "120"}, {"Text74", "90"}, {"Text73", "3"},
        {"Text72", "4180"}, {"Text71", "0.108"}, {"Text70", "0.1"}, {"Text83", ""}, {"Text69", ""},
        {"Label84", "蒸气名称："}, {"Label85", "蒸气冷凝潜热（KJ/Kg）："}, {"Label86", "冷凝液粘度（Pa.s）："},
        {"Label87", "冷凝液导热系数W/(m.℃)："}, {"Label82", "蒸汽密度（Kg/M ）："},
        {"Label88", "冷凝液密度(Kg/m  )："}, {"Label83", "蒸汽饱和温度（℃）："}, {"Label79", "壁面温度（℃）："},
        {"Label81", "3"}, {"Label80", "3"}, {"Label74", "2"},
        {"Option10", "倾斜平表面 [平表面与水平面夹角："}, {"Option9", "垂直管外表面"},
        {"Option8", "单根水平管外 [冷凝液比热（J/(Kg.℃）："}, {"Option7", "单根水平管内"},
        {"Label78", "平表面的长度（m）：]"}, {"Label77", "管外径（m）：]"}, {"Label76", "[管内径（m）：]"},
        {"Label75", "传热膜系数W/(m  .℃)"}, {"Command8", "计  算"}, {"Command16", "打  印"},
    };
    // clang-format on
    for (const auto& [field, expected] : defaults) EXPECT_EQ(text(field).toStdString(), expected) << field;
    EXPECT_EQ(find<QGroupBox>("Frame7")->title(), QStringLiteral("输入参数："));
    EXPECT_EQ(find<QGroupBox>("Frame6")->title(), QStringLiteral("冷凝面形式："));
    EXPECT_EQ(find<QGroupBox>("Frame5")->title(), QStringLiteral("计算结果："));
    for (const char* result : {"Text83", "Text69"}) EXPECT_TRUE(find<QLineEdit>(result)->isReadOnly()) << result;
    for (const char* option : kSurfaces) EXPECT_EQ(checked(option), option == kSurfaces[1]) << option;
}

// Each exponent digit stands just above its caption, over the blank left for it.
TEST_F(CondensationPageTest, ExponentsSitOverTheirCaptions) {
    for (const auto& [digit, caption] :
         {std::pair{"Label81", "Label82"}, {"Label80", "Label88"}, {"Label74", "Label75"}})
        expectExponentOver(digit, caption);
}

// The second result box lies below the result frame's lower edge: it exists but is never seen.
TEST_F(CondensationPageTest, SpareResultBoxIsClippedAway) {
    const QWidget* spare = find<QWidget>("Text69");
    EXPECT_EQ(spare->parentWidget(), find<QWidget>("Frame5"));
    EXPECT_TRUE(spare->visibleRegion().isEmpty());
    EXPECT_EQ(spare->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(find<QWidget>("Text83")->visibleRegion().isEmpty());
}

TEST_F(CondensationPageTest, SurfaceOptionsAreExclusive) {
    for (const char* picked : {"Option10", "Option8", "Option7", "Option9"}) {
        SCOPED_TRACE(picked);
        click(picked);
        for (const char* option : kSurfaces) EXPECT_EQ(checked(option), option == std::string_view(picked)) << option;
    }
}

TEST_F(CondensationPageTest, CalculatesEachSurface) {
    struct Case {
        const char* name;
        const char* surface;
        Typed typed;
        const char* alpha;
    };
    const Case cases[] = {
        {"vertical tube", "Option9", {}, "2544.933"},
        // The angle is in degrees: a surface at 90° is vertical.
        {"inclined at 90 degrees", "Option10", {}, "2544.933"},
        {"inclined at 30 degrees", "Option10", {{"Text74", "30"}}, "2140.025"},
        {"outside of a horizontal tube", "Option8", {}, "2907.131"},
        {"inside of a horizontal tube", "Option7", {}, "129.810"},
        {"vertical tube, smaller drop", "Option9", {{"Text76", "130"}}, "3349.320"},
        {"vertical tube ignores angle, cp, diameters and the name",
         "Option9",
         {{"Text74", ""}, {"Text72", "x"}, {"Text71", ""}, {"Text70", ""}, {"Text77", "氨"}},
         "2544.933"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click(c.surface);
        calculateWith("Command8", c.typed);
        EXPECT_EQ(text("Text83").toStdString(), c.alpha);
        EXPECT_EQ(text("Text69"), QString());
    }
}

TEST_F(CondensationPageTest, FailureKeepsTheLastResult) {
    struct Case {
        const char* name;
        const char* surface;
        Typed typed;
    };
    const Case cases[] = {
        {"ts equals tw", "Option9", {{"Text75", "150"}}},
        {"vapour denser than the condensate", "Option9", {{"Text79", "1001"}}},
        {"angle with a negative sine", "Option10", {{"Text74", "200"}}},
        {"no latent heat outside a horizontal tube", "Option8", {{"Text78", "0"}}},
        {"empty latent heat inside a horizontal tube", "Option7", {{"Text78", ""}}},
    };
    click("Command8");
    ASSERT_EQ(text("Text83"), QStringLiteral("2544.933"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        click(c.surface);
        expectRefused("Command8", c.typed);
    }
}

TEST_F(CondensationPageTest, PrintChangesNothing) {
    click("Command8");
    const QStringList before = allTexts();
    click("Command16");  // fails if a message box opens
    EXPECT_EQ(allTexts(), before);
    EXPECT_TRUE(checked("Option9"));
}

}  // namespace
}  // namespace vxr::test
