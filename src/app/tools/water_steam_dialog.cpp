#include "app/tools/water_steam_dialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/kit/look.h"
#include "app/kit/messages.h"
#include "app/kit/tab_control.h"
#include "app/pages/captions.h"
#include "calc/properties/fill.h"
#include "frame/number_text.h"
#include "frame/numeric_text.h"

namespace vxr::app {
namespace {

namespace water = calc::water;

// The hint under the inputs: what the mode reads and what it gives.
const char* hint(water::Mode mode) {
    switch (mode) {
        case water::Mode::SaturationByTemperature:
            return "按温度求饱和压力及饱和液体、饱和蒸汽的物性。";
        case water::Mode::SaturationByPressure:
            return "按压力求饱和温度及饱和液体、饱和蒸汽的物性。";
        case water::Mode::TemperatureAndPressure:
            return "按温度和压力求单相状态（压缩液体、过热蒸汽或超临界流体）。";
        case water::Mode::Wet:
            break;
    }
    return "湿蒸汽：温度框不为空时按温度，为空时按压力；干度 x 为蒸汽的质量分数（0～1）。";
}

template <class W>
W* named(W* w, const char* name) {
    w->setObjectName(QLatin1String(name));
    return w;
}

}  // namespace

WaterSteamDialog::WaterSteamDialog(TabControl* tabs, QWidget* parent) : QDialog(parent), tabs_(tabs) {
    setObjectName(QStringLiteral("waterSteamDialog"));
    setWindowTitle(QStringLiteral("水和水蒸气物性"));
    setModal(false);

    auto* inputs = new QGridLayout;
    const auto row = [&](int r, const char* name, const QString& caption, QWidget* field, QWidget* beside = nullptr) {
        auto* label = named(new QLabel(caption, this), name);
        label->setBuddy(field);
        inputs->addWidget(label, r, 0);
        inputs->addWidget(field, r, 1, 1, beside ? 1 : 2);
        if (beside) inputs->addWidget(beside, r, 2);
    };
    mode_ = named(new QComboBox(this), "waterSteamMode");
    mode_->addItems({QStringLiteral("饱和（按温度）"), QStringLiteral("饱和（按压力）"), QStringLiteral("温度和压力"),
                     QStringLiteral("湿蒸汽（压力或温度与干度）")});
    temperature_ = named(new QLineEdit(QStringLiteral("100"), this), "waterSteamTemperature");
    pressure_ = named(new QLineEdit(QStringLiteral("101.325"), this), "waterSteamPressure");
    unit_ = named(new QComboBox(this), "waterSteamPressureUnit");
    unit_->addItems({QStringLiteral("kPa"), QStringLiteral("MPa")});
    dryness_ = named(new QLineEdit(QStringLiteral("0.9"), this), "waterSteamDryness");
    phase_ = named(new QComboBox(this), "waterSteamPhase");
    phase_->addItems({QStringLiteral("液相"), QStringLiteral("气相")});
    row(0, "waterSteamModeLabel", QStringLiteral("计算方式："), mode_);
    row(1, "waterSteamTemperatureLabel", QStringLiteral("温度（℃）："), temperature_);
    row(2, "waterSteamPressureLabel", QStringLiteral("压力（绝压）："), pressure_, unit_);
    row(3, "waterSteamDrynessLabel", QStringLiteral("干度 x："), dryness_);
    row(4, "waterSteamPhaseLabel", QStringLiteral("填入页面的相："), phase_);
    inputs->setColumnStretch(1, 1);

    hint_ = named(new QLabel(this), "waterSteamHint");
    hint_->setWordWrap(true);

    constexpr int kRows = static_cast<int>(std::size(water::kTableQuantities));
    cells_ = named(new QTableWidget(kRows, 2, this), "waterSteamTable");
    cells_->verticalHeader()->hide();
    cells_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cells_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    cells_->setWordWrap(false);
    // Every row at once where the screen has room; on a small screen the dialog is lower and the table scrolls.
    cells_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    cells_->setMinimumSize(560, cells_->verticalHeader()->defaultSectionSize() * 6);
    auto* copy = new QAction(QStringLiteral("复制"), cells_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    copy->setShortcutVisibleInContextMenu(true);
    cells_->addAction(copy);
    cells_->installEventFilter(this);  // the view copies only its current cell on Ctrl+C: the selection is copied here
    cells_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, [this] { copySelectedCells(*cells_); });

    auto* methods =
        named(new QLabel(QStringLiteral("热力学性质：IAPWS-IF97；μ：IAPWS 2008；λ：IAPWS 2011；σ：IAPWS 2014。"), this),
              "waterSteamMethods");
    status_ = named(new QLabel(this), "waterSteamStatus");
    status_->setWordWrap(true);
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 2 + 4);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    fill_ = named(new QPushButton(QStringLiteral("填入本页"), this), "waterSteamFill");
    undo_ = named(new QPushButton(QStringLiteral("撤销填入"), this), "waterSteamUndo");
    auto* close = named(new QPushButton(QStringLiteral("关闭"), this), "waterSteamClose");
    undo_->setEnabled(false);
    for (QPushButton* b : {fill_, undo_, close}) b->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fill_);
    buttons->addWidget(undo_);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(hint_);
    layout->addWidget(cells_, 1);
    layout->addWidget(methods);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    for (QLineEdit* box : {temperature_, pressure_, dryness_})
        connect(box, &QLineEdit::textChanged, this, &WaterSteamDialog::refresh);
    connect(mode_, &QComboBox::currentIndexChanged, this, &WaterSteamDialog::chooseMode);
    connect(unit_, &QComboBox::currentIndexChanged, this, &WaterSteamDialog::choosePressureUnit);
    connect(phase_, &QComboBox::currentIndexChanged, this, &WaterSteamDialog::refresh);
    connect(fill_, &QPushButton::clicked, this, &WaterSteamDialog::fill);
    connect(undo_, &QPushButton::clicked, this, &WaterSteamDialog::undo);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    chooseMode();
}

water::Typed WaterSteamDialog::typed() const {
    return {static_cast<water::Mode>(mode_->currentIndex()),
            temperature_->text().toStdString(),
            pressure_->text().toStdString(),
            unit_->currentIndex() == 1 ? water::PressureUnit::MPa : water::PressureUnit::kPa,
            dryness_->text().toStdString(),
            phase_->currentIndex() == 1 ? water::Side::Vapour : water::Side::Liquid};
}

void WaterSteamDialog::chooseMode() {
    const auto mode = static_cast<water::Mode>(mode_->currentIndex());
    const bool wet = mode == water::Mode::Wet, saturation = !wet && mode != water::Mode::TemperatureAndPressure;
    temperature_->setEnabled(mode != water::Mode::SaturationByPressure);
    pressure_->setEnabled(mode != water::Mode::SaturationByTemperature);
    unit_->setEnabled(pressure_->isEnabled());
    dryness_->setEnabled(wet);
    phase_->setEnabled(saturation);
    fill_->setEnabled(!wet);
    hint_->setText(QString::fromUtf8(hint(mode)));
    refresh();
}

void WaterSteamDialog::choosePressureUnit() {
    const int unit = unit_->currentIndex();
    if (const auto p = frame::parse_number(pressure_->text().toStdString()); p && unit != unit_shown_) {
        const QSignalBlocker quiet(pressure_);
        pressure_->setText(QString::fromStdString(frame::plain(unit == 1 ? *p / 1000.0 : *p * 1000.0)));
    }
    unit_shown_ = unit;
    refresh();
}

void WaterSteamDialog::refresh() {
    const water::Answer<water::Found> found = water::find(typed());
    if (const auto* refusal = std::get_if<water::Refusal>(&found)) {
        for (int r = 0; r < cells_->rowCount(); ++r)
            for (int c = 2; c < cells_->columnCount(); ++c)
                if (QTableWidgetItem* item = cells_->item(r, c)) item->setText(QString());
        return setStatus(QString::fromStdString(refusal->message), true);
    }
    const water::Table table = water::table(std::get<water::Found>(found));
    const int phases = static_cast<int>(table.columns.size());
    if (cells_->columnCount() != phases + 2) {
        cells_->clearSpans();
        cells_->setColumnCount(phases + 2);
        for (int c = 0; c < phases + 2; ++c)
            cells_->horizontalHeader()->setSectionResizeMode(
                c, c < 2 ? QHeaderView::ResizeToContents : QHeaderView::Stretch);
    }
    QStringList headers{QStringLiteral("物性"), QStringLiteral("单位")};
    for (const std::string& c : table.columns) headers << QString::fromStdString(c);
    cells_->setHorizontalHeaderLabels(headers);
    const auto cell = [this](int r, int c) {
        QTableWidgetItem* item = cells_->item(r, c);
        if (!item) {
            item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignVCenter | (c >= 2 ? Qt::AlignRight : Qt::AlignLeft));
            cells_->setItem(r, c, item);
        }
        return item;
    };
    for (int r = 0; r < static_cast<int>(table.rows.size()); ++r) {
        const water::Table::Row& row = table.rows[static_cast<std::size_t>(r)];
        cell(r, 0)->setText(QString::fromStdString(row.quantity));
        cell(r, 1)->setText(QString::fromStdString(row.unit));
        const int n = static_cast<int>(row.cells.size());
        for (int c = 0; c < phases; ++c) {
            if (c < n)
                cell(r, c + 2)->setText(QString::fromStdString(row.cells[static_cast<std::size_t>(c)]));
            else
                delete cells_->takeItem(r, c + 2);  // under the span of a value of the whole state
        }
        // A value of the whole state stands once, across every phase's column.
        const int span = n == 1 && phases > 1 ? phases : 1;
        if (cells_->columnSpan(r, 2) != span) cells_->setSpan(r, 2, 1, span);
        if (n == 1 && phases > 1)
            cell(r, 2)->setTextAlignment(Qt::AlignCenter);
        else
            cell(r, 2)->setTextAlignment(Qt::AlignVCenter | Qt::AlignRight);
    }
    setStatus(QString::fromStdString(table.note), false);
}

void WaterSteamDialog::setStatus(const QString& text, bool refusal) {
    QPalette palette = status_->palette();
    palette.setColor(QPalette::WindowText, refusal ? Qt::red : QApplication::palette().color(QPalette::WindowText));
    status_->setPalette(palette);
    status_->setText(text);
}

void WaterSteamDialog::fill() {
    auto* page = qobject_cast<CalcPage*>(tabs_->page(tabs_->currentIndex()));
    if (!page) return setStatus(QString::fromUtf8(water::kNothingToFill), true);
    const water::FillAnswer answer =
        water::fill(page->calculation(), water::find(typed()), [page](std::string_view name) {
            if (auto* option = qobject_cast<QAbstractButton*>(page->control(name)))
                return std::string(option->isChecked() ? "1" : "");
            return page->box(name)->text().toStdString();
        });
    if (const auto* refusal = std::get_if<water::FillRefusal>(&answer)) {
        if (!refusal->field) return setStatus(QString::fromStdString(refusal->message), true);
        showMessage(this, kAppTitle, QString::fromStdString(refusal->message));
        QLineEdit* at_fault = page->box(refusal->field);
        page->window()->activateWindow();
        at_fault->setFocus(Qt::OtherFocusReason);
        at_fault->selectAll();
        return;
    }
    filled_page_ = page;
    replaced_.clear();
    QStringList names;
    const water::Fill& done = std::get<water::Fill>(answer);
    for (const water::Filled& f : done.fields) {
        const QString text = QString::fromStdString(f.text);
        replaced_.push_back({f.field, page->box(f.field)->text(), page->filled(f.field), text});
        Filled source{text, QString::fromStdString(f.source), {}};
        for (const char* temperature : f.at) source.at[temperature] = page->box(temperature)->text();
        page->fillInput(f.field, text, source);
        names << splitUnit(QString::fromStdString(frame::sheet_caption(*page->calculation().field(f.field)))).name;
    }
    undo_->setEnabled(true);
    setStatus(QStringLiteral("已填入“%1”页：%2。%3")
                  .arg(page->title(), names.join(QStringLiteral("、")), QString::fromStdString(done.note)),
              false);
}

void WaterSteamDialog::undo() {
    int restored = 0;
    if (CalcPage* page = filled_page_.data())
        for (const Replaced& r : replaced_)
            if (page->box(r.field)->text() == r.filled) {
                page->fillInput(r.field, r.before, r.before_source);
                ++restored;
            }
    const QString where = filled_page_ ? filled_page_->title() : QString();
    replaced_.clear();
    filled_page_.clear();
    undo_->setEnabled(false);
    setStatus(restored ? QStringLiteral("已撤销%1的填入：恢复 %2 项。").arg(where).arg(restored)
                       : QStringLiteral("填入的数值都已改动，没有可撤销的。"),
              false);
}

bool WaterSteamDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cells_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        copySelectedCells(*cells_);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vxr::app
