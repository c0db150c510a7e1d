// The window itself: caption, tabs, menus, the About box, keyboard page switching and the look of every page.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "app/tab_control.h"
#include "window_test_support.h"

namespace vxr::test {
namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, OpensOnTheCondensationPageWithTwelveTabs) {
    EXPECT_EQ(window().objectName(), "Form1");
    EXPECT_EQ(window().windowTitle(), "VXR [V1.00]");
    auto* tabs = find<app::TabControl>("SSTab1");
    ASSERT_TRUE(tabs);
    const QStringList captions = {"管径计算",   "管道阻力计算", "离心泵安装高度计算", "传热膜系数计算",
                                  "冷凝膜系数", "精馏计算",     "单效蒸发",           "干燥计算",
                                  "吸收计算",   "安全阀计算",   "管道应力判断",       "单位换算"};
    ASSERT_EQ(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i) EXPECT_EQ(tabs->tabText(i), captions[i]);
    EXPECT_EQ(tabs->currentIndex(), 4);
    EXPECT_TRUE(tabs->page(4)->isVisible());
    EXPECT_FALSE(tabs->page(0)->isVisible());
    EXPECT_EQ(window().centralWidget()->size(), QSize(686, 618));
    EXPECT_FALSE(window().windowIcon().isNull());
}

TEST_F(MainWindowTest, TabsSitInThreeRowsOfFourWithTheSelectedRowNextToThePage) {
    auto* tabs = find<app::TabControl>("SSTab1");
    for (int i = 0; i < 12; ++i) {
        showPage(i);
        const int bottom_row_top = tabs->tabRect(i).top();
        for (int j = 0; j < 12; ++j) {
            EXPECT_NEAR(tabs->tabRect(j).width(), tabs->width() / 4.0, 1.0) << j;  // four equal tabs a row
            if (j / 4 == i / 4)
                EXPECT_EQ(tabs->tabRect(j).top(), bottom_row_top) << i << " " << j;
            else
                EXPECT_LT(tabs->tabRect(j).top(), bottom_row_top) << i << " " << j;
        }
        EXPECT_EQ(tabs->tabRect(i).bottom() + 1, 59);  // the tab rows take the top 885 twips
    }
}

TEST_F(MainWindowTest, KeyboardSwitchesPagesWithoutTouchingFields) {
    auto* tabs = find<app::TabControl>("SSTab1");
    showPage(0);
    type("Text3", "77");
    QTest::keyClick(find<QLineEdit>("Text3"), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
    tabs->setFocus();
    QTest::keyClick(tabs, Qt::Key_Left);
    EXPECT_EQ(tabs->currentIndex(), 11);
    QTest::keyClick(tabs, Qt::Key_Right);
    QTest::keyClick(tabs, Qt::Key_Down);
    EXPECT_EQ(tabs->currentIndex(), 4);
    QTest::keyClick(tabs, Qt::Key_Up);
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(text("Text3"), "77");
    EXPECT_EQ(text("Text5"), "");
}

TEST_F(MainWindowTest, MenusAndAbout) {
    // 设置 and 内容 do nothing.
    for (const char* inert : {"SETUP", "neirong"})
        EXPECT_FALSE(catchMessage([&] { find<QAction>(inert)->trigger(); })) << inert;
    EXPECT_TRUE(window().isVisible());

    const auto about = catchMessage([&] { find<QAction>("guanyu")->trigger(); });
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->title == "VXR" && about->text.startsWith("VXR V1.00.") && about->buttons == 1);

    find<QAction>("EXIT")->trigger();
    EXPECT_FALSE(window().isVisible());
}

// A fresh window builds only the page it opens on; any other page is built when its tab is first clicked, with its
// default texts, and keeps what was typed on it from then on.
TEST(MainWindowPages, BuiltWhenFirstOpenedAndKeptAfterwards) {
    app::MainWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    app::TabControl* tabs = window.tabs();
    for (int i = 0; i < tabs->count(); ++i) EXPECT_EQ(tabs->isBuilt(i), i == 4) << i;
    EXPECT_TRUE(window.findChild<QLineEdit*>(QStringLiteral("Text77")));  // condensation page
    EXPECT_FALSE(window.findChild<QLineEdit*>(QStringLiteral("Text3")));  // pipe-diameter page, not opened yet

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    ASSERT_EQ(tabs->currentIndex(), 0);
    auto* flow = window.findChild<QLineEdit*>(QStringLiteral("Text3"));
    ASSERT_TRUE(flow);
    EXPECT_TRUE(flow->isVisible());
    EXPECT_FALSE(tabs->page(4)->isVisible());
    EXPECT_EQ(tabs->page(0)->geometry(), tabs->page(4)->geometry());  // built after the window was shown
    EXPECT_EQ(flow->text(), "50");
    flow->setText(QStringLiteral("12.5"));

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(10).center());
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_EQ(window.findChild<QLineEdit*>(QStringLiteral("Text3")), flow);  // the same page, not built again
    EXPECT_EQ(flow->text(), "12.5");
    EXPECT_EQ(window.findChildren<QLineEdit*>(QStringLiteral("Text3")).size(), 1);
    // Asking for a page builds it hidden; an index outside the control has no page.
    EXPECT_FALSE(tabs->page(1)->isVisible());
    EXPECT_EQ(tabs->page(12), nullptr);
    EXPECT_EQ(tabs->page(-1), nullptr);
}

// On every page: captions are whole, result boxes have the result look, buttons read as designed.
TEST_F(MainWindowTest, EveryCaptionFitsItsBox) {
    for (QLabel* label : window().findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
        EXPECT_GE(label->height(), label->sizeHint().height()) << label->objectName().toStdString();
    }
    for (QAbstractButton* b : window().findChildren<QAbstractButton*>()) {
        if (b->objectName().isEmpty()) continue;
        // A push button's hint includes a minimum width; what must fit is its caption.
        const int needed =
            qobject_cast<QPushButton*>(b) ? b->fontMetrics().horizontalAdvance(b->text()) + 8 : b->sizeHint().width();
        EXPECT_GE(b->width(), needed) << b->objectName().toStdString();
    }
    for (QLineEdit* box : window().findChildren<QLineEdit*>()) {
        if (!box->isReadOnly()) continue;
        EXPECT_EQ(box->palette().color(QPalette::Base), QColor(192, 255, 255)) << box->objectName().toStdString();
        EXPECT_EQ(box->palette().color(QPalette::Text), QColor(255, 0, 0)) << box->objectName().toStdString();
    }
}

// On the added pages no control overlaps another, the small exponent digits over their captions aside.
TEST_F(MainWindowTest, AddedPagesHaveNoOverlappingControls) {
    for (const int page : {5, 6, 7, 8, 9, 11}) {
        QList<QWidget*> parents{window().tabs()->page(page)};
        for (QGroupBox* frame : parents[0]->findChildren<QGroupBox*>()) parents << frame;
        for (const QWidget* parent : parents) {
            QList<const QWidget*> controls;
            for (const QWidget* w : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (!w->objectName().isEmpty() && !w->isWindow() && !w->testAttribute(Qt::WA_TransparentForMouseEvents))
                    controls << w;
            for (qsizetype i = 0; i < controls.size(); ++i)
                for (qsizetype j = i + 1; j < controls.size(); ++j)
                    EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                        << page << ": " << controls[i]->objectName().toStdString() << " and "
                        << controls[j]->objectName().toStdString();
        }
    }
}

}  // namespace
}  // namespace vxr::test
