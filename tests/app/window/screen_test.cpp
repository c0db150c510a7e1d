// The window on screens of every size: at its design size nothing moves and nothing scrolls; larger, the tab band
// spans the width and the pages keep their layout at its top left; smaller, every control is reached by scrolling.
// Its size is remembered. The diagram is drawn at its window's size; Qt's file dialog lists in Chinese. On a laptop
// screen (1366 × 768 at 125 %, run by CTest as a test of its own) the window and every dialog open inside the screen.
#include <QDebug>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeView>

#include "app/kit/form.h"
#include "app/kit/screen.h"
#include "app/kit/settings.h"
#include "app/kit/tab_control.h"
#include "app/pages/mccabe_thiele_diagram.h"
#include "app/pages/page_list.h"
#include "app/window_test_support.h"

namespace vxr::test {
namespace {

using ScreenTest = WindowTest;

QScrollArea* scrollOf(app::MainWindow& window) {
    return window.findChild<QScrollArea*>("formScroll");
}

// What a user works with on a page: text boxes, buttons, options, lists and the captions of them all.
QList<QWidget*> controls(QWidget* page) {
    QList<QWidget*> all;
    for (QWidget* w : page->findChildren<QWidget*>())
        if (w->isVisibleTo(page) && (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                                     qobject_cast<QComboBox*>(w) || qobject_cast<QLabel*>(w)))
            all << w;
    return all;
}

// Each control of every page: its page, name and place on its page.
QStringList places(app::MainWindow& window) {
    QStringList all;
    for (int i = 0; i < window.tabs()->count(); ++i)
        for (QWidget* page = window.tabs()->page(i); QWidget * w : controls(page))
            QDebug(&all.emplace_back()) << page->objectName() << w->objectName()
                                        << QRect(w->mapTo(page, QPoint()), w->size());
    return all;
}

// The controls of every page that cannot be brought whole into the window by scrolling to them (or, where one is
// larger than the window, to fill it).
QStringList unreachable(app::MainWindow& window) {
    QStringList missing;
    QScrollArea* scroll = scrollOf(window);
    for (int i = 0; i < window.tabs()->count(); ++i) {
        window.tabs()->setCurrentIndex(i);
        for (QWidget* w : controls(window.tabs()->page(i))) {
            const QRect whole(w->mapTo(scroll->widget(), QPoint(0, 0)), w->size());
            scroll->ensureVisible(whole.right(), whole.bottom(), 1, 1);  // the far corner, then the near one
            scroll->ensureVisible(whole.left(), whole.top(), 0, 0);
            const QRect at(w->mapTo(scroll->viewport(), QPoint(0, 0)), w->size());
            const QRect view = scroll->viewport()->rect();  // a control wider than the view fills it
            if ((at & view).size() != at.size().boundedTo(view.size())) missing << w->objectName();
        }
    }
    return missing;
}

void resizeAndWait(QWidget* window, QSize size) {
    window->resize(size);
    QTRY_COMPARE(window->size(), size);
    QCoreApplication::processEvents();
}

TEST_F(ScreenTest, DesignSizeLargerAndSmaller) {
    QScrollArea* scroll = scrollOf(window());
    const auto scrolling = [&] {
        return scroll->horizontalScrollBar()->isVisible() || scroll->verticalScrollBar()->isVisible();
    };
    EXPECT_FALSE(scrolling());
    EXPECT_EQ(scroll->viewport()->size(), scroll->widget()->size());
    const int more_rows = (app::tabRows(app::pages().size()) - 3) * 295;  // twips beyond the design's three rows
    EXPECT_EQ(window().tabs()->geometry(), QRect(6, 3, 670, app::pixels(8970 + more_rows)));
    const QStringList designed = places(window());

    // Larger: the tab control across the width and down to the design's margins, every page as designed.
    resizeAndWait(&window(), window().size() + QSize(300, 150));
    EXPECT_FALSE(scrolling());
    EXPECT_EQ(window().tabs()->geometry(), QRect(6, 3, 670 + 300, window().tabs()->height()));
    EXPECT_EQ(window().tabs()->tabRect(3).right() + 1, window().tabs()->width());
    EXPECT_EQ(places(window()), designed);

    // Smaller than a page: it scrolls both ways and every control can be brought into view.
    resizeAndWait(&window(), app::MainWindow::kSmallest);
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible() && scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(unreachable(window()), QStringList());
    EXPECT_EQ(places(window()), designed);
    window().resize(100, 100);  // no smaller than the smallest, which fits a 1024 × 544 screen
    QCoreApplication::processEvents();
    EXPECT_EQ(window().size(), app::MainWindow::kSmallest);
    EXPECT_TRUE(app::MainWindow::kSmallest.width() <= 1024 && app::MainWindow::kSmallest.height() <= 544);
}

// The size when closed, and the maximised state, are those of the next start; the first start has the design's.
TEST(WindowSize, RememberedAcrossARestart) {
    const QSize chosen(760, 700);
    {
        app::MainWindow first;
        first.showWhereLeft();
        EXPECT_EQ(first.size(), first.sizeHint());
        resizeAndWait(&first, chosen);
        first.close();
    }
    {
        app::MainWindow second;
        second.showWhereLeft();
        EXPECT_EQ(second.size(), chosen);
        EXPECT_FALSE(second.isMaximized());
        second.showMaximized();
        QTRY_VERIFY(second.isMaximized());
        second.close();
    }
    app::MainWindow third;
    third.showWhereLeft();
    EXPECT_TRUE(third.isMaximized());
    third.showNormal();
    QTRY_COMPARE(third.size(), chosen);
    app::settings::setWindowPlacement(QSize(), false);
}

// The diagram fills its window at any size, in proportion: the plot's corners and an empty spot inside it where the
// drawing scaled to the view puts them.
TEST_F(ScreenTest, DiagramRedrawnAtItsWindowsSize) {
    showPage("distillationPage");
    click("distCalculate");
    click("distDiagramButton");
    QWidget* diagram = find("distDiagram");
    QWidget* view = find("distDiagramPicture");
    for (const QSize size : {QSize(480, 520), QSize(1000, 900)}) {
        resizeAndWait(diagram, size);
        const QImage shot = view->grab().toImage();
        const QRectF place = app::diagramPlace(view->size());
        EXPECT_NEAR(std::max(place.width(), place.height() * 720 / 740),
                    std::min(view->width(), view->height() * 720 / 740), 1.0);
        const auto gray = [&](QPointF design) {
            const QPointF p = place.topLeft() + design * (place.width() / app::kDiagramSize.width());
            int darkest = 255;
            for (int dx = -1; dx <= 1; ++dx)
                for (int dy = -1; dy <= 1; ++dy)
                    darkest = std::min(darkest, qGray(shot.pixel(qRound(p.x()) + dx, qRound(p.y()) + dy)));
            return darkest;
        };
        for (const QPointF corner : {QPointF(86, 76), QPointF(686, 76), QPointF(86, 676), QPointF(686, 676)})
            EXPECT_LT(gray(corner), 160) << size.width() << " " << corner.x() << "," << corner.y();
        EXPECT_EQ(gray({116, 106}), 255) << size.width();
    }
}

// Qt's file dialog lists in Chinese whatever the locale: no "Folder", no "KiB", dates as a Chinese desktop writes them.
TEST_F(ScreenTest, FileDialogListsInChinese) {
    const QTemporaryDir dir;
    QDir(dir.path()).mkdir("子目录");
    for (const auto& [name, bytes] : {std::pair{"a.vxr", 1023}, {"b.vxr", 1024}, {"c.vxr", 5000}})
        writeFile(dir.filePath(name), QByteArray(bytes, 'x'));
    app::settings::setLastFolder(dir.path());
    QStringList rows;
    QTimer::singleShot(50, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        auto* list = dialog->findChild<QTreeView*>("treeView");
        ASSERT_TRUE(list);
        const QModelIndex root = list->rootIndex();
        EXPECT_TRUE(QTest::qWaitFor([&] { return list->model()->rowCount(root) == 4; }));
        for (int r = 0; r < list->model()->rowCount(root); ++r) {
            QStringList row;
            for (int c = 0; c < 4; ++c) row << list->model()->index(r, c, root).data().toString();
            rows << row.join(" | ").replace(QRegularExpression("\\d{4}/\\d{1,2}/\\d{1,2} \\d\\d:\\d\\d$"), "日期");
        }
        dialog->reject();
    });
    find<QAction>("fileOpen")->trigger();
    rows.sort();
    EXPECT_EQ(rows, QStringList({"a.vxr | 1023 字节 | VXR 工程文件 | 日期", "b.vxr | 1.00 KB | VXR 工程文件 | 日期",
                                 "c.vxr | 4.88 KB | VXR 工程文件 | 日期", "子目录 |  | 文件夹 | 日期"}));
}

// 1366 × 768 at 125 %: 1093 × 614 logical pixels. The window opens inside the screen and every control of every page
// can be scrolled to; every dialog and window opens inside the screen with its buttons on it.
TEST_F(ScreenTest, LaptopScreenTheWindowAndEveryDialogFit) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(screen.size(), QSize(1093, 614)) << "run on a screen of 1366 × 768 at 125 %";
    window().hide();
    window().showWhereLeft();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    EXPECT_TRUE(screen.contains(window().frameGeometry()));
    EXPECT_EQ(unreachable(window()), QStringList());

    const auto inside = [&](QWidget* w) {
        ASSERT_TRUE(w && w->isVisible());
        const QString name = w->objectName();
        EXPECT_TRUE(screen.contains(w->frameGeometry())) << name.toStdString();
        EXPECT_GE(w->width(), app::titleWidth(w)) << name.toStdString();  // the title whole beside its buttons
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (!b->isVisibleTo(w) || qobject_cast<QCheckBox*>(b)) continue;
            const QRect at(b->mapTo(w, QPoint(0, 0)), b->size());
            EXPECT_TRUE(w->rect().contains(at)) << name.toStdString() << " " << b->text().toStdString();
        }
    };
    const std::pair<const char*, std::function<void()>> windows[] = {
        {"waterSteamDialog", [&] { window().openWaterSteam(); }},
        {"manualWindow", [&] { window().openManual("frictionPage"); }},
        {"distDiagram",
         [&] {
             showPage("distillationPage");
             click("distCalculate");
             click("distDiagramButton");
         }},
        {"pipePickDialog",
         [&] {
             showPage("frictionPage");
             click("frictionPipePick");
         }},
        {"roughnessPickDialog", [&] { click("frictionRoughnessPick"); }}};
    for (const auto& [name, open] : windows) {
        open();
        inside(find(name));
    }

    showPage("stressPage");
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"routeTableDialog", [&] { find<QPushButton>("routeTableButton")->click(); }},
        {"projectInfoDialog", [&] { find<QAction>("projectInfo")->trigger(); }},
        {"settingsDialog", [&] { find<QAction>("SETUP")->trigger(); }},
        {"pipeTableDialog", [&] { find<QAction>("pipeTable")->trigger(); }},
        {"", [&] { find<QAction>("fileOpen")->trigger(); }}};
    for (const auto& [name, open] : dialogs) {
        QTimer::singleShot(50, [&, name = name] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d && (*name ? d->objectName() == name : qobject_cast<QFileDialog*>(d) != nullptr)) << name;
            inside(d);
            d->reject();
        });
        open();
    }
}

}  // namespace
}  // namespace vxr::test
