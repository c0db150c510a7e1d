// 工具 → 管材表…: the pipe series the program knows. The built-in ones are listed read-only; the user's own (a
// company's or a national series: a name and rows of DN, 外径, 壁厚 in mm, typed or pasted from a spreadsheet) are
// kept in the user's data folder, pipe-series.json, written as a case file is. A file that cannot be read is moved
// aside, never overwritten, and the user is told. Esc, 关闭, 新建 or another series in the list ask before they drop
// what was typed and not kept.
#pragma once

#include <QString>
#include <vector>
#include "app/kit/guarded_dialog.h"

#include "app/kit/user_series.h"
#include "calc/hydraulics/pipe_tables.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace vxr::app {

namespace userseries {
// Keeps `series`; false with the reason where the file cannot be written.
bool save(const std::vector<calc::PipeSeries>& series, QString* error);
}  // namespace userseries

class PipeTableDialog : public GuardedDialog {
    Q_OBJECT

public:
    explicit PipeTableDialog(QWidget* parent);

    // 保存: the series shown checked and kept under its name (replacing one of that name); false, having said why
    // (naming the row and the column at fault), where it is refused.
    bool keep();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool changed() const override;

private:
    void showSeries();  // the series chosen in the list, in the editor
    void startNew();
    void remove();
    void paste();  // rows pasted from a spreadsheet: tab- or comma-separated, one row a line
    void listAll(const QString& current);
    QStringList typed() const;  // the name and every cell as shown

    QStringList shown_;  // what the editor showed when it last showed a series or started a new one
    int row_ = -1;       // the list's row the editor shows
    std::vector<calc::PipeSeries> own_;
    QListWidget* list_ = nullptr;
    QLineEdit* name_ = nullptr;
    QTableWidget* rows_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* delete_ = nullptr;
};

}  // namespace vxr::app
