// A dialog that asks before Esc or its close button drop the changes made in it (放弃修改 / 继续编辑); its 取消
// drops them without asking, as a user who pressed it meant to.
#pragma once

#include <QDialog>

namespace vxr::app {

class GuardedDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

    // Esc, the close button: closes where nothing was changed or the user chooses 放弃修改.
    void reject() override;
    // 取消: closes, dropping what was changed.
    void discard();

protected:
    // Whether anything shown differs from what the dialog opened with.
    virtual bool changed() const = 0;
    // True where nothing was changed or the user chose 放弃修改; false where they chose 继续编辑.
    bool mayDropChanges();
};

}  // namespace vxr::app
