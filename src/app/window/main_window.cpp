#include "app/window/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>

#include "app/case/session.h"
#include "app/case/workspace.h"
#include "app/kit/file_dialog.h"
#include "app/kit/form.h"
#include "app/kit/look.h"
#include "app/kit/messages.h"
#include "app/kit/screen.h"
#include "app/kit/settings.h"
#include "app/kit/tab_control.h"
#include "app/kit/version.h"
#include "app/pages/calc_page.h"
#include "app/pages/page.h"
#include "app/pages/page_list.h"
#include "app/tools/pipe_table_dialog.h"
#include "app/tools/water_steam_dialog.h"
#include "app/window/manual_window.h"
#include "app/window/sheet_actions.h"

namespace vxr::app {
namespace {

// The client area: at least the design's size, with the tab control at the design's margins. Larger, the tab
// control grows with it (its tabs across the width, each page laid out as designed at its top left).
class Client : public QWidget {
public:
    Client(QSize design, QMargins margins) : margins_(margins) { setMinimumSize(design); }
    void setTabs(QWidget* tabs) { tabs_ = tabs; }

protected:
    void resizeEvent(QResizeEvent*) override {
        if (tabs_) tabs_->setGeometry(rect().marginsRemoved(margins_));
    }

private:
    QMargins margins_;
    QWidget* tabs_ = nullptr;
};

// Asks for the whole client area (a scroll area would ask for a fraction of a large one).
class Scroll : public QScrollArea {
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override { return widget() ? widget()->minimumSize() : QScrollArea::sizeHint(); }
};

}  // namespace

MainWindow::MainWindow() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(windowCaption());
    setWindowIcon(appIcon());
    setFont(defaultFont());

    // The client area is 10290 × 9270 twips; the tab control stands at 90, 45 and is 10050 × 8970, with three rows
    // of tabs. Each row more that the pages need makes both taller by a row.
    const int band = tabRows(pages().size()) * kTabRowTwips;
    const QSize design(pixels(10290), pixels(9270 + band - kTabRowsTwips));
    const QRect at(pixels(90), pixels(45), pixels(10050), pixels(8970 + band - kTabRowsTwips));
    auto* client = new Client(
        design, QMargins(at.left(), at.top(), design.width() - at.right() - 1, design.height() - at.bottom() - 1));
    tabs_ = new TabControl(kTabsPerRow, pixels(band), client);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setGeometry(at);
    client->setTabs(tabs_);
    workspace_ = new Workspace(tabs_, this);
    session_ = new Session([this] { return casefile::serialize(workspace_->document(), true); }, this);
    connect(workspace_, &Workspace::changed, session_, &Session::changed);
    connect(session_, &Session::writeFailed, this, &MainWindow::sessionFailed);
    connect(session_, &Session::written, this, [this] {
        if (!session_failing_) return;
        session_failing_ = false;
        showCaption();
    });
    connect(workspace_, &Workspace::fileChanged, this, &MainWindow::showCaption);
    sheets_ = new SheetActions(this, tabs_, workspace_);
    buildMenus();
    int start = 0;
    for (const PageInfo& info : pages()) {
        const int index = tabs_->addPage(QString::fromUtf8(info.caption), [this, &info] {
            auto* page = static_cast<Page*>(info.build(info));
            page->setObjectName(QString::fromLatin1(info.name));
            workspace_->adopt(page);
            if (auto* calculating = qobject_cast<CalcPage*>(page)) sheets_->offer(calculating);
            return page;
        });
        if (std::string_view(info.name) == kStartPage) start = index;
    }
    tabs_->setCurrentIndex(start);

    // At its design size the window shows the client area whole; smaller, it scrolls.
    auto* scroll = new Scroll(this);
    scroll->setObjectName(QStringLiteral("formScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(client);
    setCentralWidget(scroll);
    setMinimumSize(kSmallest);
    resize(sizeHint());
}

void MainWindow::showWhereLeft() {
    const QSize left = settings::windowSize();
    fitToScreen(this, nullptr, left.isValid() ? left : sizeHint());
    if (settings::windowMaximized())
        showMaximized();
    else
        show();
}

QWidget* MainWindow::page(std::string_view name) const {
    const std::span<const PageInfo> all = pages();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (name == all[i].name) return tabs_->page(static_cast<int>(i));
    return nullptr;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
    file->setObjectName(QStringLiteral("FILE"));
    const auto add = [&](const char* name, const QString& caption, const QKeySequence& keys, auto slot) {
        QAction* a = file->addAction(caption);
        a->setObjectName(QLatin1String(name));
        a->setShortcut(keys);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    add("fileNew", QStringLiteral("新建(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N), &MainWindow::newCase);
    add("fileOpen", QStringLiteral("打开(&O)…"), QKeySequence(Qt::CTRL | Qt::Key_O), &MainWindow::openCase);
    recent_ = file->addMenu(QStringLiteral("最近打开(&R)"));
    recent_->setObjectName(QStringLiteral("fileRecent"));
    connect(recent_, &QMenu::aboutToShow, this, &MainWindow::showRecent);
    add("fileSave", QStringLiteral("保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S), &MainWindow::save);
    add("fileSaveAs", QStringLiteral("另存为(&A)…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        &MainWindow::saveAs);
    file->addSeparator();
    sheets_->addTo(file);
    file->addSeparator();
    add("SETUP", QStringLiteral("设置(&T)"), {}, [this] { settings::Dialog(this).exec(); });
    add("EXIT", QStringLiteral("退出(&X)"), QKeySequence(Qt::CTRL | Qt::Key_Q), &QWidget::close);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("工具(&T)"));
    tools->setObjectName(QStringLiteral("TOOLS"));
    QAction* steam = tools->addAction(QStringLiteral("水和水蒸气物性(&W)…"));
    steam->setObjectName(QStringLiteral("waterSteam"));
    steam->setShortcut(QKeySequence(Qt::Key_F4));
    connect(steam, &QAction::triggered, this, &MainWindow::openWaterSteam);
    QAction* pipes = tools->addAction(QStringLiteral("管材表(&P)…"));
    pipes->setObjectName(QStringLiteral("pipeTable"));
    connect(pipes, &QAction::triggered, this, [this] { PipeTableDialog(this).exec(); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    help->setObjectName(QStringLiteral("HELP"));
    // F1 opens the manual at the page being shown; 内容 at its start.
    QAction* pageHelp = help->addAction(QStringLiteral("本页帮助(&P)"));
    pageHelp->setObjectName(QStringLiteral("pageHelp"));
    pageHelp->setShortcut(QKeySequence(Qt::Key_F1));
    pageHelp->setShortcutContext(Qt::WindowShortcut);
    connect(pageHelp, &QAction::triggered, this,
            [this] { openManual(pages()[static_cast<std::size_t>(tabs_->currentIndex())].name); });
    QAction* contents = help->addAction(QStringLiteral("内容(&C)"));
    contents->setObjectName(QStringLiteral("neirong"));
    connect(contents, &QAction::triggered, this, [this] { openManual(ManualWindow::kStart); });
    QAction* about = help->addAction(QStringLiteral("关于VXR(&A)"));
    about->setObjectName(QStringLiteral("guanyu"));
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::openManual(std::string_view chapter) {
    if (!manual_) manual_ = new ManualWindow(this);
    manual_->showChapter(chapter);
    manual_->show();
    manual_->raise();
    manual_->activateWindow();
}

void MainWindow::openWaterSteam() {
    if (!water_steam_) {
        water_steam_ = new WaterSteamDialog(tabs_, this);
        fitToScreen(water_steam_, this);
    }
    water_steam_->show();
    water_steam_->raise();
    water_steam_->activateWindow();
}

void MainWindow::showCaption() {
    // A case file's name, or 未命名 for work that no case file keeps; * for changes not saved to it.
    QString caption = windowCaption();
    if (!workspace_->file().isEmpty())
        caption += QStringLiteral(" - ") + QFileInfo(workspace_->file()).fileName() +
                   (workspace_->modified() ? QStringLiteral("*") : QString());
    else if (workspace_->modified())
        caption += QStringLiteral(" - 未命名*");
    if (session_failing_) caption += QStringLiteral("（恢复信息未保存）");
    setWindowTitle(caption);
}

bool MainWindow::mayReplace() {
    if (!workspace_->modified()) return true;
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, QStringLiteral("当前的工作有未保存到工程文件的修改，是否保存？"),
                    QMessageBox::NoButton, this);
    QPushButton* save = box.addButton(QStringLiteral("保存"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("不保存"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == discard) return true;
    return box.clickedButton() == save && this->save();
}

void MainWindow::newCase() {
    if (!mayReplace()) return;
    casefile::Document fresh = casefile::fresh();
    workspace_->apply(fresh, false);
    workspace_->setFile(QString(), false);
}

void MainWindow::openCase() {
    QFileDialog dialog(this, QStringLiteral("打开工程文件"), settings::lastFolder(),
                       QStringLiteral("VXR 工程文件 (*.vxr)"));
    prepareFileDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    settings::setLastFolder(dialog.directory().absolutePath());
    openFile(dialog.selectedFiles().constFirst());
}

bool MainWindow::openFile(const QString& path) {
    const casefile::Reading reading = casefile::readFile(path);
    if (!reading.document) {
        showMessage(this, kAppTitle,
                    QStringLiteral("无法打开 %1：%2").arg(QDir::toNativeSeparators(path), reading.error));
        return false;
    }
    if (!mayReplace()) return false;
    workspace_->apply(*reading.document, true);
    workspace_->setFile(QFileInfo(path).absoluteFilePath(), false);
    settings::addRecent(QFileInfo(path).absoluteFilePath());
    if (!reading.skipped.isEmpty())
        showMessage(this, kAppTitle,
                    QStringLiteral("%1 中有本版本不认识的项目，已跳过：\n%2")
                        .arg(QDir::toNativeSeparators(path), listedNames(reading.skipped)));
    if (const QStringList differ = pagesNotMatchingTheirResults(*reading.document); !differ.isEmpty())
        showMessage(this, kAppTitle,
                    QStringLiteral("%1 中以下页面保存的结果与重新计算的结果不符，已在结果框和计算书中标出：%2")
                        .arg(QDir::toNativeSeparators(path), differ.join(QStringLiteral("、"))));
    return true;
}

bool MainWindow::save() {
    return workspace_->file().isEmpty() ? saveAs() : saveTo(workspace_->file());
}

bool MainWindow::saveAs() {
    const QString name =
        workspace_->file().isEmpty() ? QStringLiteral("工程.vxr") : QFileInfo(workspace_->file()).fileName();
    const QString path =
        settings::askSavePath(this, QStringLiteral("保存工程文件"), name, QStringLiteral("VXR 工程文件 (*.vxr)"),
                              QLatin1String(casefile::kSuffix));
    if (path.isEmpty()) return false;
    settings::setLastFolder(QFileInfo(path).absolutePath());
    return saveTo(path);
}

bool MainWindow::saveTo(const QString& path) {
    QString error;
    if (!casefile::writeFile(path, casefile::serialize(workspace_->document()), &error)) {
        showMessage(this, kAppTitle, QStringLiteral("无法保存 %1：%2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    workspace_->setFile(QFileInfo(path).absoluteFilePath(), false);
    settings::addRecent(QFileInfo(path).absoluteFilePath());
    session_->changed();
    return true;
}

void MainWindow::showRecent() {
    recent_->clear();
    const QStringList files = settings::recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        QAction* a = recent_->addAction(QStringLiteral("%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
        a->setToolTip(QDir::toNativeSeparators(files[i]));
        connect(a, &QAction::triggered, this, [this, file = files[i]] { openRecent(file); });
    }
    if (files.isEmpty()) recent_->addAction(QStringLiteral("（无）"))->setEnabled(false);
}

void MainWindow::openRecent(const QString& path) {
    // Gone, or no longer a regular file: dropped from the list rather than offered again.
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        settings::removeRecent(path);
        showMessage(this, kAppTitle,
                    QStringLiteral("%1 %2，已从“最近打开”中移除。")
                        .arg(QDir::toNativeSeparators(path),
                             info.exists() ? QStringLiteral("不是普通文件") : QStringLiteral("已不存在")));
        return;
    }
    openFile(path);
}

void MainWindow::restoreSession(const casefile::Document& session) {
    workspace_->apply(session, true);
    workspace_->setFile(session.file, session.unsaved);
    if (const QStringList differ = pagesNotMatchingTheirResults(session); !differ.isEmpty())
        showMessage(this, kAppTitle,
                    QStringLiteral("恢复的工作中以下页面保存的结果与重新计算的结果不符，已在结果框和计算书中标出：%1")
                        .arg(differ.join(QStringLiteral("、"))));
}

void MainWindow::sessionFailed(const QString& reason) {
    // Told once, until a write succeeds again; the caption says so meanwhile.
    if (session_failing_) return;
    session_failing_ = true;
    showCaption();
    showMessage(this, kAppTitle, QStringLiteral("无法保存恢复信息：%1。关闭前请保存工程文件。").arg(reason));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The session keeps the work, so closing asks nothing; where it cannot be written, closing asks as 新建 does.
    if (!session_->write() && !mayReplace()) {
        event->ignore();
        return;
    }
    if (isVisible()) settings::setWindowPlacement(isMaximized() ? normalGeometry().size() : size(), isMaximized());
    QMainWindow::closeEvent(event);
}

void MainWindow::showAbout() {
    QStringList captions;
    for (const PageInfo& page : pages()) captions << QString::fromUtf8(page.caption);
    showMessage(this, kAppTitle,
                (programName() + QStringLiteral(".\n化工工艺设计计算，共 %1 页：%2。\n按 F1 查看当前页的使用手册。"))
                    .arg(captions.size())
                    .arg(captions.join(QStringLiteral("、"))));
}

}  // namespace vxr::app
