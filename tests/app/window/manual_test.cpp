// The manual as shipped (:/manual) and the help it gives in the window: a chapter for every page that names every
// field by its caption, a tool tip on every input from the field table, F1 at the current page's chapter, 内容 at
// the start, and the find box.
#include <QListWidget>
#include <QTextBrowser>

#include "app/pages/captions.h"
#include "app/pages/page_list.h"
#include "app/window/manual_window.h"
#include "app/window_test_support.h"

namespace vxr::test {
namespace {

using ManualTest = WindowTest;

QString chapter(const char* name) {
    QFile file(QStringLiteral(":/manual/%1.md").arg(QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A chapter per page, headed by its tab caption and listed in the start chapter; every field of the page's table
// (inputs, options, segments, description fields, results) named in it as the page writes it.
TEST(ManualChapters, EveryPageHasOneNamingEveryField) {
    const QString start = chapter(app::ManualWindow::kStart);
    EXPECT_TRUE(start.startsWith("# VXR"));
    for (const app::PageInfo& page : app::pages()) {
        const QString text = chapter(page.name);
        EXPECT_TRUE(text.startsWith(QStringLiteral("# ") + page.caption + '\n')) << page.name;
        EXPECT_TRUE(start.contains(QStringLiteral("(%1.md)").arg(page.name))) << page.name;
        if (!page.calc()) continue;
        for (const frame::Field& f : page.calc()->fields()) {
            const QString caption = app::sheetCaption(f);
            EXPECT_TRUE(!caption.isEmpty() && text.contains(caption)) << page.name << ": " << caption.toStdString();
        }
    }
}

// Every box a user types into, and every option, says what it is: its name and symbol, meaning, unit in an
// engineer's writing, typical range; a tool tip of the box's own stays first.
TEST_F(ManualTest, EveryInputExplainsItself) {
    for (const app::PageInfo& info : app::pages()) {
        const auto* page = qobject_cast<const app::CalcPage*>(window().page(info.name));
        if (!page) continue;
        for (const frame::Field& f : page->calculation().fields()) {
            if (f.kind == frame::Kind::Result) continue;
            const QString tip = page->control(f.name)->toolTip();
            const QString where = QString::fromLatin1(info.name) + '.' + f.name + ": " + tip;
            QStringList lines = tip.split('\n');
            if (lines.front() == QStringLiteral("反方向为负值")) lines.pop_front();
            EXPECT_TRUE(lines.size() >= 2 && lines[0].contains(f.about.symbol) && lines[1] == f.about.meaning)
                << qPrintable(where);
            EXPECT_EQ(tip.contains(QStringLiteral("常用范围：") + f.about.range), *f.about.range != '\0')
                << qPrintable(where);
            for (const char* raw : {"degC", "percent", "m3", "m2", "m K", "g K"})
                EXPECT_FALSE(tip.contains(raw)) << qPrintable(where);
        }
    }
    EXPECT_EQ(find("distQ")->toolTip(),
              "进料热状况参数 q\nq = 1 饱和液体；0 < q < 1 气液混合；q = 0 饱和蒸汽；q > 1 过冷液体；q < 0 过热蒸汽\n"
              "常用范围：-0.5～1.5");
    EXPECT_TRUE(find("Text52")->toolTip().contains("单位：mm/(m·℃)"));
    EXPECT_TRUE(find("Text48")->toolTip().startsWith("反方向为负值\nLX"));
}

// F1, a shortcut of the window's own, opens the manual at the chapter of the page shown; one manual window, reused.
TEST_F(ManualTest, F1OpensTheCurrentPagesChapter) {
    for (const app::PageInfo& page : app::pages()) {
        showPage(page.name);
        window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window(), Qt::Key_F1);
        auto* manual = find<app::ManualWindow>("manualWindow");
        ASSERT_TRUE(manual && manual->isVisible()) << page.name;
        EXPECT_EQ(find<QListWidget>("manualChapters")->currentItem()->text(), page.caption);
        EXPECT_EQ(find<QTextBrowser>("manualText")->source(), app::ManualWindow::chapterUrl(page.name));
        EXPECT_TRUE(find<QTextBrowser>("manualText")->toPlainText().startsWith(page.caption)) << page.name;
    }
    EXPECT_EQ(window().findChildren<app::ManualWindow*>().size(), 1);
    EXPECT_TRUE(find<QAction>("neirong")->shortcut().isEmpty());
}

// 内容 opens the start chapter; the find box goes on into the next chapter that has the text, back to
// this chapter's top last, and says when none has.
TEST_F(ManualTest, ContentsOpensTheStartAndFindsAcrossChapters) {
    showPage("stressPage");
    EXPECT_FALSE(catchMessage([&] { find<QAction>("neirong")->trigger(); }));
    EXPECT_EQ(find<QListWidget>("manualChapters")->currentRow(), 0);
    EXPECT_EQ(find<QTextBrowser>("manualText")->source(), app::ManualWindow::chapterUrl(app::ManualWindow::kStart));
    for (const auto& [what, chapter, status] : {std::tuple{"VXR", "VXR 使用手册", ""},
                                                {"Colebrook", "管道阻力计算", "在“管道阻力计算”中找到"},
                                                {"管径的复核", "管道阻力计算", "已从本章开头查找"},
                                                {"没有这句话", "管道阻力计算", "手册中找不到“没有这句话”"}}) {
        type("manualFind", what);
        QTest::keyClick(find("manualFind"), Qt::Key_Return);
        EXPECT_EQ(find<QListWidget>("manualChapters")->currentItem()->text(), chapter) << what;
        EXPECT_EQ(find<QLabel>("manualFindStatus")->text(), status) << what;
        if (!QString(status).startsWith(QStringLiteral("手册中找不到"))) {  // found: the text is selected
            EXPECT_EQ(find<QTextBrowser>("manualText")->textCursor().selectedText(), what);
        }
    }
}

}  // namespace
}  // namespace vxr::test
