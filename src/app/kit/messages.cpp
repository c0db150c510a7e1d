#include "app/kit/messages.h"

#include <QMessageBox>

namespace vxr::app {

void showMessage(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void showDataCheck(QWidget* parent) {
    showMessage(parent, QStringLiteral("运行错误"), QStringLiteral("请仔细核对数据！"));
}

}  // namespace vxr::app
