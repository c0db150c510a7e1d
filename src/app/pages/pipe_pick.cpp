#include "app/pages/pipe_pick.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/screen.h"
#include "app/pages/calc_page.h"
#include "calc/hydraulics/pipe_tables.h"
#include "calc/hydraulics/roughness.h"
#include "frame/number_text.h"

namespace vxr::app {
namespace {

constexpr const char* kRoughness = "Text31";  // 管道粗糙度（毫米）

QPushButton* named(QPushButton* b, const QString& name) {
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

PickDialog::PickDialog(CalcPage* page, const QString& name, const QString& title, const QString& hint)
    : QDialog(page), page_(page) {
    setObjectName(name + QStringLiteral("Dialog"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    hint_ = new QLabel(hint, this);
    hint_->setWordWrap(true);
    layout->addWidget(hint_);
    list_ = new QListWidget(this);
    list_->setObjectName(name + QStringLiteral("List"));
    layout->addWidget(list_, 1);
    auto* buttons = new QHBoxLayout;
    QPushButton* fill = named(new QPushButton(QStringLiteral("填入本页"), this), name + QStringLiteral("Fill"));
    undo_ = named(new QPushButton(QStringLiteral("撤销"), this), name + QStringLiteral("Undo"));
    QPushButton* close = named(new QPushButton(QStringLiteral("关闭"), this), name + QStringLiteral("Close"));
    undo_->setEnabled(false);
    buttons->addStretch();
    for (QPushButton* b : {fill, undo_, close}) buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(fill, &QPushButton::clicked, this, &PickDialog::fill);
    connect(undo_, &QPushButton::clicked, this, &PickDialog::undo);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(list_, &QListWidget::itemDoubleClicked, this, &PickDialog::fill);
}

void PickDialog::fill() {
    const int row = list_->currentRow();
    if (row < 0) return;
    before_.clear();
    for (Edit& e : edits(row)) {
        before_.push_back({e.field, page_->box(e.field)->text(), page_->filled(e.field)});
        page_->fillInput(e.field, e.text, e.source);
    }
    undo_->setEnabled(true);
}

// Puts back what the last 填入 replaced.
void PickDialog::undo() {
    for (const Edit& e : before_) page_->fillInput(e.field, e.text, e.source);
    before_.clear();
    undo_->setEnabled(false);
}

PipePickDialog::PipePickDialog(CalcPage* page)
    : PickDialog(page, QStringLiteral("pipePick"), QStringLiteral("按规格选管子"), QString()) {
    series_ = new QComboBox(this);
    series_->setObjectName(QStringLiteral("pipePickSeries"));
    for (const calc::PipeSeries& s : calc::builtin_pipe_series()) series_->addItem(QString::fromStdString(s.name));
    series_->setMaxVisibleItems(18);
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, series_);
    connect(series_, &QComboBox::currentIndexChanged, this, &PipePickDialog::showSeries);
    showSeries();
    fitToScreen(this, page, QSize(520, 460));
}

void PipePickDialog::target(const char* bore, const char* pipe, const QString& caption) {
    bore_ = bore;
    pipe_ = pipe;
    setWindowTitle(QStringLiteral("按规格选管子：%1").arg(caption));
    hint_->setText(QStringLiteral("选管子规格和公称直径，按“填入本页”：%1填入该管子的内径（外径 − 2×壁厚）%2。")
                       .arg(caption, pipe ? QStringLiteral("，管道种类写为该管子") : QString()));
}

void PipePickDialog::showSeries() {
    list_->clear();
    const calc::PipeSeries& s = calc::builtin_pipe_series()[static_cast<std::size_t>(series_->currentIndex())];
    for (const calc::PipeSize& size : s.sizes)
        list_->addItem(QStringLiteral("DN%1（NPS %2）  %3  内径 %4 mm")
                           .arg(QString::fromStdString(frame::plain(size.dn)), QString::fromStdString(size.nps),
                                QString::fromStdString(size.pipe()),
                                QString::fromStdString(frame::masked(size.bore_mm(), 2))));
    list_->setCurrentRow(0);
}

std::vector<PickDialog::Edit> PipePickDialog::edits(int row) const {
    const calc::PipeSeries& s = calc::builtin_pipe_series()[static_cast<std::size_t>(series_->currentIndex())];
    const calc::PipeSize& size = s.sizes[static_cast<std::size_t>(row)];
    const QString pipe = QString::fromStdString(s.describe(size));
    const QString bore = QString::fromStdString(frame::masked(size.bore_mm(), 2));
    const QString source = QStringLiteral("%1 的内径（%2 − 2 × %3）")
                               .arg(pipe, QString::fromStdString(size.od), QString::fromStdString(size.wall));
    std::vector<Edit> out{{bore_, bore, Filled{bore, source, {}}}};
    if (pipe_) out.push_back({pipe_, pipe, std::nullopt});
    return out;
}

RoughnessPickDialog::RoughnessPickDialog(CalcPage* page)
    : PickDialog(page, QStringLiteral("roughnessPick"), QStringLiteral("按材质选粗糙度"),
                 QStringLiteral("选管壁材质，按“填入本页”：管道粗糙度填入该材质的绝对粗糙度 ε。")) {
    for (const calc::Roughness& r : calc::pipe_roughness())
        list_->addItem(
            QStringLiteral("%1　ε = %2 mm").arg(QString::fromUtf8(r.material), QString::fromUtf8(r.epsilon_mm)));
    list_->setCurrentRow(0);
    fitToScreen(this, page, QSize(480, 380));
}

std::vector<PickDialog::Edit> RoughnessPickDialog::edits(int row) const {
    const calc::Roughness& r = calc::pipe_roughness()[static_cast<std::size_t>(row)];
    const QString epsilon = QString::fromUtf8(r.epsilon_mm);
    const QString source = QStringLiteral("%1（%2）").arg(QString::fromUtf8(r.material), QString::fromUtf8(r.source));
    return {{kRoughness, epsilon, Filled{epsilon, source, {}}}};
}

}  // namespace vxr::app
