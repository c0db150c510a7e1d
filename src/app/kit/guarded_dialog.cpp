#include "app/kit/guarded_dialog.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/kit/messages.h"

namespace vxr::app {

bool GuardedDialog::mayDropChanges() {
    if (!changed()) return true;
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, QStringLiteral("已作的修改尚未确定，放弃这些修改吗？"),
                    QMessageBox::NoButton, this);
    QPushButton* drop = box.addButton(QStringLiteral("放弃修改"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("继续编辑"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == drop;
}

void GuardedDialog::reject() {
    if (mayDropChanges()) QDialog::reject();
}

void GuardedDialog::discard() {
    QDialog::reject();
}

}  // namespace vxr::app
