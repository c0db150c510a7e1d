#include "app/kit/messages.h"

#include <QMessageBox>

namespace vxr::app {

void showMessage(QWidget* parent, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString listedNames(const QStringList& names) {
    QStringList lines;
    for (const QString& name : names.mid(0, kMostListed))
        lines << (name.size() > kWidestListed ? name.left(kWidestListed - 1) + QStringLiteral("…") : name);
    if (names.size() > kMostListed) lines << QStringLiteral("等共 %1 项").arg(names.size());
    return lines.join(QLatin1Char('\n'));
}

void showDataCheck(QWidget* parent) {
    showMessage(parent, QStringLiteral("运行错误"), QStringLiteral("请仔细核对数据！"));
}

}  // namespace vxr::app
