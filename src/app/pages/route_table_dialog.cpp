#include "app/pages/route_table_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <set>

#include "app/kit/messages.h"
#include "app/kit/screen.h"
#include "frame/number_text.h"
#include "frame/numeric_text.h"

namespace vxr::app {

namespace {

constexpr int kTextColumns = RouteTableDialog::LZ - RouteTableDialog::Length + 1;  // 长度, LX, LY, LZ

QPushButton* addButton(QBoxLayout* row, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);  // Enter ends the editing of a cell; it never closes the dialog
    row->addWidget(b);
    return b;
}

// A pasted line as its cells: tab-separated, without the carriage return of a Windows line end.
QStringList cellsOf(QString line) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    return line.split(QLatin1Char('\t'));
}

}  // namespace

RouteTableDialog::RouteTableDialog(const calc::Route& whole, QWidget* parent) : GuardedDialog(parent), route_(whole) {
    setObjectName(QStringLiteral("routeTableDialog"));
    setWindowTitle(QStringLiteral("路线表"));
    auto* layout = new QVBoxLayout(this);
    auto* hint =
        new QLabel(QStringLiteral("每行一个管段（长度及投影：m，反方向为负值）；空行按未保存的管段计，计为零。\n"
                                  "双击单元格修改；Ctrl+V 在当前单元格粘贴从电子表格复制的数据（长度、LX、LY、LZ）。"));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    table_ = new QTableWidget(0, kColumns);
    table_->setObjectName(QStringLiteral("routeTable"));
    table_->setHorizontalHeaderLabels({QStringLiteral("从节点"), QStringLiteral("到节点"), QStringLiteral("长度（m）"),
                                       QStringLiteral("LX"), QStringLiteral("LY"), QStringLiteral("LZ"),
                                       QStringLiteral("终点")});
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    for (int c : {From, To, End}) table_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    for (int c = Length; c <= LZ; ++c) table_->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
    const int rows = static_cast<int>(whole.segments.size());
    table_->setRowCount(rows);
    for (int r = 0; r < rows; ++r) setRow(r, whole.segments[static_cast<std::size_t>(r)], whole.end == r + 1);
    renumber(0);
    table_->installEventFilter(this);
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == End && item->checkState() == Qt::Checked) keepOneEnd(item->row());
    });
    layout->addWidget(table_);

    auto* buttons = new QHBoxLayout;
    connect(addButton(buttons, "routeInsertRow", QStringLiteral("插入行")), &QPushButton::clicked, this,
            &RouteTableDialog::insertRow);
    connect(addButton(buttons, "routeDeleteRow", QStringLiteral("删除行")), &QPushButton::clicked, this,
            &RouteTableDialog::deleteRows);
    buttons->addStretch();
    connect(addButton(buttons, "routeOk", QStringLiteral("确定")), &QPushButton::clicked, this,
            &RouteTableDialog::confirm);
    connect(addButton(buttons, "routeCancel", QStringLiteral("取消")), &QPushButton::clicked, this,
            &RouteTableDialog::discard);
    layout->addLayout(buttons);
    fitToScreen(this, parent, QSize(680, 480));
    if (rows > 0) table_->setCurrentCell(0, Length);
    opened_ = contents();
}

QStringList RouteTableDialog::contents() const {
    QStringList rows;
    for (int r = 0; r < table_->rowCount(); ++r) {
        QStringList row;
        for (int c = Length; c <= LZ; ++c) row << cell(r, c);
        const QTableWidgetItem* mark = table_->item(r, End);
        row << QString::number(mark && mark->checkState() == Qt::Checked);
        rows << row.join(QLatin1Char('\t'));
    }
    return rows;
}

void RouteTableDialog::setRow(int row, const std::optional<calc::SegmentTexts>& texts, bool end) {
    const QSignalBlocker quiet(table_);
    for (int c : {From, To}) {
        auto* number = new QTableWidgetItem;
        number->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        number->setTextAlignment(Qt::AlignCenter);
        table_->setItem(row, c, number);
    }
    const calc::SegmentTexts t = texts.value_or(calc::SegmentTexts{});
    const std::string* text[] = {&t.length, &t.lx, &t.ly, &t.lz};
    for (int c = Length; c <= LZ; ++c) {
        auto* item = new QTableWidgetItem(QString::fromStdString(*text[c - Length]));
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(row, c, item);
    }
    auto* mark = new QTableWidgetItem;
    mark->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    mark->setCheckState(end ? Qt::Checked : Qt::Unchecked);
    table_->setItem(row, End, mark);
}

QString RouteTableDialog::cell(int row, int column) const {
    const QTableWidgetItem* item = table_->item(row, column);
    return item ? item->text() : QString();
}

void RouteTableDialog::renumber(int first) {
    const QSignalBlocker quiet(table_);
    for (int r = first; r < table_->rowCount(); ++r) {
        table_->item(r, From)->setText(QString::number(r));
        table_->item(r, To)->setText(QString::number(r + 1));
    }
}

void RouteTableDialog::keepOneEnd(int row) {
    const QSignalBlocker quiet(table_);
    for (int r = 0; r < table_->rowCount(); ++r)
        if (r != row) table_->item(r, End)->setCheckState(Qt::Unchecked);
}

void RouteTableDialog::insertRow() {
    const int row = table_->currentRow() < 0 ? table_->rowCount() : table_->currentRow();
    table_->insertRow(row);
    setRow(row, std::nullopt, false);
    renumber(row);
    table_->setCurrentCell(row, Length);
    table_->setFocus(Qt::OtherFocusReason);
}

void RouteTableDialog::deleteRows() {
    std::set<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) rows.insert(index.row());
    if (rows.empty() && table_->currentRow() >= 0) rows.insert(table_->currentRow());
    if (rows.empty()) return;
    for (auto r = rows.rbegin(); r != rows.rend(); ++r) table_->removeRow(*r);
    renumber(*rows.begin());
    if (table_->rowCount() > 0) table_->setCurrentCell(std::min(*rows.begin(), table_->rowCount() - 1), Length);
    table_->setFocus(Qt::OtherFocusReason);
}

bool RouteTableDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        paste();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void RouteTableDialog::paste() {
    QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    if (!lines.isEmpty() && cellsOf(lines.back()) == QStringList{QString()}) lines.removeLast();  // the last line end
    const int column =
        table_->currentColumn() >= Length && table_->currentColumn() <= LZ ? table_->currentColumn() : int(Length);
    const int width = LZ - column + 1;  // cells beyond LZ are left out
    if (!lines.isEmpty()) {             // a header: text where the numbers go, and no number
        const QStringList first = cellsOf(lines.front()).mid(0, width);
        const bool words = std::any_of(first.begin(), first.end(), [](const QString& c) { return !c.isEmpty(); });
        const bool numbers = std::any_of(first.begin(), first.end(), [](const QString& c) {
            return frame::parse_number(c.toStdString()).has_value();
        });
        if (words && !numbers) lines.removeFirst();
    }
    const int top = std::max(table_->currentRow(), 0);
    const QSignalBlocker quiet(table_);
    for (int k = 0; k < lines.size(); ++k) {
        const int row = top + k;
        if (row >= table_->rowCount()) {
            table_->insertRow(row);
            setRow(row, std::nullopt, false);
        }
        const QStringList cells = cellsOf(lines[k]);
        for (int j = 0; j < width && j < cells.size(); ++j) table_->item(row, column + j)->setText(cells[j]);
    }
    renumber(top);
    table_->setCurrentCell(top, column);
}

void RouteTableDialog::confirm() {
    calc::Route route;
    for (int r = 0; r < table_->rowCount(); ++r) {
        const calc::SegmentTexts t{cell(r, Length).toStdString(), cell(r, LX).toStdString(), cell(r, LY).toStdString(),
                                   cell(r, LZ).toStdString()};
        const bool empty = t == calc::SegmentTexts{};
        route.segments.push_back(empty ? std::nullopt : std::optional(t));
        if (table_->item(r, End)->checkState() == Qt::Checked) route.end = r + 1;
    }
    if (const std::optional<calc::RouteFault> fault = calc::route_fault(route)) {
        const int row = fault->record - 1;
        switch (fault->kind) {
            case calc::RouteFault::Kind::TooManyRecords:
                return refuse(row, Length, QStringLiteral("超出最大节点数100，请删除多余的行。"));
            case calc::RouteFault::Kind::PartlyFilled: {
                int column = Length;
                while (column < LZ && !cell(row, column).isEmpty()) ++column;
                return refuse(row, column, QStringLiteral("长度、LX、LY、LZ 须全部填写，或全部留空。"));
            }
            case calc::RouteFault::Kind::ShorterThanProjections:
                return refuse(row, Length,
                              QStringLiteral("两节点管道长度小于三个投影的合成长度（%1 m），请核对。")
                                  .arg(QString::fromStdString(frame::masked(fault->resultant))));
            case calc::RouteFault::Kind::EndOnEmptyRecord:
                return refuse(row, End, QStringLiteral("终点所在的行不能为空。"));
        }
    }
    route_ = std::move(route);
    accept();
}

void RouteTableDialog::refuse(int row, int column, const QString& why) {
    showMessage(this, kAppTitle, QStringLiteral("第 %1 行：%2").arg(row + 1).arg(why));
    table_->setCurrentCell(row, column);
    table_->scrollToItem(table_->item(row, column));
    table_->setFocus(Qt::OtherFocusReason);
}

}  // namespace vxr::app
