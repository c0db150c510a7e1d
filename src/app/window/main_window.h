// The calculator's one window: the menu bar (文件, 工具, 帮助), the twelve-page tab control that holds every
// calculation page, and the case it holds (case files, the session).
#pragma once

#include <QMainWindow>
#include <string_view>

#include "app/case/case_file.h"

class QMenu;

namespace vxr::app {

class Session;
class SheetActions;
class ManualWindow;
class TabControl;
class WaterSteamDialog;
class Workspace;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();

    // The smallest the window may be made: every control is reached by scrolling.
    static constexpr QSize kSmallest{480, 360};

    // Shows the window at the size it had when last closed (maximised where it was), within the screen; at its
    // design size the first time.
    void showWhereLeft();

    TabControl* tabs() const { return tabs_; }
    // The page named `name` in the page list (app/pages.h), built now if it has not been yet; nullptr if none.
    QWidget* page(std::string_view name) const;
    Workspace* workspace() const { return workspace_; }
    Session* session() const { return session_; }
    SheetActions* sheets() const { return sheets_; }

    // 打开: reads and checks the case file at `path`, asks before replacing changes not saved to a case file, then
    // shows it; a refusal names the file and the reason and changes nothing. False where nothing was opened.
    bool openFile(const QString& path);
    // 保存 to `path`: false, with the reason shown, where it cannot be written (the old file stays as it was).
    bool saveTo(const QString& path);
    // The state of a session restored at start-up.
    void restoreSession(const casefile::Document& session);

    // Opens the water/steam properties (made on first use, then reused), modeless.
    void openWaterSteam();

    // Opens the manual (made on first use, then reused) at the chapter named `chapter` (ManualWindow::showChapter).
    void openManual(std::string_view chapter);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void showAbout();
    void newCase();
    void openCase();
    bool save();
    bool saveAs();
    void showRecent();
    void openRecent(const QString& path);
    void showCaption();
    // Asks whether to save changes not saved to a case file before they are replaced: false for 取消.
    bool mayReplace();
    void sessionFailed(const QString& reason);

    TabControl* tabs_ = nullptr;
    Workspace* workspace_ = nullptr;
    Session* session_ = nullptr;
    SheetActions* sheets_ = nullptr;
    QMenu* recent_ = nullptr;
    ManualWindow* manual_ = nullptr;
    WaterSteamDialog* water_steam_ = nullptr;
    bool session_failing_ = false;  // the last write of the session failed
};

}  // namespace vxr::app
