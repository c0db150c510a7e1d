#include "app/pages/pipe_diameter_page.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "app/kit/messages.h"
#include "app/kit/settings.h"
#include "app/kit/user_series.h"

namespace vxr::app {
namespace {

// The three pipe sections, top to bottom, four rows each: the line and medium, flow and velocity, the diameter
// calculated and the DN taken, the pipe of the series chosen and its velocity. The control numbers do not follow
// one pattern from section to section.
constexpr Place kPlaces[] = {
    {"Text1", {2535, 1545, 2055, 300}, "label1", {690, 1620, 720, 195}},
    {"Text2", {7155, 1545, 1845, 300}, "Label2", {5760, 1620, 720, 195}},
    {"Text3", {2535, 2025, 2055, 300}, "Label3", {690, 2100, 2115, 195}},
    {"Text4", {7155, 2025, 1845, 300}, "Label4", {5760, 2100, 1230, 195}},
    {"Text5", {2535, 2505, 2055, 300}, "Label5", {690, 2580, 1545, 195}},
    {"Text6", {7155, 2505, 1845, 300}, "Label6", {5760, 2580, 1350, 195}},
    {"pipeSize1", {2535, 2985, 2055, 300}, "pipeSizeLabel1", {690, 3060, 1800, 195}},
    {"pipeVelocity1", {7155, 2985, 1845, 300}, "pipeVelocityLabel1", {5640, 3060, 1470, 195}},
    {"Text12", {2535, 3585, 2055, 300}, "Label12", {690, 3660, 720, 195}},
    {"Text11", {7155, 3585, 1845, 300}, "Label11", {5760, 3660, 720, 195}},
    {"Text10", {2535, 4065, 2055, 300}, "Label10", {690, 4140, 2115, 195}},
    {"Text9", {7155, 4065, 1845, 300}, "Label9", {5760, 4140, 1230, 195}},
    {"Text8", {2535, 4545, 2055, 300}, "Label8", {690, 4620, 1545, 195}},
    {"Text7", {7155, 4545, 1845, 300}, "Label7", {5760, 4620, 1350, 195}},
    {"pipeSize2", {2535, 5025, 2055, 300}, "pipeSizeLabel2", {690, 5100, 1800, 195}},
    {"pipeVelocity2", {7155, 5025, 1845, 300}, "pipeVelocityLabel2", {5640, 5100, 1470, 195}},
    {"Text18", {2535, 5625, 2055, 300}, "Label18", {690, 5700, 720, 195}},
    {"Text17", {7155, 5625, 1845, 300}, "Label17", {5760, 5700, 720, 195}},
    {"Text16", {2535, 6105, 2055, 300}, "Label16", {690, 6180, 2115, 195}},
    {"Text15", {7155, 6105, 1845, 300}, "Label15", {5760, 6180, 1230, 195}},
    {"Text14", {2535, 6585, 2055, 300}, "Label14", {690, 6660, 1545, 195}},
    {"Text13", {7155, 6585, 1845, 300}, "Label13", {5760, 6660, 1350, 195}},
    {"pipeSize3", {2535, 7065, 2055, 300}, "pipeSizeLabel3", {690, 7140, 1800, 195}},
    {"pipeVelocity3", {7155, 7065, 1845, 300}, "pipeVelocityLabel3", {5640, 7140, 1470, 195}},
};

const QString kByNominal = QStringLiteral("按公称直径");

}  // namespace

PipeDiameterPage::PipeDiameterPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    const Form form = Form::page(this);
    QLabel* caption = form.label("pipeSeriesLabel", {690, 1020, 1100, 195}, QStringLiteral("管子规格："));
    selector_ = new QComboBox(this);
    selector_->setObjectName(QStringLiteral("pipeSeries"));
    selector_->setGeometry(pixels(2535), pixels(960 - kTabRowsTwips), pixels(3600), pixels(315));
    selector_->setToolTip(
        QStringLiteral("按公称直径：取标准管径表中不小于 d 的最小 DN（与管子内径无关）；\n"
                       "选一种管子规格：取该规格中内径不小于 d 的最小一档，并给出管子外径×壁厚和"
                       "按其实际内径的流速"));
    refreshSeries();
    selector_->setMaxVisibleItems(20);
    caption->setBuddy(selector_);
    choose(settings::pipeSeries());
    connect(&userseries::signal(), &userseries::Signal::changed, this, &PipeDiameterPage::refreshSeries);
    connect(selector_, &QComboBox::currentIndexChanged, this, [this] {
        settings::setPipeSeries(series());
        emit edited();
    });
    form.line("Line3", 600, 1395, 9690);
    form.line("Line1", 600, 3435, 9690);
    form.line("Line2", 600, 5475, 9690);
    form.line("Line4", 600, 7515, 9690);
    place(form, kPlaces);
    printsSheet(form.button("Command2", {810, 7710, 990, 360}, QStringLiteral("打 印")));
    finish(form.button("Command1", {7920, 7710, 1005, 360}, QStringLiteral("计 算")), Enter::PressesCalculate,
           Focus::StaysWhereItWas);
}

std::optional<calc::PipeSeries> PipeDiameterPage::series() const {
    const std::string name = selector_->currentText().toStdString();
    if (selector_->currentIndex() <= 0) return std::nullopt;
    if (own_ && name == own_->name) return own_;
    if (const calc::PipeSeries* found = calc::find_builtin_series(name)) return *found;
    for (const calc::PipeSeries& s : local_)
        if (s.name == name) return s;
    return std::nullopt;
}

void PipeDiameterPage::refreshSeries() {
    const QSignalBlocker quiet(selector_);
    const QString chosen = selector_->currentText();
    local_ = userseries::load();
    selector_->clear();
    selector_->addItem(kByNominal);
    for (const calc::PipeSeries& s : calc::builtin_pipe_series()) selector_->addItem(QString::fromStdString(s.name));
    for (const calc::PipeSeries& s : local_) selector_->addItem(QString::fromStdString(s.name));
    if (own_ && selector_->findText(QString::fromStdString(own_->name)) < 0)
        selector_->addItem(QString::fromStdString(own_->name));
    selector_->setCurrentIndex(std::max(selector_->findText(chosen), 0));
}

void PipeDiameterPage::choose(const std::optional<calc::PipeSeries>& series) {
    own_.reset();
    if (series && !series->built_in()) {
        own_ = series;
        const auto local = std::find_if(local_.begin(), local_.end(),
                                        [&](const calc::PipeSeries& s) { return s.name == series->name; });
        // The case's rows hold: it calculates as it did where it was saved. Said once a series a window's life.
        if (local != local_.end() && *local != *series && told_.insert(series->name).second)
            QMetaObject::invokeMethod(
                this,
                [this, name = QString::fromStdString(series->name)] {
                    showMessage(
                        this, QStringLiteral("VXR"),
                        QStringLiteral("本工程的管子规格“%1”与本机管材表中的同名规格不同，本工程按其保存的规格计算。")
                            .arg(name));
                },
                Qt::QueuedConnection);
    }
    refreshSeries();
    const QSignalBlocker quiet(selector_);
    selector_->setCurrentIndex(series ? std::max(selector_->findText(QString::fromStdString(series->name)), 0) : 0);
}

void PipeDiameterPage::complete(calc::Case& c) const {
    c.pipe_series = series();
}

void PipeDiameterPage::saveOwn(PageState& state) const {
    state.pipe_series = series();
}

void PipeDiameterPage::restoreOwn(const PageState& state) {
    choose(state.pipe_series);
}

std::vector<CalcPage::SheetSection> PipeDiameterPage::sheetSections() const {
    return {{QStringLiteral("管段 1"),
             {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "pipeSize1", "pipeVelocity1"}},
            {QStringLiteral("管段 2"),
             {"Text12", "Text11", "Text10", "Text9", "Text8", "Text7", "pipeSize2", "pipeVelocity2"}},
            {QStringLiteral("管段 3"),
             {"Text18", "Text17", "Text16", "Text15", "Text14", "Text13", "pipeSize3", "pipeVelocity3"}}};
}

QString PipeDiameterPage::sheetResult(std::string_view field, const QString& shown) const {
    return field == "Text5" || field == "Text8" || field == "Text14" ? roundedUpToHundredths(shown) : shown;
}

QString roundedUpToHundredths(const QString& text) {
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0) return text;
    const QString digits = QString::number(v, 'f', 12);
    const qsizetype dot = digits.indexOf(QLatin1Char('.'));
    const bool beyond = digits.mid(dot + 3).contains(QRegularExpression(QStringLiteral("[1-9]")));
    return QString::number(digits.left(dot + 3).toDouble() + (beyond ? 0.01 : 0.0), 'f', 2);
}

}  // namespace vxr::app
