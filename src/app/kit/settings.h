// The program's settings, kept with QSettings: whether to restore the last session, the recent case files, the
// folder the file dialogs open in and the main window's size; and the 设置 dialog that edits the first two.
#pragma once

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

#include "calc/hydraulics/pipe_tables.h"

#include "app/kit/guarded_dialog.h"

class QCheckBox;
class QSpinBox;

namespace vxr::app::settings {

bool restoreSession();      // on by default
int recentCount();          // 0…16, 8 by default
QStringList recentFiles();  // newest first, at most recentCount()
void addRecent(const QString& path);
void removeRecent(const QString& path);
QString lastFolder();  // the home folder until a file dialog has been used
void setLastFolder(const QString& folder);
// The main window's size when it was last closed (its normal size where it was maximised), invalid before the
// first time; and whether it was maximised.
QSize windowSize();
bool windowMaximized();
void setWindowPlacement(QSize size, bool maximized);
// The pipe series last chosen on the pipe-sizing page, for new cases; none: by nominal diameter.
std::optional<calc::PipeSeries> pipeSeries();
void setPipeSeries(const std::optional<calc::PipeSeries>& series);
// A save dialog titled `caption`, opened in the folder last used with `name` proposed, showing the files of `filter`
// and adding `suffix` to a name typed without one: the path chosen, empty where cancelled.
QString askSavePath(QWidget* parent, const QString& caption, const QString& name, const QString& filter,
                    const QString& suffix);

// 设置: 启动时恢复上次的工作 and 最近打开的文件数; 确定 keeps them, 取消 changes nothing, Esc asks first where they
// were changed.
class Dialog : public GuardedDialog {
    Q_OBJECT

public:
    explicit Dialog(QWidget* parent);
    void accept() override;

protected:
    bool changed() const override;

private:
    QCheckBox* restore_;
    QSpinBox* recent_;
};

}  // namespace vxr::app::settings
