// Sessions: each window keeps its own; at start the orphans of windows no longer running are restored (one, with
// restoring on) or offered (several, or with restoring off); one that cannot be read or is newer is moved aside and
// never written over; one that cannot be written is told once and closing then asks. Two real programs on one data
// folder, closed in either order or killed, each keep their own work; one killed keeps the case it opened.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>

#include "app/case/case_file.h"
#include "app/case/session.h"
#include "app/kit/settings.h"
#include "app/kit/version.h"
#include "app/window/start_up.h"
#include "app/window_test_support.h"

namespace vxr::test {
namespace {

// A session holding `text` in 摩擦阻力's Text37, not kept in any case file.
QByteArray sessionWith(const QString& text) {
    app::casefile::Document d = app::casefile::fresh();
    d.pages["frictionPage"].texts["Text37"] = text;
    d.unsaved = true;
    return app::casefile::serialize(d, true);
}

QString text37(app::MainWindow& window) {
    window.page("frictionPage");
    return window.findChild<QLineEdit*>("Text37")->text();
}

// A data folder of the test's own, the sessions' folder emptied.
class SessionTest : public ::testing::Test {
protected:
    SessionTest() {
        qputenv("XDG_DATA_HOME", dir_.filePath("data").toLocal8Bit());
        QDir().mkpath(app::Session::folder());
    }
    ~SessionTest() override { qputenv("XDG_DATA_HOME", kept_); }
    QString session(const QString& name) const { return QDir(app::Session::folder()).filePath(name); }
    // The real program on this test's folders.
    void start(QProcess& program, const QStringList& arguments = {}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", dir_.filePath("data"));
        env.insert("XDG_CONFIG_HOME", dir_.filePath("config"));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(env);
        program.start(VXR_EXECUTABLE, arguments);
        ASSERT_TRUE(program.waitForStarted());
    }

    QTemporaryDir dir_;
    QByteArray kept_ = qgetenv("XDG_DATA_HOME");
};

// With restoring off even one session is offered: 以后再说 keeps it, 恢复 restores it (the window takes it over), 放弃
// deletes it. A session whose work is all in its case file is deleted unasked.
TEST_F(SessionTest, OfferedWithRestoringOff) {
    QSettings().setValue("restoreSession", false);
    writeFile(session("session.vxr"), sessionWith("MINE"));
    for (const char* choice : {"sessionLater1", "sessionRestore1", "sessionDiscard1"}) {
        app::MainWindow next;
        QTimer::singleShot(50, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog && dialog->objectName() == "sessionsDialog");
            EXPECT_TRUE(dialog->findChild<QRadioButton*>("sessionLater1")->isChecked());
            EXPECT_FALSE(dialog->findChild<QRadioButton*>("sessionLater2"));
            dialog->findChild<QRadioButton*>(choice)->click();
            dialog->findChild<QPushButton*>("sessionsOk")->click();
        });
        app::startUp(next, {});
        EXPECT_EQ(text37(next) == "MINE", choice == std::string_view("sessionRestore1")) << choice;
        EXPECT_EQ(QFileInfo::exists(session("session.vxr")), choice != std::string_view("sessionDiscard1")) << choice;
        if (choice == std::string_view("sessionRestore1")) {
            EXPECT_EQ(next.session()->file(), session("session.vxr"));
        }
    }
    app::casefile::Document saved = app::casefile::fresh();
    saved.file = dir_.filePath("a.vxr");
    writeFile(session("session-2.vxr"), app::casefile::serialize(saved, true));
    app::MainWindow next;
    EXPECT_FALSE(catchMessage([&] { app::startUp(next, {}); }));
    EXPECT_FALSE(QFileInfo::exists(session("session-2.vxr")));
    QSettings().remove("restoreSession");
}

// A damaged and a newer session are moved aside, told once, and stay as they were; the window writes its own.
TEST_F(SessionTest, DamagedAndNewerAreMovedAsideAndNeverWrittenOver) {
    const QByteArray damaged = "{\"format\": \"vxr-case\", ", newer = R"({"format": "vxr-case", "version": 99})";
    writeFile(session("session.vxr"), damaged);
    writeFile(session("session-2.vxr"), newer);
    app::MainWindow next;
    const auto told = catchMessage([&] { app::startUp(next, {}); });
    ASSERT_TRUE(told);
    QStringList aside = QDir(app::Session::folder()).entryList({"session-*.vxr"});
    ASSERT_EQ(aside.size(), 2);
    aside.sort();  // 无法读取 before 较新版本
    EXPECT_TRUE(QRegularExpression("^session-无法读取-\\d{8}-\\d{6}\\.vxr$").match(aside[0]).hasMatch());
    EXPECT_TRUE(QRegularExpression("^session-较新版本-\\d{8}-\\d{6}\\.vxr$").match(aside[1]).hasMatch());
    for (const QString& name : aside) EXPECT_TRUE(told->text.contains(session(name))) << told->text.toStdString();
    ASSERT_TRUE(next.session()->write());
    EXPECT_EQ(next.session()->file(), session("session.vxr"));
    EXPECT_EQ(bytesOf(session(aside[0])), damaged);
    EXPECT_EQ(bytesOf(session(aside[1])), newer);
}

// However many are moved aside, the message lists 20 of them, then their count.
TEST_F(SessionTest, TwentyMovedAsideAreListedThenTheirCount) {
    for (const int n : {20, 21}) {
        QDir(app::Session::folder()).removeRecursively();
        QDir().mkpath(app::Session::folder());
        for (int i = 1; i <= n; ++i) writeFile(session(i > 1 ? QString("session-%1.vxr").arg(i) : "session.vxr"), "{");
        app::MainWindow next;
        const auto told = catchMessage([&] { app::startUp(next, {}); });
        ASSERT_TRUE(told) << n;
        EXPECT_EQ(told->text.split('\n').mid(21), n > 20 ? QStringList{"等共 21 项"} : QStringList()) << n;
    }
}

// A FIFO in place of the session is never waited on (the alarm ends a test that hangs): it is moved aside and told.
TEST_F(SessionTest, AFifoAsTheSessionIsRefusedAtOnce) {
    ASSERT_EQ(mkfifo(QFile::encodeName(session("session.vxr")).constData(), 0600), 0);
    alarm(5);
    app::MainWindow next;
    const auto told = catchMessage([&] { app::startUp(next, {}); });
    alarm(0);
    ASSERT_TRUE(told);
    EXPECT_TRUE(told->text.contains("不是普通文件")) << told->text.toStdString();
    EXPECT_EQ(QDir(app::Session::folder()).entryList({"session-无法读取-*.vxr"}, QDir::System).size(), 1);
}

// A session that cannot be written (a full disk) is told once; the caption says so until a write succeeds, and
// closing meanwhile asks before dropping work no case file keeps.
TEST_F(SessionTest, ASessionThatCannotBeWrittenIsToldOnceAndClosingAsks) {
    app::MainWindow window;
    window.show();
    QTest::keyClicks(window.page("condensationPage")->findChild<QLineEdit*>("Text78"), "7");
    std::optional<Message> told, again, asked;
    onAFullDisk(0, [&] {
        told = catchMessage([&] { window.session()->write(); });
        again = catchMessage([&] { window.session()->write(); });
        pressWith("取消");
        asked = catchMessage([&] { window.close(); });
    });
    ASSERT_TRUE(told && asked);
    EXPECT_TRUE(told->text.startsWith("无法保存恢复信息：") && told->text.endsWith("。关闭前请保存工程文件。"))
        << told->text.toStdString();
    EXPECT_FALSE(again);
    EXPECT_EQ(QSet<QString>(asked->captions.begin(), asked->captions.end()), QSet<QString>({"保存", "不保存", "取消"}));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), app::windowCaption() + " - 未命名*（恢复信息未保存）");
    ASSERT_TRUE(window.session()->write());
    EXPECT_EQ(window.windowTitle(), app::windowCaption() + " - 未命名*");
    EXPECT_FALSE(catchMessage([&] { window.close(); }));  // the session keeps the work: closing asks nothing
}

// Two windows as two real programs on one data folder, each restoring a session of its own; closed by SIGTERM in
// either order, or killed: each session keeps its own work, and the next start offers both.
TEST_F(SessionTest, TwoWindowsKeepTheirOwnWork) {
    for (const int how : {0, 1, 2}) {  // A then B, B then A, both killed
        QDir(app::Session::folder()).removeRecursively();
        QDir().mkpath(app::Session::folder());
        QProcess programs[2];
        const QString files[] = {session("session.vxr"), session("session-2.vxr")};
        for (int i = 0; i < 2; ++i) {
            writeFile(files[i], sessionWith(i ? "WORK-B" : "WORK-A"));
            start(programs[i]);
            // Running once it has taken its session over.
            EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(files[i] + ".lock"); }, 10000)) << how;
        }
        for (const int i : {how == 1 ? 1 : 0, how == 1 ? 0 : 1}) {
            ::kill(static_cast<pid_t>(programs[i].processId()), how == 2 ? SIGKILL : SIGTERM);
            EXPECT_TRUE(programs[i].waitForFinished(10000)) << how;
            EXPECT_EQ(programs[i].exitStatus(), how == 2 ? QProcess::CrashExit : QProcess::NormalExit) << how;
        }
        QStringList kept;
        for (const QString& file : files) {
            const app::casefile::Reading read = app::casefile::readFile(file, true);
            ASSERT_TRUE(read.document) << read.error.toStdString();
            kept << read.document->pages.at("frictionPage").texts.at("Text37");
        }
        EXPECT_EQ(kept, QStringList({"WORK-A", "WORK-B"})) << how;
        app::MainWindow next;
        QStringList offered;
        QTimer::singleShot(50, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog && dialog->objectName() == "sessionsDialog");
            for (const char* name : {"sessionRestore1", "sessionRestore2", "sessionRestore3"})
                if (dialog->findChild<QRadioButton*>(name)) offered << name;
            dialog->findChild<QRadioButton*>("sessionRestore2")->click();
            dialog->findChild<QPushButton*>("sessionsOk")->click();
        });
        app::startUp(next, {});
        EXPECT_EQ(offered.size(), 2) << how;
        EXPECT_EQ(text37(next), "WORK-B") << how;
    }
}

// The real program, a case file on its command line, killed (SIGKILL, no chance to save on closing) after three
// seconds, more than the two a change may wait to be kept: the session file is whole and holds the case.
TEST_F(SessionTest, SurvivesSigkill) {
    writeFile(
        dir_.filePath("case.vxr"),
        R"({"format": "vxr-case", "version": 1, "pages": {"frictionPage": {"texts": {"Text37": "KILLED-LINE"}}}})");
    QProcess vxr;
    start(vxr, {dir_.filePath("case.vxr")});
    QTest::qWait(3000);
    vxr.kill();
    vxr.waitForFinished();
    const app::casefile::Reading read = app::casefile::readFile(session("session.vxr"), true);
    ASSERT_TRUE(read.document) << read.error.toStdString();
    EXPECT_EQ(read.document->pages.at("frictionPage").texts.at("Text37"), "KILLED-LINE");
}

}  // namespace
}  // namespace vxr::test
