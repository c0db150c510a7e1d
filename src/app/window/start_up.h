// The program's start-up, after the window is made and before it shows: the sessions of windows no longer running.
// One holding work not kept in a case file is restored (where the settings say so); several, or any with restoring
// off, are offered in a list (恢复 / 放弃 / 以后再说). A session whose work is all in its case file is deleted; one
// that cannot be read or was written by a newer version is moved aside and never written over. Then a case file named
// on the command line is opened as 打开 opens it.
#pragma once

#include <QStringList>

class QWidget;

namespace vxr::app {

class MainWindow;

void startUp(MainWindow& window, const QStringList& files);

// SIGTERM closes `window` as 退出 does, its session written.
void closeOnTerminate(QWidget& window);

}  // namespace vxr::app
