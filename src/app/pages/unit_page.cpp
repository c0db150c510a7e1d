#include "app/pages/unit_page.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <string>

#include "app/kit/form.h"
#include "app/kit/look.h"

namespace vxr::app {
namespace {

namespace units = calc::units;

void place(QWidget* w, const char* name, Twips at) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(pixels(at.left), pixels(at.top), pixels(at.width), pixels(at.height));
}

QComboBox* combo(QWidget* parent, const char* name, Twips at, QLabel* caption) {
    auto* c = new QComboBox(parent);
    place(c, name, at);
    caption->setBuddy(c);
    return c;
}

}  // namespace

UnitPage::UnitPage(const PageInfo& info, QWidget* parent) : Page(info, parent) {
    const Form page = Form::page(this);
    // Inputs: a caption column and a box column inside the frame.
    QGroupBox* inputs = page.groupBox("unitInputFrame", {120, 990, 4320, 2160}, QStringLiteral("输入参数："));
    const Form in = Form::inside(inputs);
    constexpr int kBoxLeft = 2160, kBoxWidth = 2010;
    quantity_ = combo(inputs, "unitQuantity", {kBoxLeft, 315, kBoxWidth, 330},
                      in.label("unitQuantityLabel", {150, 375, 1950, 255}, QStringLiteral("物理量：")));
    value_ = in.input("unitValue", {kBoxLeft, 765, kBoxWidth, 300}, QStringLiteral("1"),
                      in.label("unitValueLabel", {150, 810, 1950, 255}, QStringLiteral("数值：")));
    from_ = combo(inputs, "unitFrom", {kBoxLeft, 1185, kBoxWidth, 330},
                  in.label("unitFromLabel", {150, 1245, 1950, 255}, QStringLiteral("单位：")));
    atmosphere_ =
        in.input("unitAtmosphere", {kBoxLeft, 1635, kBoxWidth, 300}, QStringLiteral("101.325"),
                 in.label("unitAtmosphereLabel", {150, 1680, 1950, 255}, QStringLiteral("当地大气压（kPa）：")));

    // The user's own unit expression and the value in it.
    QGroupBox* own = page.groupBox("unitExpressionFrame", {120, 3270, 4320, 1320}, QStringLiteral("任意单位："));
    const Form ex = Form::inside(own);
    expression_ = ex.input("unitExpression", {1080, 330, 3090, 300}, QString(),
                           ex.label("unitExpressionLabel", {150, 375, 900, 255}, QStringLiteral("单位：")));
    expressed_ = ex.result("unitExpressionValue", {1080, 795, 3090, 300},
                           ex.label("unitExpressionValueLabel", {150, 840, 900, 255}, QStringLiteral("数值：")));

    QGroupBox* results = page.groupBox("unitResultFrame", {4560, 990, 5340, 7200}, QStringLiteral("计算结果："));
    cells_ = new QTableWidget(0, 2, results);
    place(cells_, "unitTable", {150, 330, 5040, 6720});
    cells_->setHorizontalHeaderLabels({QStringLiteral("单位"), QStringLiteral("数值")});
    cells_->verticalHeader()->hide();
    cells_->verticalHeader()->setDefaultSectionSize(pixels(330));
    cells_->horizontalHeader()->setStretchLastSection(true);
    cells_->setColumnWidth(0, pixels(2100));
    cells_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cells_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    cells_->setWordWrap(false);
    auto* copy = new QAction(cells_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    cells_->addAction(copy);
    connect(copy, &QAction::triggered, this, [this] { copySelectedCells(*cells_); });

    status_ = page.label("unitStatus", {120, 8325, 9780, 300}, QString());
    status_->setWordWrap(false);
    QPalette red = status_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    status_->setPalette(red);
    setReadingTabOrder(this);

    inputs_ = inputs;
    own_ = own;
    for (QLineEdit* box : {value_, atmosphere_, expression_}) {
        connect(box, &QLineEdit::textChanged, this, &UnitPage::refresh);
        connect(box, &QLineEdit::textChanged, this, &UnitPage::noteEdit);
    }
    // The unit database takes longer to read than a frame lasts: it is read just after the page first shows.
    setStatus(QStringLiteral("正在读取单位库……"));
    QTimer::singleShot(0, this, &UnitPage::load);
}

void UnitPage::load() {
    if (tried_) return;
    tried_ = true;
    std::string error;
    database_ = units::Database::get(&error);
    if (!database_) {
        for (QWidget* w : {inputs_, own_}) w->setEnabled(false);
        setStatus(QStringLiteral("单位换算不可用：") + QString::fromStdString(error));
        return;
    }
    tables_.resize(units::quantities().size());
    for (const units::Quantity& q : units::quantities()) quantity_->addItem(QString::fromUtf8(q.name));
    connect(quantity_, &QComboBox::currentIndexChanged, this, &UnitPage::chooseQuantity);
    connect(from_, &QComboBox::currentIndexChanged, this, &UnitPage::refresh);
    setStatus(QString());
    chooseQuantity(0);
    chooseNamed();
    for (QComboBox* combo : {quantity_, from_}) connect(combo, &QComboBox::activated, this, &UnitPage::noteEdit);
}

PageState UnitPage::state() const {
    const bool loaded = quantity_->count() > 0;
    PageState state;
    state.units =
        UnitChoice{loaded ? quantity_->currentText() : quantity_name_, loaded ? from_->currentText() : unit_name_,
                   value_->text(), atmosphere_->text(), expression_->text()};
    return state;
}

void UnitPage::restore(const PageState& state) {
    const Restoring quiet(this);
    const UnitChoice units = state.units.value_or(UnitChoice{});
    quantity_name_ = units.quantity;
    unit_name_ = units.unit;
    value_->setText(units.value);
    atmosphere_->setText(units.atmosphere);
    expression_->setText(units.expression);
    chooseNamed();
}

void UnitPage::chooseNamed() {
    if (quantity_->count() == 0) return;
    const Restoring quiet(this);
    if (const int q = quantity_->findText(quantity_name_); q >= 0) quantity_->setCurrentIndex(q);
    if (const int u = from_->findText(unit_name_); u >= 0) from_->setCurrentIndex(u);
    refresh();
}

void UnitPage::chooseQuantity(int index) {
    if (index < 0) return;
    const units::Quantity& q = units::quantities()[static_cast<std::size_t>(index)];
    std::unique_ptr<units::QuantityTable>& table = tables_[static_cast<std::size_t>(index)];
    if (!table) table = std::make_unique<units::QuantityTable>(*database_, q);
    table_ = table.get();
    {
        const QSignalBlocker quiet(from_);
        from_->clear();
        for (const units::UnitDef& u : q.units) from_->addItem(QString::fromUtf8(u.caption));
        from_->setCurrentIndex(static_cast<int>(units::default_unit(q)));
    }
    cells_->setRowCount(static_cast<int>(q.units.size()));
    for (int row = 0; row < cells_->rowCount(); ++row) {
        auto* unit = new QTableWidgetItem(QString::fromUtf8(q.units[static_cast<std::size_t>(row)].caption));
        auto* value = new QTableWidgetItem;
        value->setForeground(Qt::red);
        cells_->setItem(row, 0, unit);
        cells_->setItem(row, 1, value);
    }
    atmosphere_->setEnabled(q.kind == units::QuantityKind::Pressure);
    refresh();
}

void UnitPage::refresh() {
    if (!table_) return;
    const std::size_t from = static_cast<std::size_t>(std::max(0, from_->currentIndex()));
    const std::string value = value_->text().toStdString();
    const std::string atmosphere = atmosphere_->text().toStdString();
    const units::QuantityTable::Texts texts = table_->convert(value, from, atmosphere);
    for (std::size_t i = 0; i < texts.values.size(); ++i)
        cells_->item(static_cast<int>(i), 1)->setText(QString::fromStdString(texts.values[i]));
    const units::QuantityTable::Expressed own =
        table_->express(value, from, atmosphere, expression_->text().toStdString());
    expressed_->setText(QString::fromStdString(own.value));
    expressed_->setCursorPosition(0);
    setStatus(QString::fromStdString(!texts.error.empty() ? texts.error : !own.error.empty() ? own.error : own.note));
}

void UnitPage::setStatus(const QString& text) {
    status_->setText(text);
}

}  // namespace vxr::app
