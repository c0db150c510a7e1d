#include "app/pages/calc_page.h"

#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QJsonArray>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>

#include "app/kit/look.h"
#include "app/kit/messages.h"
#include "app/pages/captions.h"

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

// How a result box's tool tip and the sheet begin a stored result that the calculation no longer gives.
const QString kMismatch = QStringLiteral("保存的结果与按保存的输入重新计算的结果不符：");

}  // namespace

void enableRow(QLineEdit* box, bool on) {
    box->setEnabled(on);
    for (const QString& suffix : {QStringLiteral("Label"), QStringLiteral("Exponent")})
        if (auto* caption = box->parentWidget()->findChild<QLabel*>(box->objectName() + suffix))
            caption->setEnabled(on);
}

std::vector<Mismatch> recheck(const calc::Calculation& calculation, const LastCalculation& stored) {
    calc::Case c;
    for (const frame::Field& f : calculation.fields()) {
        if (f.kind == frame::Kind::Input) {
            const auto typed = stored.texts.find(f.name);
            c.texts.push_back(typed != stored.texts.end() ? typed->second.toStdString() : std::string(f.text));
        }
        if (f.kind == frame::Kind::Option) {
            const auto chosen = stored.options.find(f.group);
            c.chosen.push_back(chosen != stored.options.end() ? chosen->second == f.name : *f.text != '\0');
        }
    }
    c.route = stored.route.value_or(calc::Route{});
    c.pipe_series = stored.pipe_series;
    const calc::Answer answer = calculation.run(c);
    if (const auto* refused = std::get_if<calc::Refused>(&answer))
        return {
            {{},
             {},
             {},
             refused->message.empty() ? QStringLiteral("请仔细核对数据！") : QString::fromStdString(refused->message)}};
    const std::vector<frame::Explained::Result>& again = std::get<frame::Explained>(answer).results;
    std::vector<Mismatch> differ;
    std::size_t n = 0;
    for (const frame::Field& f : calculation.fields()) {
        if (f.kind != frame::Kind::Result) continue;
        const std::string text = n < again.size() ? again[n].text : std::string();
        ++n;
        if (const auto kept = stored.results.find(f.name); kept != stored.results.end() && kept->second.text != text)
            differ.push_back({f.name, sheetColumns(f).name, QString::fromStdString(kept->second.text),
                              QString::fromStdString(text)});
    }
    return differ;
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

std::optional<Filled> CalcPage::filled(std::string_view name) const {
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
    connect(this, &Page::edited, this, &CalcPage::markResults);
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
    if (!prepareCalculation()) {
        refused_ = true;
        return markResults();
    }
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

QStringList CalcPage::staleFills(const std::vector<QString>& texts, const std::vector<bool>& chosen,
                                 std::set<std::string, std::less<>>* stale) const {
    ByName<QString> now;
    std::size_t n = 0;
    for (const frame::Field& f : calc_.fields())
        if (f.kind == frame::Kind::Input || f.kind == frame::Kind::Note) now[f.name] = texts[n++];
    const auto reads = [&now](const auto& temperature) {
        const auto found = now.find(temperature.first);
        return found != now.end() ? found->second : temperature.second;
    };
    // Values taken at the same texts of their temperatures share a line (ρv and r at ts with the condensate's
    // properties at ts and tw).
    std::vector<ByName<QString>> taken;
    for (const auto& entry : sources_) {
        // References by name, not a structured binding: clang before 16 lets no lambda capture a binding.
        const std::string& name = entry.first;
        const Filled& source = entry.second;
        const auto used = now.find(name);
        // An input the options leave out is not used, however out of date.
        if (used == now.end() || used->second != source.text || !this->reads(name, chosen) ||
            std::all_of(source.at.begin(), source.at.end(), [&](const auto& t) { return reads(t) == t.second; }))
            continue;
        if (stale) stale->insert(name);
        const auto same = std::find_if(taken.begin(), taken.end(), [&](const ByName<QString>& at) {
            return std::all_of(source.at.begin(), source.at.end(), [&](const auto& t) {
                const auto found = at.find(t.first);
                return found == at.end() || found->second == t.second;
            });
        });
        if (same == taken.end())
            taken.push_back(source.at);
        else
            same->insert(source.at.begin(), source.at.end());
    }
    QStringList lines;
    for (const ByName<QString>& at : taken) {
        QStringList then, changed;
        for (const frame::Field& f : calc_.fields()) {
            const auto t = at.find(f.name);
            if (t == at.end()) continue;
            const auto said = [&](const QString& text) {
                return QStringLiteral("%1 = %2 %3").arg(QString::fromUtf8(f.about.symbol), text, sheetColumns(f).unit);
            };
            then << said(t->second);
            if (reads(*t) != t->second) changed << said(reads(*t));
        }
        lines << QStringLiteral("物性按 %1 填入，现 %2，请再按“填入本页”")
                     .arg(then.join(QStringLiteral("、")), changed.join(QStringLiteral("、")));
    }
    return lines;
}

void CalcPage::publish(const frame::Explained& explained, const calc::Case& used) {
    last_ = Calculated{
        QDateTime::currentDateTime(), currentTexts(), used.chosen, used.route, explained.results, used.pipe_series};
    // A value filled at temperatures since changed: said with every result, as its notes are.
    for (const QString& line : staleFills(last_->texts, last_->chosen))
        for (frame::Explained::Result& r : last_->results) r.notes.push_back(line.toStdString());
    refused_ = false;
    mismatches_.clear();
    show();
    noteEdit();
}

void CalcPage::show() {
    const std::span<const frame::Field> fields = calc_.fields();
    std::size_t n = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].kind != frame::Kind::Result) continue;
        auto* box = static_cast<QLineEdit*>(controls_[i]);
        const bool shown = last_ && n < last_->results.size();
        box->setText(shown ? QString::fromStdString(last_->results[n].text) : QString());
        box->setCursorPosition(0);
        ++n;
    }
    markResults();
}

void CalcPage::markResults() {
    QString outdated;
    if (const QStringList edited = editedSinceCalculation(); !edited.isEmpty())
        outdated = QStringLiteral("计算后已修改：%1，请重新计算").arg(edited.join(QStringLiteral("、")));
    else if (refused_ && last_)
        outdated = QStringLiteral("计算未通过：结果属于上一次计算的输入，请重新计算");
    const std::span<const frame::Field> fields = calc_.fields();
    std::size_t n = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].kind != frame::Kind::Result) continue;
        auto* box = static_cast<QLineEdit*>(controls_[i]);
        QStringList lines;
        if (last_ && n < last_->results.size())
            for (const std::string& note : last_->results[n].notes) lines << QString::fromStdString(note);
        for (const Mismatch& m : mismatches_)
            if (m.field.empty())
                lines << kMismatch + QStringLiteral("按保存的输入计算未通过（%1）").arg(m.recalculated);
            else if (m.field == fields[i].name)
                lines << kMismatch + QStringLiteral("保存 %1，重新计算 %2").arg(m.stored, m.recalculated);
        if (!outdated.isEmpty()) lines << outdated;
        if (const QString tip = lines.join(QLatin1Char('\n')); tip != box->toolTip()) box->setToolTip(tip);
        styleResultBox(box, !outdated.isEmpty());
        ++n;
    }
}

void CalcPage::refuse(const calc::Refused& refusal) {
    refused_ = true;
    markResults();
    showMessage(this, refusal.app_title ? kAppTitle : QStringLiteral("运行错误"),
                refusal.message.empty() ? QStringLiteral("请仔细核对数据！") : QString::fromStdString(refusal.message));
    QLineEdit* field = refusal.field ? box(refusal.field) : nullptr;
    if (focus_ != Focus::GoesToTheFieldAtFault || !field) return;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

PageState CalcPage::state() const {
    PageState state;
    const std::span<const frame::Field> fields = calc_.fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (auto* box = qobject_cast<const QLineEdit*>(controls_[i]); box && fields[i].kind != frame::Kind::Result)
            state.texts[fields[i].name] = box->text();
        if (fields[i].kind == frame::Kind::Option && static_cast<const QAbstractButton*>(controls_[i])->isChecked())
            state.options[fields[i].group] = fields[i].name;
    }
    state.sources = sources_;
    saveOwn(state);
    if (!last_) return state;
    LastCalculation& used = state.calculation.emplace();
    used.at = last_->at;
    std::size_t text = 0, option = 0, result = 0;
    for (const frame::Field& f : fields) {
        if (f.kind == frame::Kind::Input || f.kind == frame::Kind::Note) used.texts[f.name] = last_->texts[text++];
        if (f.kind == frame::Kind::Option && last_->chosen[option++]) used.options[f.group] = f.name;
        if (f.kind == frame::Kind::Result && result < last_->results.size())
            used.results[f.name] = last_->results[result++];
    }
    if (state.route) used.route = last_->route;
    used.pipe_series = last_->pipe_series;
    return state;
}

void CalcPage::restore(const PageState& state) {
    const Restoring quiet(this);
    const std::span<const frame::Field> fields = calc_.fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const frame::Field& f = fields[i];
        if (auto* box = qobject_cast<QLineEdit*>(controls_[i]); box && f.kind != frame::Kind::Result) {
            const auto typed = state.texts.find(f.name);
            box->setText(typed != state.texts.end() ? typed->second : QString::fromUtf8(f.text));
            box->setCursorPosition(0);
        }
        if (f.kind == frame::Kind::Option) {
            const auto chosen = state.options.find(f.group);
            const bool on = chosen != state.options.end() ? chosen->second == f.name : *f.text != '\0';
            if (on) static_cast<QAbstractButton*>(controls_[i])->setChecked(true);
        }
    }
    sources_ = state.sources;
    restoreOwn(state);
    last_.reset();
    refused_ = false;
    if (const std::optional<LastCalculation>& used = state.calculation) {
        Calculated k{used->at, {}, {}, used->route.value_or(calc::Route{}), {}, used->pipe_series};
        for (const frame::Field& f : fields) {
            if (f.kind == frame::Kind::Input || f.kind == frame::Kind::Note) {
                const auto typed = used->texts.find(f.name);
                k.texts.push_back(typed != used->texts.end() ? typed->second : QString::fromUtf8(f.text));
            }
            if (f.kind == frame::Kind::Option) {
                const auto chosen = used->options.find(f.group);
                k.chosen.push_back(chosen != used->options.end() ? chosen->second == f.name : *f.text != '\0');
            }
            if (f.kind == frame::Kind::Result) {
                const auto shown = used->results.find(f.name);
                k.results.push_back(shown != used->results.end() ? shown->second : frame::Explained::Result{});
            }
        }
        last_ = std::move(k);
    }
    mismatches_ = state.calculation ? recheck(calc_, *state.calculation) : std::vector<Mismatch>{};
    show();
}

namespace {

QString withoutColon(QString text) {
    while (text.endsWith(QChar(0xFF1A)) || text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}

QString stamp(const QDateTime& at) {
    return at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

}  // namespace

std::optional<QDateTime> CalcPage::calculatedAt() const {
    return last_ ? std::optional<QDateTime>(last_->at) : std::nullopt;
}

QString CalcPage::groupTitle(std::size_t option) const {
    const auto* frame = qobject_cast<const QGroupBox*>(controls_[option]->parentWidget());
    return withoutColon(frame ? frame->title() : QString());
}

QStringList CalcPage::editedSinceCalculation() const {
    QStringList edited;
    if (!last_) return edited;
    const std::span<const frame::Field> fields = calc_.fields();
    const std::vector<QString> now = currentTexts();
    const std::vector<bool> chosen = currentChoice();
    std::size_t text = 0, option = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const frame::Field& f = fields[i];
        if (f.kind == frame::Kind::Input || f.kind == frame::Kind::Note) {
            if (now[text] != last_->texts[text]) edited << sheetColumns(f).name;
            ++text;
        } else if (f.kind == frame::Kind::Option) {
            // A group named where the option used is no longer chosen.
            if (chosen[option] != last_->chosen[option] && last_->chosen[option]) edited << groupTitle(i);
            ++option;
        }
    }
    calc::Case current;  // the pipe route and the pipe series as they are now
    complete(current);
    if (current.route != last_->route) edited << QStringLiteral("管道路线");
    if (current.pipe_series != last_->pipe_series) edited << QStringLiteral("管子规格");
    return edited;
}

sheet::Lines CalcPage::sheetLines() const {
    using sheet::Kind;
    sheet::Lines lines;
    if (!last_) return lines;
    const auto add = [&lines](Kind kind, QStringList cells) { lines.push_back({kind, std::move(cells)}); };
    const std::span<const frame::Field> fields = calc_.fields();
    std::vector<Used> inputs, results;
    QStringList unused;  // inputs the options chosen leave out
    std::vector<std::pair<QString, QString>> options, sources;
    std::vector<QString> notes;
    std::set<std::string, std::less<>> stale;
    staleFills(last_->texts, last_->chosen, &stale);
    std::size_t text = 0, option = 0, result = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const frame::Field& f = fields[i];
        if (f.kind == frame::Kind::Input || f.kind == frame::Kind::Note) {
            const QString& used = last_->texts[text++];
            const frame::Field& named = sheetField(f, last_->chosen);
            if (reads(f.name, last_->chosen))
                inputs.push_back({&named, used});
            else if (f.kind == frame::Kind::Input)
                unused << sheetColumns(named).name;
            // A value filled from a property table and used as filled: where it came from, and whether the
            // temperatures it was taken at had changed.
            if (const auto source = filled(f.name); source && source->text == used && reads(f.name, last_->chosen))
                sources.emplace_back(
                    sheetColumns(named).name,
                    source->source + (stale.contains(f.name) ? QStringLiteral("（已过时）") : QString()));
        } else if (f.kind == frame::Kind::Option) {
            if (last_->chosen[option++]) options.emplace_back(groupTitle(i), sheetCaption(f));
        } else if (f.kind == frame::Kind::Result && result < last_->results.size()) {
            const frame::Explained::Result& r = last_->results[result++];
            // A result added since that this case does not give (the pipe of a case sized by nominal diameter).
            if (f.absent && r.text == f.absent && r.notes.empty()) continue;
            results.push_back({&sheetField(f, last_->chosen), sheetResult(f.name, QString::fromStdString(r.text))});
            for (const std::string& line : r.notes)
                if (std::find(notes.begin(), notes.end(), QString::fromStdString(line)) == notes.end())
                    notes.push_back(QString::fromStdString(line));
        }
    }
    if (const QStringList edited = editedSinceCalculation(); !edited.isEmpty())
        add(Kind::Warning,
            {QStringLiteral("注意：计算后已修改%1，下列为计算时所用的值。").arg(edited.join(QStringLiteral("、")))});
    for (const Mismatch& m : mismatches_)
        add(Kind::Warning,
            {kMismatch + (m.field.empty()
                              ? QStringLiteral("按保存的输入计算未通过（%1）").arg(m.recalculated)
                              : QStringLiteral("%1　保存 %2，重新计算 %3").arg(m.caption, m.stored, m.recalculated))});
    add(Kind::Stamp, {QStringLiteral("计算时间"), stamp(last_->at)});
    const auto table = [&](const QString& heading, const std::vector<Used>& used) {
        if (used.empty()) return;
        add(Kind::Heading, {heading});
        add(Kind::Columns, {QStringLiteral("项目"), QStringLiteral("数值"), QStringLiteral("单位")});
        for (const Used& u : used) {
            const Split s = sheetColumns(*u.field);
            add(Kind::Row, {s.name, u.text, s.unit});
        }
    };
    const std::vector<SheetSection> sections = sheetSections();
    for (const SheetSection& section : sections) {
        std::vector<Used> used;
        for (const std::string_view name : section.fields)
            for (const std::vector<Used>* kind : {&inputs, &results})
                for (const Used& u : *kind)
                    if (name == u.field->name) used.push_back(u);
        table(section.heading, used);
    }
    if (sections.empty()) table(QStringLiteral("输入参数"), inputs);
    if (!unused.isEmpty()) add(Kind::Remark, {QStringLiteral("本选项未用：") + unused.join(QStringLiteral("、"))});
    if (!sources.empty()) {
        add(Kind::Heading, {QStringLiteral("物性来源")});
        add(Kind::Columns, {QStringLiteral("项目"), QStringLiteral("来源")});
        for (const auto& [name, source] : sources) add(Kind::Row, {name, source});
    }
    // The route as assessed, record by record; a record never saved (counted as zero) as a row without texts.
    if (!last_->route.segments.empty()) {
        add(Kind::Heading, {QStringLiteral("管道路线（m）")});
        add(Kind::Columns, {QStringLiteral("从"), QStringLiteral("到"), QStringLiteral("长度"), QStringLiteral("LX"),
                            QStringLiteral("LY"), QStringLiteral("LZ")});
        int to = 0;
        for (const std::optional<calc::SegmentTexts>& s : last_->route.segments) {
            const calc::SegmentTexts t = s.value_or(calc::SegmentTexts{});
            add(Kind::Row, {QString::number(to), QString::number(to + 1), QString::fromStdString(t.length),
                            QString::fromStdString(t.lx), QString::fromStdString(t.ly), QString::fromStdString(t.lz)});
            ++to;
        }
    }
    // The series the sizes came from; sized by nominal diameter, the sheet is as it was before series existed.
    if (last_->pipe_series)
        options.emplace_back(QStringLiteral("管子规格"), QString::fromStdString(last_->pipe_series->name));
    if (!options.empty()) {
        add(Kind::Heading, {QStringLiteral("选项")});
        add(Kind::Columns, {QStringLiteral("项目"), QStringLiteral("选择")});
        for (const auto& [name, choice] : options) add(Kind::Row, {name, choice});
    }
    if (sections.empty()) table(QStringLiteral("计算结果"), results);
    if (!notes.empty()) {
        add(Kind::Heading, {QStringLiteral("计算说明")});
        for (const QString& note : notes) add(Kind::Note, {note});
    }
    addToSheet(lines);
    return lines;
}

void CalcPage::printsSheet(QPushButton* button) {
    connect(button, &QPushButton::clicked, this, &CalcPage::printRequested);
}

// Anywhere on the page but a text box (which keeps its own edit menu and accepts the event first).
void CalcPage::contextMenuEvent(QContextMenuEvent* event) {
    if (menu_) menu_->popup(event->globalPos());
    event->accept();
}

}  // namespace vxr::app
