// Case files and the session through the real window: everything the pages hold comes back from a file and from the
// session, and saving again gives the same bytes; each refusal names the file and the reason and changes nothing; a
// failed save keeps the old file; 新建 asks first; 设置 keeps its choices.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QJsonDocument>
#include <QSet>
#include <QSettings>
#include <QSpinBox>

#include "app/case/case_file.h"
#include "app/case/session.h"
#include "app/case/workspace.h"
#include "app/kit/settings.h"
#include "app/kit/version.h"
#include "app/pages/page_list.h"
#include "app/window_test_support.h"

namespace vxr::test {
namespace {

// Everything a user can see of a window: every control's text and state, each result's notes, each page's sheet and
// the project information.
QStringList everything(app::MainWindow& w) {
    for (const app::PageInfo& p : app::pages()) w.page(p.name);
    QStringList all = snapshot(w);
    for (const QLineEdit* box : w.findChildren<QLineEdit*>()) all << box->objectName() + " tip " + box->toolTip();
    for (const app::CalcPage* page : w.findChildren<app::CalcPage*>()) all << page->sheetText();
    all << QJsonDocument(w.workspace()->project()).toJson();
    all.sort();  // the pages in any order they were built
    return all;
}

class CaseFileTest : public WindowTest {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    // A case touching every kind of state: texts and notes typed, options chosen, pages calculated, a route with
    // an end node and unsaved editor texts, the unit page's choices.
    void fillCase() {
        window().workspace()->setProject({{"projectName", "乙烯装置"},
                                          {"projectDate", "2024-05-06"},
                                          {"projectCompany", "某设计院"},
                                          {"projectDocument", "CAL-001"}});
        showPage("pipeDiameterPage");
        type("Text3", "65");
        type("Text1", "P-101 ");
        click("Command1");
        showPage("convectionPage");
        click("Option5");
        click("Option2");
        type("Text66", "0.0005");
        click("Command14");
        showPage("reliefPage");
        click("reliefLiquid");
        click("reliefCalculate");
        showPage("stressPage");
        for (const auto& segment : {QStringList{"10", "10", "0", "0"}, {"6", "0", "6", "0"}, {"4", "0", "0", "4"}}) {
            for (int i = 0; i < 4; ++i) setText(std::array{"Text47", "Text48", "Text49", "Text50"}[i], segment[i]);
            find<QCheckBox>("Check1")->setChecked(segment[0] == "4");
            click("Command9");
            if (segment[0] != "4") click("Command11");
        }
        click("Command13");
        setText("Text47", "7");
        showPage("unitPage");
        QTRY_VERIFY(find<QComboBox>("unitQuantity")->count() > 0);
        find<QComboBox>("unitQuantity")->setCurrentText("压力");
        find<QComboBox>("unitFrom")->setCurrentText("kPa（表压）");
        type("unitValue", "250");
        type("unitExpression", "psi");
        showPage("distillationPage");
        type("distQ", "0.5");
    }

    QTemporaryDir dir_;
};

TEST_F(CaseFileTest, EverythingComesBackFromAFileAndTheSessionAndSavesToTheSameBytes) {
    fillCase();
    ASSERT_TRUE(window().saveTo(path("a.vxr")));
    EXPECT_EQ(window().windowTitle(), app::windowCaption() + " - a.vxr");
    auto* recent = find<QMenu>("fileRecent");
    emit recent->aboutToShow();
    EXPECT_EQ(recent->actions().value(0)->text(), "1 a.vxr");
    const QStringList shown = everything(window());
    app::MainWindow opened;
    ASSERT_TRUE(opened.openFile(path("a.vxr")));
    EXPECT_EQ(changed(shown, everything(opened)), QStringList());
    ASSERT_TRUE(opened.saveTo(path("b.vxr")));
    EXPECT_EQ(bytesOf(path("a.vxr")), bytesOf(path("b.vxr")));

    type("Text66", "0.0006");  // a change not saved to the file, kept by the session
    ASSERT_TRUE(window().session()->write());
    const app::casefile::Reading session = app::casefile::readFile(window().session()->file(), true);
    ASSERT_TRUE(session.document) << session.error.toStdString();
    EXPECT_TRUE(session.document->unsaved && session.document->file.endsWith("a.vxr"));
    app::MainWindow restored;
    restored.restoreSession(*session.document);
    EXPECT_EQ(changed(everything(window()), everything(restored)), QStringList());
    EXPECT_EQ(restored.windowTitle(), app::windowCaption() + " - a.vxr*");
}

// Each refusal names the file and the reason, and no page changes.
TEST_F(CaseFileTest, ARefusedFileChangesNothing) {
    const QByteArray head = R"({"format": "vxr-case", "version": 1, "pages": )";
    const QString huge(100001, 'x');
    const auto route = [&](int segments, const QByteArray& more) {  // `segments` segments, `more` keys before them
        QByteArray json = head + R"({"stressPage": {"route": {)" + more + R"("segments": {)";
        for (int n = 1; n <= segments; ++n)
            json += QString("\"%1\": [\"1\", \"1\", \"0\", \"0\"]%2").arg(n).arg(n < segments ? "," : "").toUtf8();
        return json + "}}}}}";
    };
    const std::tuple<const char*, QByteArray, QString> rows[] = {
        {"not JSON", "{\"format\": ", "不是 JSON 文件"},
        {"not a case", R"({"format": "other", "version": 1})", "不是 VXR 工程文件。"},
        {"a newer format", R"({"format": "vxr-case", "version": 2, "pages": {}})",
         "由较新版本的 VXR 保存，请升级后打开。"},
        {"a text as a number", head + R"({"frictionPage": {"texts": {"Text34": 1000}}}})",
         "“pages.frictionPage.texts.Text34”应为文本。"},
        {"a text too long", head + R"({"frictionPage": {"texts": {"Text37": ")" + huge.toUtf8() + "\"}}}}",
         "“pages.frictionPage.texts.Text37”的文本超过 100000 个字符。"},
        {"101 segments", route(101, ""), "“pages.stressPage.route”的管段超过 100 段。"},
        {"an end node of 101", head + R"({"stressPage": {"route": {"end": 101}}}})",
         "“pages.stressPage.route.end”超出 1…100。"},
        {"an end node of 0", head + R"({"stressPage": {"route": {"end": 0}}}})",
         "“pages.stressPage.route.end”超出 1…100。"},
        {"a current segment of 0", head + R"({"stressPage": {"route": {"current": 0}}}})",
         "“pages.stressPage.route.current”超出 1…100。"},
        {"a current segment of 101", head + R"({"stressPage": {"route": {"current": 101}}}})",
         "“pages.stressPage.route.current”超出 1…100。"},
        {"an option of another page", head + R"({"convectionPage": {"options": {"Frame3": "Option9"}}}})",
         "“pages.convectionPage.options.Frame3”的选项“Option9”不是本页的选项。"},
        {"a segment saved empty", head + R"({"stressPage": {"route": {"segments": {"2": ["5", "", "0", "0"]}}}}})",
         "第 2 段管段的LX为空。"},
        {"missing", {}, "文件无法读取（此文件或目录不存在）。"},
        {"over 10 MiB", QByteArray(app::casefile::kMaxBytes + 1, ' '), "文件大于 10 MiB。"},
    };
    for (const auto& [name, bytes, reason] : rows) {
        const QString file = path(name == std::string_view("missing") ? "missing.vxr" : "bad.vxr");
        writeFile(path("bad.vxr"), bytes);
        const QStringList before = everything(window());
        const auto message = catchMessage([&] { EXPECT_FALSE(window().openFile(file)); });
        ASSERT_TRUE(message) << name;
        EXPECT_TRUE(message->describe().startsWith("VXR / 无法打开 " + file + "：" + reason) &&
                    !message->describe().endsWith("(buttons, icon)"))
            << name << ": " << message->describe().toStdString();
        EXPECT_EQ(changed(before, everything(window())), QStringList()) << name;
    }
    // The longest text a file may hold opens, in as large a file as may be read.
    const QByteArray longest = head + R"({"frictionPage": {"texts": {"Text37": ")" + QByteArray(100000, 'x') + "\"}}}}";
    writeFile(path("long.vxr"), longest + QByteArray(app::casefile::kMaxBytes - longest.size(), ' '));
    EXPECT_TRUE(window().openFile(path("long.vxr")));
    EXPECT_EQ(text("Text37").size(), 100000);
    // As do a route of 100 segments with its end node and its segment shown at either end of 1…100.
    writeFile(path("route.vxr"), route(100, R"("end": 100, "current": 1, )"));
    EXPECT_TRUE(window().openFile(path("route.vxr")));
    writeFile(path("route.vxr"), route(100, R"("end": 1, "current": 100, )"));
    EXPECT_TRUE(window().openFile(path("route.vxr")));
}

// Only a regular file (or a link to one) is read: a FIFO or a folder, as a case or from 最近打开, is refused at once,
// never waited on (the alarm ends a test that hangs); 最近打开 drops an entry that is no longer a regular file or is
// gone.
TEST_F(CaseFileTest, OnlyRegularFilesAreOpened) {
    ASSERT_TRUE(window().saveTo(path("a.vxr")));
    ASSERT_TRUE(QFile::link(path("a.vxr"), path("link.vxr")));
    ASSERT_EQ(mkfifo(QFile::encodeName(path("pipe.vxr")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.vxr"));
    alarm(5);
    EXPECT_TRUE(window().openFile(path("link.vxr")));
    for (const char* name : {"pipe.vxr", "folder.vxr"})
        expectMessage(catchMessage([&] { EXPECT_FALSE(window().openFile(path(name))); }), "VXR",
                      "无法打开 " + path(name) + "：不是普通文件。");
    for (const auto& [name, why] : {std::pair{"pipe.vxr", "不是普通文件"}, {"gone.vxr", "已不存在"}}) {
        app::settings::addRecent(path(name));
        auto* recent = find<QMenu>("fileRecent");
        emit recent->aboutToShow();
        expectMessage(catchMessage([&] { recent->actions().value(0)->trigger(); }), "VXR",
                      path(name) + " " + why + "，已从“最近打开”中移除。");
        EXPECT_FALSE(app::settings::recentFiles().contains(path(name)));
    }
    alarm(0);
    EXPECT_EQ(app::settings::recentFiles().value(0), path("link.vxr"));
}

// Names this version does not know are skipped and listed in one message, keys a newer version added ignored; the rest
// opens.
TEST_F(CaseFileTest, UnknownNamesAreSkippedAndListed) {
    writeFile(path("new.vxr"), R"({"format": "vxr-case", "version": 1, "pages": {"fooPage": {},
        "frictionPage": {"texts": {"Text999": "1", "Text34": "998"}, "colour": "red"}}})");
    expectMessage(
        catchMessage([&] { EXPECT_TRUE(window().openFile(path("new.vxr"))); }), "VXR",
        path("new.vxr") + " 中有本版本不认识的项目，已跳过：\npages.fooPage\npages.frictionPage.texts.Text999");
    EXPECT_EQ(text("Text34"), "998");

    // However many names and however long: 20 of at most 60 characters, then the count.
    const auto listed = [&](int names, int length) {
        QString pages;
        for (int i = 0; i < names; ++i)
            pages += QStringLiteral(R"(, "p%1%2": {})").arg(i, 2, 10, QChar('0')).arg(QString(length - 9, 'x'));
        writeFile(path("many.vxr"),
                  (R"({"format": "vxr-case", "version": 1, "pages": {"stressPage": {})" + pages + "}}").toUtf8());
        const auto message = catchMessage([&] { EXPECT_TRUE(window().openFile(path("many.vxr"))); });
        return message ? message->text.section('\n', 1) : QString();
    };
    const QString at = "pages.p00" + QString(51, 'x'), beyond = "pages.p00" + QString(50, 'x') + "…";
    EXPECT_EQ(listed(1, 60), at);
    EXPECT_EQ(listed(1, 61), beyond);
    EXPECT_EQ(listed(1, 1000000), beyond);
    EXPECT_EQ(listed(20, 10).split('\n').size(), 20);
    EXPECT_EQ(listed(21, 10).split('\n').mid(19), QStringList({"pages.p19x", "等共 21 项"}));
}

// Opening runs each stored calculation again on its own inputs: a result that differs (notes aside), or every result
// where those inputs are now refused, is still shown as stored, marked in its tool tip and on the sheet, and the window
// says so once; saving again gives the same bytes. A case the program saved (and the earlier build's,
// ACaseSavedBeforeResavesByteForByte) opens without either.
TEST_F(CaseFileTest, StoredResultsAreCheckedOnOpening) {
    showPage("pipeDiameterPage");
    click("Command1");
    showPage("frictionPage");
    click("Command6");
    const QString metres = text("Text26");
    ASSERT_TRUE(window().saveTo(path("a.vxr")));
    app::casefile::Document altered = *app::casefile::readFile(path("a.vxr")).document;
    app::LastCalculation& stored = *altered.pages.at("frictionPage").calculation;
    stored.results.at("Text26").text = "42";
    stored.results.at("Text27").notes.push_back("一条后来的说明");
    writeFile(path("b.vxr"), app::casefile::serialize(altered));
    stored.results.at("Text26").text = metres.toStdString();
    stored.texts.at("Text34") = "x";  // inputs the calculation refuses
    writeFile(path("c.vxr"), app::casefile::serialize(altered));
    const QString mark = "保存的结果与按保存的输入重新计算的结果不符：",
                  refused = mark + "按保存的输入计算未通过（请仔细核对数据！）";
    const std::pair<const char*, QStringList> rows[] = {
        {"a.vxr", {}},
        {"b.vxr",
         {"Text26 " + mark + "保存 42，重新计算 " + metres,
          "管道阻力计算 " + mark + "计算管道阻力　保存 42，重新计算 " + metres}},
        {"c.vxr", {"Text26 " + refused, "Text27 " + refused, "管道阻力计算 " + refused}},
    };
    for (const auto& [file, expected] : rows) {
        app::MainWindow opened;
        const auto shown = catchMessage([&] { EXPECT_TRUE(opened.openFile(path(file))); });
        if (expected.isEmpty())
            EXPECT_FALSE(shown) << shown->describe().toStdString();
        else
            expectMessage(
                shown, "VXR",
                path(file) + " 中以下页面保存的结果与重新计算的结果不符，已在结果框和计算书中标出：管道阻力计算");
        QStringList marks;
        for (const app::PageInfo& p : app::pages()) opened.page(p.name);
        for (const QLineEdit* box : opened.findChildren<QLineEdit*>())
            for (const QString& line : box->toolTip().split('\n').filter(mark)) marks << box->objectName() + " " + line;
        for (const app::CalcPage* page : opened.findChildren<app::CalcPage*>())
            for (const QString& line : page->sheetText().split('\n').filter(mark)) marks << page->title() + " " + line;
        marks.sort();
        EXPECT_EQ(marks, expected) << file;
        EXPECT_EQ(opened.findChild<QLineEdit*>("Text26")->text(), file == std::string_view("b.vxr") ? "42" : metres);
        ASSERT_TRUE(opened.saveTo(path("again.vxr")));
        EXPECT_TRUE(bytesOf(path("again.vxr")) == bytesOf(path(file))) << file;
    }
}

// The sample of the format's documentation opens as it is.
TEST(CaseFileFormat, TheDocumentedSampleOpens) {
    const QString doc = QString::fromUtf8(bytesOf(VXR_DOCS_DIR "/case-file.md"));
    const qsizetype start = doc.indexOf("```json\n") + 8;
    const app::casefile::Reading sample =
        app::casefile::parse(doc.mid(start, doc.indexOf("```", start) - start).toUtf8());
    ASSERT_TRUE(sample.document) << sample.error.toStdString();
    EXPECT_TRUE(sample.skipped.isEmpty());
    EXPECT_EQ(sample.document->pages.at("unitPage").units->unit, "℃");
}

// A failed save names the reason and leaves the old file; the caption marks changes not saved to the file.
TEST_F(CaseFileTest, AFailedSaveKeepsTheOldFile) {
    ASSERT_TRUE(window().saveTo(path("kept.vxr")));
    const QByteArray kept = bytesOf(path("kept.vxr"));
    type("Text78", "2257");
    EXPECT_EQ(window().windowTitle(), app::windowCaption() + " - kept.vxr*");
    std::optional<Message> full;
    onAFullDisk(512, [&] { full = catchMessage([&] { EXPECT_FALSE(window().saveTo(path("kept.vxr"))); }); });
    expectMessage(full, "VXR", "无法保存 " + path("kept.vxr") + "：文件超出系统允许的大小");  // Chinese, not strerror's
    EXPECT_EQ(bytesOf(path("kept.vxr")), kept);
    writeFile(path("plain"), "x");
    expectMessage(catchMessage([&] { window().saveTo(path("plain/case.vxr")); }), "VXR",
                  "无法保存 " + path("plain/case.vxr") + "：" + qt_error_string(ENOTDIR));
    EXPECT_EQ(window().windowTitle(), app::windowCaption() + " - kept.vxr*");
}

// 新建 asks before replacing changes not saved to a case file: 取消 keeps them, 不保存 starts afresh.
TEST_F(CaseFileTest, NewCaseAsksFirst) {
    type("Text78", "2257");
    const auto newCase = [&](const char* press) {
        pressWith(press);
        return catchMessage([&] { find<QAction>("fileNew")->trigger(); });
    };
    const auto asked = newCase("取消");
    ASSERT_TRUE(asked);
    EXPECT_EQ(QSet<QString>(asked->captions.begin(), asked->captions.end()), QSet<QString>({"保存", "不保存", "取消"}));
    EXPECT_EQ(text("Text78"), "2257");
    newCase("不保存");
    EXPECT_EQ(text("Text78"), "1000");
    EXPECT_FALSE(window().workspace()->modified());
    EXPECT_FALSE(catchMessage([&] { find<QAction>("fileNew")->trigger(); })) << "nothing to lose, nothing asked";
}

// 设置 keeps its two choices; 最近打开 lists exactly as many files as it says (0: none).
TEST_F(CaseFileTest, SettingsKeepTheirChoices) {
    QTimer::singleShot(100, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog && dialog->objectName() == "settingsDialog");
        auto* restore = dialog->findChild<QCheckBox*>("restoreSession");
        auto* recent = dialog->findChild<QSpinBox*>("recentCount");
        EXPECT_TRUE(restore->isChecked() && recent->value() == 8 && recent->maximum() == 16);
        restore->setChecked(false);
        recent->setValue(3);
        dialog->accept();
    });
    find<QAction>("SETUP")->trigger();
    EXPECT_FALSE(app::settings::restoreSession());
    for (int n = 1; n <= 17; ++n) app::settings::addRecent(path(QStringLiteral("%1.vxr").arg(n)));
    auto* recent = find<QMenu>("fileRecent");
    for (const int count : {3, 16, 0}) {
        QSettings().setValue("recentCount", count);
        emit recent->aboutToShow();
        QStringList shown;
        for (const QAction* a : recent->actions()) shown << a->text() + (a->isEnabled() ? "" : " [disabled]");
        EXPECT_EQ(shown.size(), std::max(count, 1)) << count;
        EXPECT_EQ(shown.value(0), count ? "1 17.vxr" : "（无） [disabled]") << count;
        EXPECT_EQ(shown.value(count - 1), count ? QString("%1 %2.vxr").arg(count).arg(18 - count) : "") << count;
    }
}

}  // namespace
}  // namespace vxr::test
