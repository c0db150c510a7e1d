#include "app/window/start_up.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

#include "app/case/case_file.h"
#include "app/case/session.h"
#include "app/kit/messages.h"
#include "app/kit/settings.h"
#include "app/window/main_window.h"

namespace vxr::app {

void startUp(MainWindow& window, const QStringList& files) {
    if (QFileInfo::exists(Session::path())) {
        const casefile::Reading session = casefile::readFile(Session::path(), true);
        bool restore = session.document && settings::restoreSession();
        if (session.document && !restore && session.document->unsaved) {
            QMessageBox box(QMessageBox::NoIcon, kAppTitle,
                            QStringLiteral("上次的工作有未保存到工程文件的修改，是否恢复？"), QMessageBox::NoButton,
                            &window);
            QPushButton* yes = box.addButton(QStringLiteral("恢复"), QMessageBox::AcceptRole);
            box.addButton(QStringLiteral("放弃"), QMessageBox::RejectRole);
            box.exec();
            restore = box.clickedButton() == yes;
        }
        if (restore) window.restoreSession(*session.document);
    }
    for (const QString& file : files) window.openFile(file);
}

}  // namespace vxr::app
