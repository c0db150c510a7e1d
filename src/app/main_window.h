// The calculator's one window: menu bar and the twelve-page tab control that holds every calculation page.
#pragma once

#include <QMainWindow>
#include <string_view>

namespace vxr::app {

class ManualWindow;
class TabControl;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();

    TabControl* tabs() const { return tabs_; }
    // The page named `name` in the page list (app/pages.h), built now if it has not been yet; nullptr if none.
    QWidget* page(std::string_view name) const;
    // Opens the manual (made on first use, then reused) at the chapter named `chapter` (ManualWindow::showChapter).
    void openManual(std::string_view chapter);

private:
    void buildMenus();
    void showAbout();

    TabControl* tabs_ = nullptr;
    ManualWindow* manual_ = nullptr;
};

}  // namespace vxr::app
