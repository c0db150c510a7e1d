// The program's message boxes: each modal, one OK button, no icon.
#pragma once

#include <QString>

class QWidget;

namespace vxr::app {

// The application's title; it titles the About box and the messages of the pipe-stress page.
inline const QString kAppTitle = QStringLiteral("VXR");

void showMessage(QWidget* parent, const QString& title, const QString& text);

// The one message of a failed calculation: "请仔细核对数据！" titled "运行错误".
void showDataCheck(QWidget* parent);

}  // namespace vxr::app
