// The program's start-up, after the window is made and before it shows: the last session restored (where the
// settings say so; where they do not and it holds changes not saved to a case file, the user is asked once whether to
// restore them), then a case file named on the command line opened as 打开 does.
#pragma once

#include <QStringList>

namespace vxr::app {

class MainWindow;

void startUp(MainWindow& window, const QStringList& files);

}  // namespace vxr::app
