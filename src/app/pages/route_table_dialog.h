// The whole pipe route in one table: every segment record from the first to the last saved one (or to the end node),
// edited in place, rows inserted and deleted, a block pasted from a spreadsheet. 确定 hands the route back once every
// row passes the node list's checks; 取消 hands back nothing.
#pragma once

#include <QStringList>

#include "app/kit/guarded_dialog.h"
#include "calc/flexibility/node_list.h"

class QTableWidget;

namespace vxr::app {

class RouteTableDialog : public GuardedDialog {
    Q_OBJECT

public:
    // The table's columns, left to right.
    enum Column { From, To, Length, LX, LY, LZ, End, kColumns };

    // `whole`: records 1… as the node list holds them (nothing: never saved), with its end node.
    explicit RouteTableDialog(const calc::Route& whole, QWidget* parent = nullptr);

    // The route as 确定 accepted it: record n from row n, a wholly empty row as a record never saved, the row marked
    // 终点 as the end node. Until then the route the dialog opened with.
    const calc::Route& route() const { return route_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Whether any row, text or 终点 mark differs from the route the dialog opened with.
    bool changed() const override { return contents() != opened_; }

private:
    // Inserts an empty row above the current one (at the end where there is none).
    void insertRow();
    // Deletes every row with a selected cell (the current row where none is selected).
    void deleteRows();
    // Ctrl+V: the clipboard's tab-separated block from the current cell on, filling 长度, LX, LY, LZ.
    void paste();
    // 确定: the table as a route, refused with a message naming the first faulty row, else accepted.
    void confirm();

    void setRow(int row, const std::optional<calc::SegmentTexts>& texts, bool end);
    QString cell(int row, int column) const;
    // The From and To node numbers of every row from `first` on.
    void renumber(int first);
    // Keeps the 终点 mark on one row at most: the one just ticked.
    void keepOneEnd(int row);
    void refuse(int row, int column, const QString& why);

    // Every row's four texts and its 终点 mark, one row a line.
    QStringList contents() const;

    QTableWidget* table_ = nullptr;
    calc::Route route_;
    QStringList opened_;
};

}  // namespace vxr::app
