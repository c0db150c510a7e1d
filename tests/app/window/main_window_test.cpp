// The window itself: caption, tabs, menus, the About box, keyboard page switching, pages built when first opened and
// the look of every page, the style's band painting included.
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyleFactory>
#include <QStyleOptionTabWidgetFrame>
#include <memory>
#include <vector>

#include "app/case/workspace.h"
#include "app/kit/form.h"
#include "app/kit/look.h"
#include "app/kit/settings.h"
#include "app/kit/tab_control.h"
#include "app/kit/version.h"
#include "app/pages/page_list.h"
#include "app/window_test_support.h"
#include "calc/catalogue.h"

namespace vxr::test {
namespace {

using MainWindowTest = WindowTest;

// The tabs in rows of four, the selected tab's row next to the page; the window opens on 冷凝膜系数.
TEST_F(MainWindowTest, TabsAndCaption) {
    EXPECT_EQ(window().objectName() + " " + window().windowTitle(), "Form1 VXR [V1.00]");
    // The design's 10290 × 9270 twips with its three rows of tabs, and a row of 295 twips for each row the pages add.
    const int more_rows = (app::tabRows(app::pages().size()) - 3) * 295;
    EXPECT_EQ(window().centralWidget()->size(), QSize(686, app::pixels(9270 + more_rows)));
    EXPECT_FALSE(window().windowIcon().isNull());
    auto* tabs = find<app::TabControl>("SSTab1");
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i) captions << tabs->tabText(i);
    EXPECT_EQ(captions.join(' '),
              "管径计算 管道阻力计算 离心泵安装高度计算 传热膜系数计算 冷凝膜系数 精馏计算 单效蒸发 "
              "干燥计算 吸收计算 安全阀计算 管道应力判断 单位换算 调节阀计算");
    EXPECT_EQ(tabs->page(tabs->currentIndex())->objectName(), "condensationPage");
    EXPECT_TRUE(window().page("condensationPage")->isVisible() && !window().page("pipeDiameterPage")->isVisible());
    for (int i = 0; i < tabs->count(); ++i) {
        showPage(qPrintable(tabs->page(i)->objectName()));
        for (int j = 0; j < tabs->count(); ++j) {
            EXPECT_NEAR(tabs->tabRect(j).width(), tabs->width() / 4.0, 1.0) << j;  // four equal tabs a row
            EXPECT_EQ(tabs->tabRect(j).top() < tabs->tabRect(i).top(), j / 4 != i / 4) << i << " " << j;
        }
        EXPECT_EQ(tabs->tabRect(i).bottom() + 1, tabs->page(i)->y());  // the selected tab's row next to the page
    }
}

// Pages added until they need a new row of tabs (with the twelve pages of the design, a thirteenth): the tab control
// and the window grow by a row as tall as the others, and every page moves down by it, laid out as before.
TEST(MainWindowPages, APageBeyondTheRowsAddsATabRow) {
    app::MainWindow today;
    std::vector<app::PageInfo> list(app::pages().begin(), app::pages().end());
    const app::PageInfo& absorption = *app::findPage("absorptionPage");
    const char* const added[] = {"addedPage1", "addedPage2", "addedPage3", "addedPage4"};
    for (const char* name : added)
        if (app::tabRows(list.size()) == app::tabRows(app::pages().size()))
            list.push_back({name, "添加的页", absorption.calculation, absorption.build});
    const app::PageListForTest more_pages(list);
    app::MainWindow more;
    app::TabControl* tabs = more.tabs();
    const int count = static_cast<int>(list.size());
    ASSERT_EQ(tabs->count(), count);
    const int row = today.tabs()->tabRect(0).height();
    const int grown = tabs->height() - today.tabs()->height();  // a row of twips, rounded to pixels
    EXPECT_TRUE(grown >= row && grown <= row + 1) << grown;
    EXPECT_EQ(tabs->width(), today.tabs()->width());
    EXPECT_EQ(more.sizeHint(), today.sizeHint() + QSize(0, grown));
    QSet<int> tops;
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(tabs->tabRect(i).height(), row) << i;
        tops << tabs->tabRect(i).top();
    }
    EXPECT_EQ(tops.size(), app::tabRows(list.size()));
    for (const char* name : {"absorptionPage", list.back().name}) {
        QWidget* page = more.page(name);
        const QWidget* before = today.page("absorptionPage");
        EXPECT_EQ(page->geometry(), before->geometry().translated(0, grown)) << name;
        for (const char* frame : {"absInputFrame", "absResultFrame", "absCalculate"})
            EXPECT_EQ(page->findChild<QWidget*>(frame)->geometry(), before->findChild<QWidget*>(frame)->geometry())
                << name << " " << frame;
    }
}

// Every calculation of the core is run by exactly one page of the window.
TEST(PageList, RunsEveryCalculationOnce) {
    for (const calc::Calculation& c : calc::calculations())
        EXPECT_EQ(std::count_if(app::pages().begin(), app::pages().end(),
                                [&](const app::PageInfo& p) { return p.calc() == &c; }),
                  1)
            << c.name();
}

TEST_F(MainWindowTest, KeyboardSwitchesPagesWithoutTouchingFields) {
    auto* tabs = find<app::TabControl>("SSTab1");
    showPage("pipeDiameterPage");
    type("Text3", "77");
    QTest::keyClick(find("Text3"), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs->currentIndex(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs->currentIndex(), 0);
    tabs->setFocus();
    for (const auto& [key, index] :
         {std::pair{Qt::Key_Left, tabs->count() - 1}, {Qt::Key_Right, 0}, {Qt::Key_Down, 4}, {Qt::Key_Up, 0}}) {
        QTest::keyClick(tabs, key);
        EXPECT_EQ(tabs->currentIndex(), index) << key;
    }
    EXPECT_EQ(text("Text3") + "|" + text("Text5"), "77|");
}

// The About box keeps its first line and names every page; every menu entry has its key; 退出 closes the window.
TEST_F(MainWindowTest, MenusAndAbout) {
    const auto about = catchMessage([&] { find<QAction>("guanyu")->trigger(); });
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->title == "VXR" && about->text.startsWith(app::programName() + ".\n") && about->buttons == 1);
    for (const app::PageInfo& page : app::pages()) EXPECT_TRUE(about->text.contains(page.caption)) << page.name;
    // Every entry of the menus has its Alt+letter, 帮助 names F1's 本页帮助 first, 退出 is Ctrl+Q.
    for (const QAction* menu : window().menuBar()->actions())
        for (const QAction* a : menu->menu()->actions())
            EXPECT_TRUE(a->isSeparator() || a->text().contains(QRegularExpression("\\(&[A-Z]\\)")))
                << a->text().toStdString();
    const QAction* first = find<QMenu>("HELP")->actions().value(0);
    EXPECT_EQ(first->objectName() + " " + first->text() + " " + first->shortcut().toString(),
              "pageHelp 本页帮助(&P) F1");
    EXPECT_TRUE(window().isVisible());
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
    const auto tab = [](const char* name) { return int(app::findPage(name) - app::pages().data()); };
    const auto clickTab = [&](const char* name) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab(name)).center());
    };
    for (int i = 0; i < tabs->count(); ++i) EXPECT_EQ(tabs->isBuilt(i), i == tab(app::kStartPage)) << i;
    const auto flow = [&] { return window.findChildren<QLineEdit*>(QStringLiteral("Text3")); };
    EXPECT_TRUE(flow().isEmpty());
    clickTab("pipeDiameterPage");
    ASSERT_EQ(flow().size(), 1);
    QLineEdit* box = flow()[0];
    EXPECT_TRUE(box->isVisible() && box->text() == "50" && !window.page(app::kStartPage)->isVisible());
    // Built after the window was shown, in the same place.
    EXPECT_EQ(window.page("pipeDiameterPage")->geometry(), window.page(app::kStartPage)->geometry());
    box->setText(QStringLiteral("12.5"));
    clickTab("stressPage");
    clickTab("pipeDiameterPage");
    EXPECT_EQ(flow(), QList<QLineEdit*>{box});  // the same page, not built again
    EXPECT_EQ(box->text(), "12.5");
    EXPECT_FALSE(window.page("frictionPage")->isVisible());  // asking for a page builds it hidden
    EXPECT_TRUE(!tabs->page(tabs->count()) && !tabs->page(-1) && !window.page("noSuchPage"));
}

// On every page: captions are whole, result boxes have the result look, buttons read as designed; on the added pages
// and the pipe-stress page with its added 路线表… no control overlaps another (the small exponent digits over their
// captions aside).
TEST_F(MainWindowTest, EveryCaptionFitsAndNothingOverlaps) {
    for (QLabel* label : window().findChildren<QLabel*>())
        EXPECT_TRUE(label->text().isEmpty() ||
                    (label->width() >= label->sizeHint().width() && label->height() >= label->sizeHint().height()))
            << label->objectName().toStdString();
    for (QAbstractButton* b : window().findChildren<QAbstractButton*>()) {
        // A push button's hint includes a minimum width; what must fit is its caption.
        const int needed =
            qobject_cast<QPushButton*>(b) ? b->fontMetrics().horizontalAdvance(b->text()) + 8 : b->sizeHint().width();
        EXPECT_TRUE(b->objectName().isEmpty() || b->width() >= needed) << b->objectName().toStdString();
    }
    for (QLineEdit* box : window().findChildren<QLineEdit*>())
        EXPECT_TRUE(!box->isReadOnly() || (box->palette().color(QPalette::Base) == QColor(192, 255, 255) &&
                                           box->palette().color(QPalette::Text) == QColor(255, 0, 0)))
            << box->objectName().toStdString();
    for (const char* page : {"distillationPage", "evaporationPage", "dryingPage", "absorptionPage", "reliefPage",
                             "unitPage", "stressPage"}) {
        QList<QWidget*> parents{window().page(page)};
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

// The added pages' frames stand where their design puts them (twips from the tab control's corner, tab rows
// included): the inputs' frame at its top, the results' `gap` below, each as tall as its rows need (two boxes to a
// row: 330 twips to the first, 420 from row to row) and `padding` below the last; an input added grows its frame.
TEST_F(MainWindowTest, AddedPagesKeepTheirFrames) {
    const std::tuple<const char*, const char*, int, int, int> pages[] = {
        {"distInputFrame", "distResultFrame", 990, 210, 90},
        {"evapInputFrame", "evapResultFrame", 990, 120, 30},
        {"dryInputFrame", "dryResultFrame", 990, 120, 30},
        {"absInputFrame", "absResultFrame", 990, 210, 90},
        {"reliefInputFrame", "reliefResultFrame", 1710, 120, 30}};
    const auto expect = [&](const char* name, app::Twips at) {
        EXPECT_EQ(find(name)->geometry(), QRect(app::pixels(at.left), app::pixels(at.top - app::kTabRowsTwips),
                                                app::pixels(at.width), app::pixels(at.height)))
            << name;
    };
    expect("reliefMedium", {120, 990, 9780, 600});
    for (auto [inputs, results, top, gap, padding] : pages) {
        for (const char* frame : {inputs, results}) {
            const auto rows = static_cast<int>(find(frame)->findChildren<QLineEdit*>().size() + 1) / 2;
            const int height = 330 + rows * 420 + padding;
            expect(frame, {120, top, 9780, height});
            top += height + gap;
        }
    }
}

// Esc closes the manual and the diagram. In 路线表, 工程信息 and 设置, Esc closes at once where nothing was changed and
// asks where something was: 继续编辑 keeps the dialog and the change, 放弃修改 closes it keeping nothing; 取消 never
// asks.
TEST_F(MainWindowTest, EscapeClosesWindowsAndAsksBeforeDroppingChanges) {
    const auto escape = [](QWidget* w) {
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w));
        QTest::keyClick(w, Qt::Key_Escape);
    };
    window().openManual("frictionPage");
    showPage("distillationPage");
    click("distCalculate");
    click("distDiagramButton");
    for (const char* name : {"manualWindow", "distDiagram"}) {
        escape(find(name));
        EXPECT_FALSE(find(name)->isVisible()) << name;
    }

    showPage("stressPage");
    const std::tuple<const char*, std::function<void()>, std::function<void(QDialog&)>> dialogs[] = {
        {"routeTableDialog", [&] { find<QPushButton>("routeTableButton")->click(); },
         [](QDialog& d) { d.findChild<QPushButton*>("routeInsertRow")->click(); }},
        {"projectInfoDialog", [&] { find<QAction>("projectInfo")->trigger(); },
         [](QDialog& d) { d.findChild<QLineEdit*>("projectName")->setText("乙烯"); }},
        {"settingsDialog", [&] { find<QAction>("SETUP")->trigger(); },
         [](QDialog& d) { d.findChild<QCheckBox*>("restoreSession")->toggle(); }}};
    for (const auto& [name, open, change] : dialogs) {
        const QStringList before = snapshot(window());
        for (const char* how : {"unchanged", "继续编辑", "取消"}) {
            QTimer::singleShot(50, [&, name = name, change = change] {
                auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                ASSERT_TRUE(d && d->objectName() == name) << name;
                if (how == std::string_view("unchanged")) {
                    EXPECT_FALSE(catchMessage([&] { QTest::keyClick(d, Qt::Key_Escape); })) << name;
                    return;
                }
                change(*d);
                if (how == std::string_view("取消")) {
                    for (QPushButton* b : d->findChildren<QPushButton*>())
                        EXPECT_TRUE(b->text() != "取消" || !catchMessage([b] { b->click(); })) << name;
                    return;
                }
                pressWith("继续编辑");
                const auto asked = catchMessage([&] { QTest::keyClick(d, Qt::Key_Escape); });
                ASSERT_TRUE(asked) << name;
                EXPECT_EQ(QSet<QString>(asked->captions.begin(), asked->captions.end()),
                          QSet<QString>({"放弃修改", "继续编辑"}));
                EXPECT_TRUE(d->isVisible()) << name;
                pressWith("放弃修改");
                EXPECT_TRUE(catchMessage([&] { d->close(); })) << name;
            });
            open();
            EXPECT_FALSE(QApplication::activeModalWidget()) << name << " " << how;
        }
        EXPECT_EQ(changed(before, snapshot(window())), QStringList()) << name;
    }
    EXPECT_TRUE(app::settings::restoreSession() && window().workspace()->project().isEmpty());
}

QImage tabFrame(QStyle* style, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QStyleOptionTabWidgetFrame frame;
    frame.rect = QRect(QPoint(0, 0), size);
    frame.palette = QApplication::palette();
    frame.state = QStyle::State_Enabled;
    frame.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    style->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter);
    return image;
}

QImage groupBox(QStyle* style, QSize size, const QString& title) {
    QGroupBox box(title);
    box.setStyle(style);
    box.setFont(app::defaultFont());
    box.resize(size);
    return box.grab().toImage();
}

// The program's style paints its tall frames in bands; what it paints must be what Fusion paints, pixel for pixel,
// at any height, the band boundaries included.
TEST(ProgramStyle, TallFramesPaintAsFusionDoes) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QStyle* program = QApplication::style();
    ASSERT_TRUE(qobject_cast<QProxyStyle*>(program)) << "the program's own style, set by prepareApplication";
    // Below, at and around one band (95 rows), several bands, and a page frame's height.
    for (const int height : {40, 95, 96, 97, 190, 191, 540}) {
        const QSize size(420, height);
        EXPECT_EQ(tabFrame(program, size), tabFrame(fusion.get(), size)) << "tab frame " << height;
        for (const QString& title : {QStringLiteral("输入参数："), QString()})
            EXPECT_EQ(groupBox(program, size, title), groupBox(fusion.get(), size, title))
                << "group box " << height << (title.isEmpty() ? ", no title" : ", titled");
    }
}

}  // namespace
}  // namespace vxr::test
