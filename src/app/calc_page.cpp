#include "app/calc_page.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

#include "app/case_file.h"
#include "app/messages.h"

namespace vxr::app {

namespace {

// Where the added pages put their rows inside a frame, in twips: the first row's top, the distance from row to
// row, the caption's left edge, and the box.
constexpr int kFirstRow = 330;
constexpr int kRowPitch = 420;
constexpr int kCaptionLeft = 150;
constexpr int kBoxWidth = 1200;
constexpr int kBoxHeight = 300;
constexpr int kGap = 210;  // between a box and the caption of the next column

const calc::Calculation& calculationOf(const PageInfo& info) {
    const calc::Calculation* c = info.calc();
    // A page without its calculation is a fault of the page list: stop while the page is being built.
    if (!c) qFatal("page %s has no calculation", info.name);
    return *c;
}

// A unit of the tables (UDUNITS-2: "kg/m3", "W/(m2 K)", "degC", "percent") as engineers write it: kg/m³,
// W/(m²·℃), ℃, %. The tables write a temperature difference in K (a heat capacity's, the expansion coefficient's, a
// temperature loss) and every temperature point in degC, so a K reads as ℃, as the captions write it.
QString readableUnit(const char* unit) {
    QString u = QString::fromUtf8(unit);
    u.replace(QStringLiteral("degC"), QStringLiteral("℃"))
        .replace(QStringLiteral("degree"), QStringLiteral("°"))
        .replace(QStringLiteral("percent"), QStringLiteral("%"));
    u.replace(QRegularExpression(QStringLiteral("\\bK\\b")), QStringLiteral("℃"));
    u.replace(QRegularExpression(QStringLiteral("([A-Za-z])2\\b")), QStringLiteral("\\1²"));
    u.replace(QRegularExpression(QStringLiteral("([A-Za-z])3\\b")), QStringLiteral("\\1³"));
    return u.replace(QLatin1Char(' '), QStringLiteral("·"));
}

}  // namespace

QString fieldToolTip(const frame::Field& field) {
    const frame::About& about = field.about;
    QString head = splitUnit(sheetCaption(field)).name;
    const QString symbol = QString::fromUtf8(about.symbol);
    if (!symbol.isEmpty() && !head.contains(symbol)) head += QLatin1Char(' ') + symbol;
    QStringList lines{head, QString::fromUtf8(about.meaning)};
    if (*about.unit) lines << QStringLiteral("单位：") + readableUnit(about.unit);
    if (*about.range) lines << QStringLiteral("常用范围：") + QString::fromUtf8(about.range);
    return lines.join(QLatin1Char('\n'));
}

CalcPage::CalcPage(const PageInfo& info, QWidget* parent)
    : Page(info, parent), calc_(calculationOf(info)), controls_(calc_.fields().size(), nullptr) {}

QWidget* CalcPage::control(std::string_view name) const {
    const std::span<const frame::Field> fields = calc_.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (name == fields[i].name) return controls_[i];
    return nullptr;
}

QLineEdit* CalcPage::box(std::string_view name) const {
    return qobject_cast<QLineEdit*>(control(name));
}

std::optional<CalcPage::Filled> CalcPage::filled(std::string_view name) const {
    const auto found = sources_.find(name);
    return found == sources_.end() ? std::nullopt : std::optional(found->second);
}

void CalcPage::fillInput(std::string_view name, const QString& text, const std::optional<Filled>& source) {
    if (source)
        sources_.insert_or_assign(std::string(name), *source);
    else if (const auto found = sources_.find(name); found != sources_.end())
        sources_.erase(found);
    QLineEdit* field = box(name);
    field->setText(text);
    field->setCursorPosition(0);
}

void CalcPage::place(const Form& form, std::span<const Place> places) {
    const std::span<const frame::Field> fields = calc_.fields();
    struct Exponent {
        const Place* place;
        QString digit;
    };
    std::vector<Exponent> exponents;
    for (const Place& p : places) {
        const auto found = std::find_if(fields.begin(), fields.end(),
                                        [&](const frame::Field& f) { return std::string_view(p.field) == f.name; });
        // A place for a field the table does not have is a fault of the page's code.
        if (found == fields.end()) qFatal("%s: no field named %s", info().name, p.field);
        const frame::Field& f = *found;
        const DrawnCaption caption = drawnCaption(f.caption, p.blanks);
        if (!caption.digit.isEmpty() && !p.exponent) qFatal("%s: the exponent of %s has no label", info().name, f.name);
        QWidget* w = nullptr;
        if (f.kind == frame::Kind::Option) {
            auto* option = form.option(f.name, p.at, caption.text, *f.text != '\0');
            // The option's own name, without the caption of the box it runs on into.
            if (caption.text.contains(QLatin1String(" [")))
                option->setAccessibleName(QString::fromStdString(frame::sheet_caption(f)));
            option->setToolTip(fieldToolTip(f));
            w = option;
        } else {
            QLabel* label = p.label ? form.label(p.label, p.label_at, caption.text) : nullptr;
            QLineEdit* box = f.kind == frame::Kind::Result ? form.result(f.name, p.at, label)
                                                           : form.input(f.name, p.at, QString::fromUtf8(f.text), label);
            // Captioned by an option's tail: named for accessibility tools.
            if (!label) box->setAccessibleName(QString::fromStdString(frame::sheet_caption(f)));
            if (f.kind != frame::Kind::Result) box->setToolTip(fieldToolTip(f));
            w = box;
        }
        controls_[static_cast<std::size_t>(found - fields.begin())] = w;
        if (p.exponent) exponents.push_back({&p, caption.digit});
    }
    // The digits over their captions, each raised above what is drawn before it.
    for (const Exponent& e : exponents) form.exponent(e.place->exponent, e.place->exponent_at, e.digit, e.place->label);
}

void CalcPage::stackFrames(const char* inputs, const char* results, Stack stack) {
    const Form page = Form::page(this);
    const std::span<const frame::Field> fields = calc_.fields();
    int top = stack.top;
    for (const frame::Kind kind : {frame::Kind::Input, frame::Kind::Result}) {
        const bool result = kind == frame::Kind::Result;
        std::vector<std::size_t> rows;
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (fields[i].kind == kind) rows.push_back(i);
        const int lines = (static_cast<int>(rows.size()) + stack.columns - 1) / stack.columns;
        const Twips at{120, top, 9780, kFirstRow + lines * kRowPitch + stack.padding};
        QGroupBox* frame = page.groupBox(result ? results : inputs, at,
                                         result ? QStringLiteral("计算结果：") : QStringLiteral("输入参数："));
        const Form form = Form::inside(frame);
        const int column_width = (at.width - kCaptionLeft) / stack.columns;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            const frame::Field& f = fields[rows[k]];
            const int left = kCaptionLeft + static_cast<int>(k) % stack.columns * column_width;
            const int row_top = kFirstRow + static_cast<int>(k) / stack.columns * kRowPitch;
            const DrawnCaption caption = drawnCaption(f.caption, 2);
            const std::string label_name = std::string(f.name) + "Label";
            QLabel* label = form.label(label_name.c_str(),
                                       {left, row_top + 45, column_width - kBoxWidth - kGap - 30, 255}, caption.text);
            const Twips box_at{left + column_width - kBoxWidth - kGap, row_top, kBoxWidth, kBoxHeight};
            if (result) {
                controls_[rows[k]] = form.result(f.name, box_at, label);
            } else {
                QLineEdit* box = form.input(f.name, box_at, QString::fromUtf8(f.text), label);
                box->setToolTip(fieldToolTip(f));
                controls_[rows[k]] = box;
            }
            if (!caption.digit.isEmpty()) {
                const std::string exponent_name = std::string(f.name) + "Exponent";
                form.exponent(exponent_name.c_str(), {left, row_top, 90, 180}, caption.digit, label_name.c_str());
            }
        }
        top = at.top + at.height + stack.gap;
    }
}

QPushButton* CalcPage::addedCalculateButton(const char* name) {
    return Form::page(this).button(name, {7155, 8325, 1200, 345}, QStringLiteral("计  算"));
}

void CalcPage::finish(QPushButton* button, Enter enter, Focus focus) {
    const std::span<const frame::Field> fields = calc_.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (!controls_[i]) qFatal("%s: the field %s has no control", info().name, fields[i].name);
    calculate_ = button;
    focus_ = focus;
    connect(button, &QPushButton::clicked, this, &CalcPage::calculate);
    for (QWidget* w : controls_) {
        if (auto* box = qobject_cast<QLineEdit*>(w); box && !box->isReadOnly())
            connect(box, &QLineEdit::textChanged, this, &CalcPage::noteEdit);
        if (auto* option = qobject_cast<QAbstractButton*>(w))
            connect(option, &QAbstractButton::toggled, this, [this](bool on) {
                if (on) noteEdit();
            });
    }
    if (enter == Enter::PressesCalculate) pressOnEnter(this, button);
    setReadingTabOrder(this);
}

void CalcPage::calculate() {
    if (!prepareCalculation()) return;
    calc::Case c;
    const std::span<const frame::Field> fields = calc_.fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].kind == frame::Kind::Input)
            c.texts.push_back(static_cast<QLineEdit*>(controls_[i])->text().toStdString());
        if (fields[i].kind == frame::Kind::Option)
            c.chosen.push_back(static_cast<QAbstractButton*>(controls_[i])->isChecked());
    }
    complete(c);
    const calc::Answer answer = calc_.run(c);
    if (const auto* refused = std::get_if<calc::Refused>(&answer)) return refuse(*refused);
    publish(std::get<frame::Explained>(answer), c);
}

std::vector<QString> CalcPage::currentTexts() const {
    std::vector<QString> texts;
    const std::span<const frame::Field> fields = calc_.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].kind == frame::Kind::Input || fields[i].kind == frame::Kind::Note)
            texts.push_back(static_cast<const QLineEdit*>(controls_[i])->text());
    return texts;
}

std::vector<bool> CalcPage::currentChoice() const {
    std::vector<bool> chosen;
    const std::span<const frame::Field> fields = calc_.fields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].kind == frame::Kind::Option)
            chosen.push_back(static_cast<const QAbstractButton*>(controls_[i])->isChecked());
    return chosen;
}

bool CalcPage::reads(std::string_view, const std::vector<bool>&) const {
    return true;
}

bool CalcPage::isChosen(const std::vector<bool>& chosen, std::string_view name) const {
    std::size_t option = 0;
    for (const frame::Field& f : calc_.fields()) {
        if (f.kind != frame::Kind::Option) continue;
        if (name == f.name) return option < chosen.size() && chosen[option];
        ++option;
    }
    return false;
}

void CalcPage::publish(const frame::Explained& explained, const calc::Case& used) {
    last_ = Calculated{QDateTime::currentDateTime(), currentTexts(), used.chosen, used.route, explained.results};
    show(last_);
    noteEdit();
}

void CalcPage::show(const std::optional<Calculated>& calculated) {
    const std::span<const frame::Field> fields = calc_.fields();
    std::size_t n = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].kind != frame::Kind::Result) continue;
        auto* box = static_cast<QLineEdit*>(controls_[i]);
        const bool shown = calculated && n < calculated->results.size();
        QStringList lines;
        if (shown)
            for (const std::string& note : calculated->results[n].notes) lines << QString::fromStdString(note);
        box->setText(shown ? QString::fromStdString(calculated->results[n].text) : QString());
        box->setCursorPosition(0);
        box->setToolTip(lines.join(QLatin1Char('\n')));
        ++n;
    }
}

void CalcPage::refuse(const calc::Refused& refusal) {
    showMessage(this, refusal.app_title ? kAppTitle : QStringLiteral("运行错误"),
                refusal.message.empty() ? QStringLiteral("请仔细核对数据！") : QString::fromStdString(refusal.message));
    QLineEdit* field = refusal.field ? box(refusal.field) : nullptr;
    if (focus_ != Focus::GoesToTheFieldAtFault || !field) return;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

QJsonObject CalcPage::state() const {
    QJsonObject texts, options;
    const std::span<const frame::Field> fields = calc_.fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (auto* box = qobject_cast<const QLineEdit*>(controls_[i]); box && fields[i].kind != frame::Kind::Result)
            texts[QLatin1String(fields[i].name)] = box->text();
        if (fields[i].kind == frame::Kind::Option && static_cast<const QAbstractButton*>(controls_[i])->isChecked())
            options[QLatin1String(fields[i].group)] = QLatin1String(fields[i].name);
    }
    QJsonObject state{{QStringLiteral("texts"), texts}, {QStringLiteral("options"), options}};
    QJsonObject sources;
    for (const auto& [name, f] : sources_)
        sources[QString::fromStdString(name)] =
            QJsonObject{{QStringLiteral("text"), f.text}, {QStringLiteral("source"), f.source}};
    if (!sources.isEmpty()) state[QStringLiteral("sources")] = sources;
    saveRoute(state);
    if (!last_) return state;
    QJsonObject used_texts, used_options, results;
    std::size_t text = 0, option = 0, result = 0;
    for (const frame::Field& f : fields) {
        if (f.kind == frame::Kind::Input || f.kind == frame::Kind::Note)
            used_texts[QLatin1String(f.name)] = last_->texts[text++];
        if (f.kind == frame::Kind::Option && last_->chosen[option++])
            used_options[QLatin1String(f.group)] = QLatin1String(f.name);
        if (f.kind == frame::Kind::Result && result < last_->results.size()) {
            QJsonArray notes;
            for (const std::string& line : last_->results[result].notes) notes.append(QString::fromStdString(line));
            results[QLatin1String(f.name)] =
                QJsonObject{{QStringLiteral("text"), QString::fromStdString(last_->results[result++].text)},
                            {QStringLiteral("notes"), notes}};
        }
    }
    QJsonObject calculation{{QStringLiteral("at"), casefile::dateText(last_->at)},
                            {QStringLiteral("texts"), used_texts},
                            {QStringLiteral("options"), used_options},
                            {QStringLiteral("results"), results}};
    if (state.contains(QLatin1String("route"))) calculation[QStringLiteral("route")] = routeJson(last_->route);
    state[QStringLiteral("calculation")] = calculation;
    return state;
}

void CalcPage::restore(const QJsonObject& state) {
    const Restoring quiet(this);
    const QJsonObject texts = state.value(QLatin1String("texts")).toObject();
    const QJsonObject options = state.value(QLatin1String("options")).toObject();
    const std::span<const frame::Field> fields = calc_.fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const frame::Field& f = fields[i];
        if (auto* box = qobject_cast<QLineEdit*>(controls_[i]); box && f.kind != frame::Kind::Result) {
            box->setText(texts.value(QLatin1String(f.name)).toString(QString::fromUtf8(f.text)));
            box->setCursorPosition(0);
        }
        if (f.kind == frame::Kind::Option) {
            const QJsonValue chosen = options.value(QLatin1String(f.group));
            const bool on = chosen.isString() ? chosen.toString() == QLatin1String(f.name) : *f.text != '\0';
            if (on) static_cast<QAbstractButton*>(controls_[i])->setChecked(true);
        }
    }
    sources_.clear();
    const QJsonObject sources = state.value(QLatin1String("sources")).toObject();
    for (auto it = sources.begin(); it != sources.end(); ++it) {
        const QJsonObject f = it->toObject();
        sources_[it.key().toStdString()] = {f.value(QLatin1String("text")).toString(),
                                            f.value(QLatin1String("source")).toString()};
    }
    restoreRoute(state);
    last_.reset();
    if (const QJsonValue used = state.value(QLatin1String("calculation")); used.isObject()) {
        const QJsonObject c = used.toObject();
        const QJsonObject used_texts = c.value(QLatin1String("texts")).toObject();
        const QJsonObject used_options = c.value(QLatin1String("options")).toObject();
        const QJsonObject results = c.value(QLatin1String("results")).toObject();
        Calculated k{casefile::dateFrom(c.value(QLatin1String("at")).toString()), {}, {}, {}, {}};
        for (const frame::Field& f : fields) {
            const QString name = QLatin1String(f.name);
            if (f.kind == frame::Kind::Input || f.kind == frame::Kind::Note)
                k.texts.push_back(used_texts.value(name).toString(QString::fromUtf8(f.text)));
            if (f.kind == frame::Kind::Option) {
                const QJsonValue chosen = used_options.value(QLatin1String(f.group));
                k.chosen.push_back(chosen.isString() ? chosen.toString() == name : *f.text != '\0');
            }
            if (f.kind == frame::Kind::Result) {
                const QJsonObject r = results.value(name).toObject();
                frame::Explained::Result shown{r.value(QLatin1String("text")).toString().toStdString(), {}};
                for (const QJsonValue& line : r.value(QLatin1String("notes")).toArray())
                    shown.notes.push_back(line.toString().toStdString());
                k.results.push_back(std::move(shown));
            }
        }
        k.route = routeFrom(c.value(QLatin1String("route")).toObject());
        last_ = std::move(k);
    }
    show(last_);
}

QJsonObject CalcPage::routeJson(const calc::Route& route) {
    QJsonObject segments;
    for (std::size_t n = 0; n < route.segments.size(); ++n)
        if (const auto& s = route.segments[n])
            segments[QString::number(n + 1)] =
                QJsonArray{QString::fromStdString(s->length), QString::fromStdString(s->lx),
                           QString::fromStdString(s->ly), QString::fromStdString(s->lz)};
    QJsonObject json{{QStringLiteral("segments"), segments}};
    if (route.end) json[QStringLiteral("end")] = *route.end;
    return json;
}

calc::Route CalcPage::routeFrom(const QJsonObject& json) {
    calc::Route route;
    if (json.value(QLatin1String("end")).isDouble()) route.end = json.value(QLatin1String("end")).toInt();
    const QJsonObject segments = json.value(QLatin1String("segments")).toObject();
    route.segments.resize(static_cast<std::size_t>(route.end.value_or(0)));
    for (auto it = segments.begin(); it != segments.end(); ++it) {
        const std::size_t n = it.key().toUInt();
        const QJsonArray parts = it->toArray();
        if (n < 1 || n > route.segments.size() || parts.size() != 4) continue;
        route.segments[n - 1] =
            calc::SegmentTexts{parts[0].toString().toStdString(), parts[1].toString().toStdString(),
                               parts[2].toString().toStdString(), parts[3].toString().toStdString()};
    }
    return route;
}

}  // namespace vxr::app
