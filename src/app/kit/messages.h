// The program's message boxes: each modal, one OK button, no icon.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace vxr::app {

// The application's title; it titles the About box and the messages of the pipe-stress page.
inline const QString kAppTitle = QStringLiteral("VXR");

void showMessage(QWidget* parent, const QString& title, const QString& text);

// Names for a message, one a line: at most kMostListed, each cut to kWidestListed characters (… for the rest), then
// "等共 N 项" where there were more; whatever a file holds, the message stays small enough to read.
inline constexpr int kMostListed = 20;
inline constexpr int kWidestListed = 60;
QString listedNames(const QStringList& names);

// The one message of a failed calculation: "请仔细核对数据！" titled "运行错误".
void showDataCheck(QWidget* parent);

}  // namespace vxr::app
