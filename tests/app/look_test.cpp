// The program's style paints its tall frames in bands; what it paints must be what Fusion paints, pixel for pixel,
// at any height, the band boundaries included.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionTabWidgetFrame>
#include <QToolButton>
#include <memory>

#include "app/look.h"
#include "app/main_window.h"

namespace vxr::test {
namespace {

QImage paintTabFrame(QStyle* style, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QStyleOptionTabWidgetFrame frame;
    frame.rect = QRect(QPoint(0, 0), size);
    frame.palette = QApplication::palette();
    frame.state = QStyle::State_Enabled;
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    style->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter);
    return image;
}

enum class Title { kText, kNone, kCheckBox };

QImage grabGroupBox(QStyle* style, QSize size, Title title) {
    QGroupBox box(title == Title::kNone ? QString() : QStringLiteral("输入参数："));
    box.setCheckable(title == Title::kCheckBox);
    box.setStyle(style);
    box.setFont(app::defaultFont());
    box.resize(size);
    return box.grab().toImage();
}

TEST(ProgramStyle, TallFramesPaintAsFusionDoes) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyle* program = QApplication::style();
    ASSERT_TRUE(qobject_cast<QProxyStyle*>(program)) << "the program's own style, set by prepareApplication";
    // Below, at and around one band (95 rows), several bands, and a page frame's height.
    for (const int height : {40, 95, 96, 97, 190, 191, 300, 540}) {
        const QSize size(420, height);
        EXPECT_EQ(paintTabFrame(program, size), paintTabFrame(fusion.get(), size)) << "tab frame, height " << height;
    }
    // Group boxes with a title, without and with a check box; from too small for a frame to taller than a band, and
    // around the band's width.
    for (const Title title : {Title::kText, Title::kNone, Title::kCheckBox})
        for (const int width : {12, 13, 60, 95, 96, 97, 191, 420})
            for (const int height : {10, 30, 31, 40, 96, 97, 191, 300, 540}) {
                const QSize size(width, height);
                EXPECT_EQ(grabGroupBox(program, size, title), grabGroupBox(fusion.get(), size, title))
                    << "group box " << width << "x" << height << ", title kind " << static_cast<int>(title);
            }
}

// Text boxes of one size share one drawn panel within a frame: boxes of other sizes, colours or states must not.
TEST(ProgramStyle, TextBoxesPaintAsFusionDoes) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    enum Kind { kInput, kResult, kTinted, kDisabled };
    const auto grab = [](QStyle* style, QSize size, Kind kind) {
        QLineEdit box(QStringLiteral("1000"));
        box.setStyle(style);
        box.setFont(app::defaultFont());
        if (kind == kResult) app::styleResultBox(&box);
        if (kind == kTinted) {  // another colour, same state
            QPalette p = box.palette();
            p.setColor(QPalette::Base, QColor(255, 255, 200));
            box.setPalette(p);
        }
        box.setEnabled(kind != kDisabled);
        box.resize(size);
        return box.grab().toImage();
    };
    // All in one go, with no turn of the event loop between them, as the boxes of one page in one frame.
    for (const QSize size : {QSize(69, 22), QSize(137, 20), QSize(69, 22), QSize(108, 24)})
        for (const Kind kind : {kInput, kResult, kTinted, kDisabled})
            EXPECT_EQ(grab(QApplication::style(), size, kind), grab(fusion.get(), size, kind))
                << size.width() << "x" << size.height() << " kind " << kind;
}

// The menu bar's button for menus that overflow the window is built with the window; its icon must be Fusion's.
TEST(ProgramStyle, MenuOverflowButtonShowsFusionsIcon) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    app::MainWindow window;
    const auto* button = window.menuBar()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    ASSERT_TRUE(button);
    const QIcon expected = fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(button->icon().availableSizes(), expected.availableSizes());
    for (const int size : {8, 16, 32})
        EXPECT_EQ(button->icon().pixmap(size).toImage(), expected.pixmap(size).toImage()) << size << " px";
}

}  // namespace
}  // namespace vxr::test
