// The program's style paints its tall frames in bands; what it paints must be what Fusion paints, pixel for pixel,
// at any height, the band boundaries included.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionTabWidgetFrame>
#include <memory>

#include "app/look.h"

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

QImage grabGroupBox(QStyle* style, QSize size, const QString& title) {
    QGroupBox box(title);
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
    for (const int height : {40, 95, 96, 97, 190, 191, 540}) {
        const QSize size(420, height);
        EXPECT_EQ(paintTabFrame(program, size), paintTabFrame(fusion.get(), size)) << "tab frame, height " << height;
        for (const QString& title : {QStringLiteral("输入参数："), QString()})
            EXPECT_EQ(grabGroupBox(program, size, title), grabGroupBox(fusion.get(), size, title))
                << "group box, height " << height << (title.isEmpty() ? ", no title" : ", titled");
    }
}

}  // namespace
}  // namespace vxr::test
