#include "app/pages/control_valve_page.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <tuple>

#include "app/pages/captions.h"
#include "app/pages/pipe_pick.h"
#include "calc/valve/control_valve.h"

namespace vxr::app {
namespace {

using calc::control_valve_fields::kGasFields;

constexpr Place kMedium[] = {
    {"cvLiquid", {300, 250, 300, 270}},
    {"cvGas", {2700, 250, 300, 270}},
};
constexpr const char* kOption[] = {"cvLiquid", "cvGas"};

// The inputs only a liquid reads, and those only a gas reads.
constexpr std::string_view kLiquidOnly[] = {"cvDensity", "cvVapourPressure", "cvCriticalPressure"};
constexpr std::string_view kGasOnly[] = {"cvMolarMass", "cvHeatRatio", "cvCompressibility", "cvXT"};

bool among(std::span<const std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The row of `field` as a gas reads it, or null where a gas reads it as the table gives it.
const frame::Field* asGas(std::string_view name) {
    for (const frame::Field& f : kGasFields)
        if (name == f.name) return &f;
    return nullptr;
}

}  // namespace

ControlValvePage::ControlValvePage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    place(Form::inside(Form::page(this).groupBox("cvMedium", {120, 990, 9780, 600}, QStringLiteral("介质："))),
          kMedium);
    stackFrames("cvInputFrame", "cvResultFrame", {.top = 1710});
    // The pipe pickers in the free column beside 阀门公称通径: the right column's caption to its box's end.
    const QWidget* size = control("cvValveSize");
    const QRect right = control("cvPipeOut")->geometry();
    const int from = size->parentWidget()->findChild<QLabel*>(QStringLiteral("cvPipeOutLabel"))->x();
    const int half = (right.right() - from - 6) / 2;
    for (const auto& [name, field, caption, n] :
         {std::tuple{"cvPipeInPick", "cvPipeIn", QStringLiteral("阀前管按规格…"), 0},
          {"cvPipeOutPick", "cvPipeOut", QStringLiteral("阀后管按规格…"), 1}}) {
        auto* pick = new QPushButton(caption, size->parentWidget());
        pick->setObjectName(QLatin1String(name));
        pick->setGeometry(from + n * (half + 6), size->y(), half, size->height());
        pick->setAutoDefault(false);
        pick->setToolTip(QStringLiteral("按管子规格（ASME B36.10M / B36.19M）填入%1内径")
                             .arg(n ? QStringLiteral("阀后管") : QStringLiteral("阀前管")));
        connect(pick, &QPushButton::clicked, this, [this, field = field] { pickPipe(field); });
    }
    finish(addedCalculateButton("cvCalculate"), Enter::PressesCalculate, Focus::GoesToTheFieldAtFault);
    connect(static_cast<QAbstractButton*>(control("cvGas")), &QAbstractButton::toggled, this,
            &ControlValvePage::switchMedium);
    showMedium();
}

bool ControlValvePage::gasChosen() const {
    return static_cast<QAbstractButton*>(control("cvGas"))->isChecked();
}

bool ControlValvePage::reads(std::string_view name, const std::vector<bool>& chosen) const {
    const bool gas = isChosen(chosen, "cvGas");
    return gas ? !among(kLiquidOnly, name) : !among(kGasOnly, name);
}

const frame::Field& ControlValvePage::sheetField(const frame::Field& field, const std::vector<bool>& chosen) const {
    const frame::Field* gas = isChosen(chosen, "cvGas") ? asGas(field.name) : nullptr;
    return gas ? *gas : field;
}

void ControlValvePage::switchMedium() {
    const bool gas = gasChosen();
    if (gas == gas_) return;
    for (const frame::Field& f : kGasFields) {
        if (f.kind != frame::Kind::Input) continue;
        QLineEdit* field = box(f.name);
        kept_[gas_][f.name] = field->text();
        const auto kept = kept_[gas].find(f.name);
        const QString text = kept != kept_[gas].end() ? kept->second
                             : gas                    ? QString::fromUtf8(f.text)
                                                      : QString::fromUtf8(calculation().field(f.name)->text);
        kept_[gas].erase(f.name);
        field->setText(text);
        field->setCursorPosition(0);
    }
    gas_ = gas;
    showMedium();
}

void ControlValvePage::showMedium() {
    const bool gas = gasChosen();
    for (const std::string_view name : kLiquidOnly) enableRow(box(name), !gas);
    for (const std::string_view name : kGasOnly) enableRow(box(name), gas);
    for (const frame::Field& g : kGasFields) {
        const frame::Field& f = gas ? g : *calculation().field(g.name);
        QWidget* field = control(f.name);
        auto* label = field->parentWidget()->findChild<QLabel*>(QString::fromUtf8(f.name) + QStringLiteral("Label"));
        const DrawnCaption caption = drawnCaption(f.caption, 2);
        label->setText(caption.text);
        if (f.kind == frame::Kind::Input) field->setToolTip(fieldToolTip(f));
        // The exponent digit over the caption's first blank, wherever the caption now puts it.
        if (auto* exponent =
                field->parentWidget()->findChild<QLabel*>(QString::fromUtf8(f.name) + QStringLiteral("Exponent")))
            exponent->move(label->x() + label->fontMetrics().horizontalAdvance(
                                            caption.text.left(caption.text.indexOf(QLatin1Char(' ')))),
                           exponent->y());
    }
}

PageState ControlValvePage::state() const {
    PageState state = CalcPage::state();
    const bool other = !gas_;
    for (const frame::Field& g : kGasFields) {
        if (g.kind != frame::Kind::Input) continue;
        const QString fallback = QString::fromUtf8(other ? g.text : calculation().field(g.name)->text);
        const auto kept = kept_[other].find(g.name);
        if (kept != kept_[other].end() && kept->second != fallback) state.kept[kOption[other]][g.name] = kept->second;
    }
    return state;
}

void ControlValvePage::restore(const PageState& state) {
    // The boxes take the texts of the medium the state shows; the other medium's are kept as the state keeps them.
    gas_ = [&] {
        const auto chosen = state.options.find("cvMedium");
        return chosen != state.options.end() && chosen->second == "cvGas";
    }();
    kept_[0].clear();
    kept_[1].clear();
    for (int medium = 0; medium < 2; ++medium)
        if (const auto kept = state.kept.find(kOption[medium]); kept != state.kept.end())
            for (const auto& [name, text] : kept->second)
                if (asGas(name)) kept_[medium][name] = text;
    CalcPage::restore(state);
    showMedium();
}

PipePickDialog* ControlValvePage::pickPipe(const char* field) {
    if (!pipes_) pipes_ = new PipePickDialog(this);
    pipes_->target(field, nullptr,
                   std::string_view(field) == "cvPipeIn" ? QStringLiteral("阀前管内径") : QStringLiteral("阀后管内径"));
    pipes_->show();
    pipes_->raise();
    return pipes_;
}

}  // namespace vxr::app
