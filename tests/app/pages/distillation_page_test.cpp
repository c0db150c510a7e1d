// The 精馏计算 page beyond its results (those are the property test's, its layout the main window test's): the
// McCabe–Thiele diagram of the last calculation: its button, its window, its image and the copy.

#include "app/case/case_file.h"
#include "app/case/workspace.h"
#include "app/pages/mccabe_thiele_diagram.h"
#include "app/window_test_support.h"
#include "calc/distillation/shortcut_column.h"

namespace vxr::test {
namespace {

using DistillationPageTest = WindowTest;

calc::Staircase staircase(const char* alpha = "2.5") {
    return *calc::column_staircase({"100", "0.4", "0.95", "0.05", alpha, "1", "1.5"});
}

// 图解… waits for a calculation that finishes; its window then shows the last one, whatever was typed since or
// refused since, and follows the next that finishes, with a note above it while the page's inputs differ from those
// drawn; after a case is applied, the staircase of the calculation it holds (none without one); 复制图像 puts the
// picture on the clipboard.
TEST_F(DistillationPageTest, DiagramShowsTheLastCalculation) {
    showPage("distillationPage");
    setText("distBottomComp", "0");
    expectMessage(clickAndCatch("distCalculate"), "运行错误", "组成须满足 0 < 塔底组成 < 进料组成 < 塔顶组成 < 1。");
    EXPECT_FALSE(find("distDiagramButton")->isEnabled());
    setText("distBottomComp", "0.05");
    click("distCalculate");
    click("distDiagramButton");
    auto* diagram = find<app::McCabeThieleWindow>("distDiagram");
    ASSERT_TRUE(diagram);
    EXPECT_TRUE(diagram->isVisible() && diagram->isWindow() && !diagram->isModal());
    const QImage defaults = app::drawMcCabeThiele(staircase());
    EXPECT_EQ(diagram->image(), defaults);
    type("distAlpha", "3");  // typed, not calculated
    setText("distRefluxFactor", "1");
    expectMessage(clickAndCatch("distCalculate"), "运行错误", "回流比倍数必须大于1。");
    click("distDiagramButton");
    EXPECT_EQ(diagram->image(), defaults);
    setText("distRefluxFactor", "1.5");
    click("distCalculate");  // the open window follows
    EXPECT_EQ(diagram->image(), app::drawMcCabeThiele(staircase("3")));
    auto* note = find<QLabel>("distDiagramNote");
    EXPECT_FALSE(note->isVisible());
    setText("distAlpha", "4");
    EXPECT_EQ(note->isVisible() ? note->text() : "", "注意：计算后已修改相对挥发度 α，图为计算时所用的值。");
    const app::casefile::Document held = window().workspace()->document();
    window().workspace()->apply(app::casefile::fresh(), false);
    EXPECT_FALSE(find("distDiagramButton")->isEnabled() || diagram->isVisible());
    window().workspace()->apply(held, false);
    ASSERT_TRUE(find("distDiagramButton")->isEnabled());
    click("distDiagramButton");
    EXPECT_EQ(diagram->image(), app::drawMcCabeThiele(staircase("3")));
    EXPECT_TRUE(note->isVisible());
    setText("distAlpha", "3");
    EXPECT_FALSE(note->isVisible());
    QApplication::clipboard()->clear();
    click("distDiagramCopy");
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32),
              diagram->image().convertToFormat(QImage::Format_ARGB32));
}

// The defaults drawn into an image of the fixed size: the curve, the feed stage's mark, white where nothing is drawn.
TEST(McCabeThieleDiagram, DrawsTheDefaultsIntoAnImage) {
    const QImage image = app::drawMcCabeThiele(staircase());
    EXPECT_EQ(image.size(), QSize(720, 740));
    qsizetype drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) drawn += image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(drawn, image.width() * image.height() / 50);  // not blank: a few per cent of the pixels drawn
    // Plot corner (86, 76), 600 px a unit: the feed stage (0.394923, 0.619902), the curve at x 0.5 (y 0.714286).
    EXPECT_EQ(image.pixel(86 + 237, 76 + 228), qRgb(150, 0, 150));
    const QRgb curve = image.pixel(86 + 300, 76 + 171);
    EXPECT_TRUE(qBlue(curve) > 150 && qRed(curve) < 100) << std::hex << curve;
    EXPECT_EQ(image.pixel(86 + 90, 76 + 90), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace vxr::test
