// The calculator's one window: menu bar and the twelve-page tab control that holds every calculation page.
#pragma once

#include <QMainWindow>

namespace vxr::app {

class TabControl;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();

    TabControl* tabs() const { return tabs_; }

private:
    void buildMenus();
    void showAbout();

    TabControl* tabs_ = nullptr;
};

}  // namespace vxr::app
