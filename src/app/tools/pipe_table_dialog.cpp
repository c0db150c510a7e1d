#include "app/tools/pipe_table_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/case/case_file.h"
#include "app/kit/messages.h"
#include "app/kit/screen.h"
#include "frame/number_text.h"

namespace vxr::app {

namespace userseries {

bool save(const std::vector<calc::PipeSeries>& series, QString* error) {
    QDir().mkpath(QFileInfo(path()).path());
    if (!casefile::writeFile(path(), bytes(series), error)) return false;
    emit signal().changed();
    return true;
}

}  // namespace userseries

namespace {

constexpr int kMaxRows = 500;  // rows a paste fills at most

QPushButton* button(QWidget* parent, const QString& caption, const char* name) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

PipeTableDialog::PipeTableDialog(QWidget* parent) : GuardedDialog(parent) {
    setObjectName(QStringLiteral("pipeTableDialog"));
    setWindowTitle(QStringLiteral("管材表"));
    QString told;
    own_ = userseries::load(&told);
    auto* layout = new QHBoxLayout(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("pipeTableList"));
    layout->addWidget(list_, 2);
    auto* right = new QVBoxLayout;
    auto* caption = new QLabel(QStringLiteral("名称："), this);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("pipeTableName"));
    name_->setMaxLength(200);
    caption->setBuddy(name_);
    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(name_, 1);
    right->addLayout(top);
    rows_ = new QTableWidget(0, 3, this);
    rows_->setObjectName(QStringLiteral("pipeTableRows"));
    rows_->setHorizontalHeaderLabels({QStringLiteral("DN"), QStringLiteral("外径 mm"), QStringLiteral("壁厚 mm")});
    rows_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    rows_->installEventFilter(this);
    right->addWidget(rows_, 1);
    right->addWidget(new QLabel(QStringLiteral("可从电子表格复制 DN、外径、壁厚三列，在表中按 Ctrl+V 粘贴。"), this));
    auto* buttons = new QHBoxLayout;
    QPushButton* fresh = button(this, QStringLiteral("新建"), "pipeTableNew");
    QPushButton* more = button(this, QStringLiteral("加一行"), "pipeTableAddRow");
    delete_ = button(this, QStringLiteral("删除"), "pipeTableDelete");
    save_ = button(this, QStringLiteral("保存"), "pipeTableSave");
    QPushButton* close = button(this, QStringLiteral("关闭"), "pipeTableClose");
    for (QPushButton* b : {fresh, more, delete_, save_}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close);
    right->addLayout(buttons);
    layout->addLayout(right, 3);
    connect(list_, &QListWidget::currentRowChanged, this, [this] {
        if (mayDropChanges()) return showSeries();
        const QSignalBlocker quiet(list_);
        list_->setCurrentRow(row_);  // 继续编辑: back to the series being edited
    });
    connect(fresh, &QPushButton::clicked, this, [this] {
        if (mayDropChanges()) startNew();
    });
    connect(more, &QPushButton::clicked, this, [this] { rows_->insertRow(rows_->rowCount()); });
    connect(delete_, &QPushButton::clicked, this, &PipeTableDialog::remove);
    connect(save_, &QPushButton::clicked, this, &PipeTableDialog::keep);
    connect(close, &QPushButton::clicked, this, &PipeTableDialog::reject);
    listAll(QString());
    fitToScreen(this, parent, QSize(760, 520));
    if (!told.isEmpty())
        QMetaObject::invokeMethod(
            this, [this, told] { showMessage(this, QStringLiteral("VXR"), told); }, Qt::QueuedConnection);
}

void PipeTableDialog::listAll(const QString& current) {
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const calc::PipeSeries& s : calc::builtin_pipe_series())
        list_->addItem(QStringLiteral("%1（内置）").arg(QString::fromStdString(s.name)));
    int at = 0;
    for (const calc::PipeSeries& s : own_) {
        if (QString::fromStdString(s.name) == current) at = list_->count();
        list_->addItem(QString::fromStdString(s.name));
    }
    list_->setCurrentRow(current.isEmpty() ? 0 : at);
    showSeries();
}

void PipeTableDialog::showSeries() {
    const int row = list_->currentRow();
    const std::size_t builtins = calc::builtin_pipe_series().size();
    const bool built_in = row >= 0 && static_cast<std::size_t>(row) < builtins;
    const calc::PipeSeries* s = row < 0    ? nullptr
                                : built_in ? &calc::builtin_pipe_series()[static_cast<std::size_t>(row)]
                                           : &own_[static_cast<std::size_t>(row) - builtins];
    name_->setText(s ? QString::fromStdString(s->name) : QString());
    rows_->setRowCount(0);
    if (s)
        for (const calc::PipeSize& z : s->sizes) {
            const int r = rows_->rowCount();
            rows_->insertRow(r);
            const QString cells[] = {QString::fromStdString(frame::plain(z.dn)), QString::fromStdString(z.od),
                                     QString::fromStdString(z.wall)};
            for (int c = 0; c < 3; ++c) {
                auto* item = new QTableWidgetItem(cells[c]);
                if (built_in) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
                rows_->setItem(r, c, item);
            }
        }
    name_->setReadOnly(built_in);
    save_->setEnabled(!built_in);
    delete_->setEnabled(!built_in && s);
    row_ = row;
    shown_ = typed();
}

QStringList PipeTableDialog::typed() const {
    QStringList all{name_->text()};
    for (int r = 0; r < rows_->rowCount(); ++r)
        for (int c = 0; c < 3; ++c) all << (rows_->item(r, c) ? rows_->item(r, c)->text() : QString());
    return all;
}

bool PipeTableDialog::changed() const {
    return !name_->isReadOnly() && typed() != shown_;
}

void PipeTableDialog::startNew() {
    const QSignalBlocker quiet(list_);
    list_->clearSelection();
    list_->setCurrentRow(-1);
    name_->clear();
    name_->setReadOnly(false);
    rows_->setRowCount(0);
    rows_->setRowCount(10);
    save_->setEnabled(true);
    delete_->setEnabled(false);
    row_ = -1;
    shown_ = typed();
    name_->setFocus();
}

bool PipeTableDialog::keep() {
    std::vector<calc::PipeRowText> typed;
    std::vector<int> at;  // the table row of each row read
    for (int r = 0; r < rows_->rowCount(); ++r) {
        QString cells[3];
        for (int c = 0; c < 3; ++c) cells[c] = rows_->item(r, c) ? rows_->item(r, c)->text().trimmed() : QString();
        if (cells[0].isEmpty() && cells[1].isEmpty() && cells[2].isEmpty()) continue;  // a blank row is no row
        typed.push_back({cells[0].toStdString(), cells[1].toStdString(), cells[2].toStdString()});
        at.push_back(r);
    }
    const calc::CheckedSeries checked = calc::check_user_series(name_->text().toStdString(), typed);
    if (!checked.series) {
        QString why = QString::fromStdString(checked.refusal);
        if (checked.row > 0) {
            // Counted among the rows read; said as the table numbers its rows.
            const int table_row = at[static_cast<std::size_t>(checked.row - 1)];
            why.replace(QStringLiteral("第 %1 行").arg(checked.row), QStringLiteral("第 %1 行").arg(table_row + 1));
        }
        showMessage(this, QStringLiteral("VXR"), why);
        if (checked.row > 0) {
            rows_->setCurrentCell(at[static_cast<std::size_t>(checked.row - 1)], checked.column);
            rows_->setFocus();
        } else {
            name_->setFocus();
        }
        return false;
    }
    std::vector<calc::PipeSeries> next = own_;
    const auto same = std::find_if(next.begin(), next.end(),
                                   [&](const calc::PipeSeries& s) { return s.name == checked.series->name; });
    if (same != next.end())
        *same = *checked.series;
    else
        next.push_back(*checked.series);
    QString error;
    if (!userseries::save(next, &error)) {
        showMessage(this, QStringLiteral("VXR"),
                    QStringLiteral("管材表无法保存：%1\n%2").arg(userseries::path(), error));
        return false;
    }
    own_ = std::move(next);
    listAll(QString::fromStdString(checked.series->name));
    return true;
}

void PipeTableDialog::remove() {
    const int row = list_->currentRow() - static_cast<int>(calc::builtin_pipe_series().size());
    if (row < 0 || row >= static_cast<int>(own_.size())) return;
    std::vector<calc::PipeSeries> next = own_;
    next.erase(next.begin() + row);
    QString error;
    if (!userseries::save(next, &error)) {
        showMessage(this, QStringLiteral("VXR"),
                    QStringLiteral("管材表无法保存：%1\n%2").arg(userseries::path(), error));
        return;
    }
    own_ = std::move(next);
    listAll(QString());
}

void PipeTableDialog::paste() {
    if (name_->isReadOnly()) return;
    const QStringList lines = QApplication::clipboard()->text().split(QRegularExpression(QStringLiteral("\r?\n")));
    int r = std::max(rows_->currentRow(), 0);
    for (const QString& line : lines) {
        if (line.trimmed().isEmpty()) continue;
        if (r >= kMaxRows) break;
        const QStringList cells = line.split(QRegularExpression(QStringLiteral("[\t,;]")));
        if (r >= rows_->rowCount()) rows_->setRowCount(r + 1);
        for (int c = 0; c < 3; ++c)
            rows_->setItem(r, c, new QTableWidgetItem(c < cells.size() ? cells[c].trimmed() : QString()));
        ++r;
    }
}

bool PipeTableDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == rows_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        paste();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vxr::app
