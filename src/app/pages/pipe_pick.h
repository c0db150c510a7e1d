// Pickers beside a page's inputs: a pipe by series and size (fills a diameter with its bore, and on the friction
// page writes the pipe into 管道种类) and a wall material (fills 管道粗糙度). Each records where the value came from,
// as a fill from the water/steam table does, and its own 撤销 puts back what its last 填入 replaced.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "app/pages/page_state.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vxr::app {

class CalcPage;

class PickDialog : public QDialog {
    Q_OBJECT

public:
    void fill();
    void undo();

protected:
    // One input the pick writes: its text and source (none: a description field, which keeps no source).
    struct Edit {
        std::string field;
        QString text;
        std::optional<Filled> source;
    };
    // `name` prefixes the object names: <name>Dialog, <name>List, <name>Fill, <name>Undo, <name>Close.
    PickDialog(CalcPage* page, const QString& name, const QString& title, const QString& hint);
    // What picking the list's row `row` writes.
    virtual std::vector<Edit> edits(int row) const = 0;

    CalcPage* page_;
    QListWidget* list_ = nullptr;
    QLabel* hint_ = nullptr;

private:
    QPushButton* undo_ = nullptr;
    std::vector<Edit> before_;  // what the last 填入 replaced
};

// 按规格…: a built-in pipe series, then its size.
class PipePickDialog : public PickDialog {
    Q_OBJECT

public:
    explicit PipePickDialog(CalcPage* page);
    // What 填入本页 fills: the input `bore` with the pipe's bore and, where given, the description field `pipe` with
    // the pipe; `caption` names the input in the title.
    void target(const char* bore, const char* pipe, const QString& caption);

protected:
    std::vector<Edit> edits(int row) const override;

private:
    void showSeries();
    QComboBox* series_ = nullptr;
    const char* bore_ = nullptr;
    const char* pipe_ = nullptr;
};

// 按材质…: a wall material from the roughness table.
class RoughnessPickDialog : public PickDialog {
    Q_OBJECT

public:
    explicit RoughnessPickDialog(CalcPage* page);

protected:
    std::vector<Edit> edits(int row) const override;
};

}  // namespace vxr::app
