#include "app/case/page_json.h"

#include <QJsonArray>
#include <array>
#include <span>
#include <string_view>

#include "app/kit/settings.h"
#include "calc/units/unit_table.h"

namespace vxr::app::casefile {
namespace {

bool typed(frame::Kind kind) {
    return kind == frame::Kind::Input || kind == frame::Kind::Note || kind == frame::Kind::Segment;
}

bool hasSegments(const calc::Calculation& c) {
    for (const frame::Field& f : c.fields())
        if (f.kind == frame::Kind::Segment) return true;
    return false;
}

// The pipe sizing takes its sizes from a pipe series where one is chosen.
bool takesPipeSeries(const calc::Calculation& c) {
    return std::string_view(c.name()) == "pipeDiameter";
}

QString key(const std::string& name) {
    return QString::fromStdString(name);
}

// The route's four texts in a segment, in the order a file writes them.
const char* const kSegmentParts[] = {"长度", "LX", "LY", "LZ"};

// The unit page's keys, in the order a file has them (sorted), which is the order they are checked in.
constexpr std::array<std::pair<const char*, QString UnitChoice::*>, 5> kUnitKeys{{
    {"atmosphere", &UnitChoice::atmosphere},
    {"expression", &UnitChoice::expression},
    {"quantity", &UnitChoice::quantity},
    {"unit", &UnitChoice::unit},
    {"value", &UnitChoice::value},
}};

template <class T, class Write>
QJsonObject byName(const ByName<T>& values, Write write) {
    QJsonObject json;
    for (const auto& [name, value] : values) json[key(name)] = write(value);
    return json;
}

// The option a file without option group `group` means, where the group was added since; null for a group of the
// first release.
const frame::Field* absentOption(const calc::Calculation& c, std::string_view group) {
    for (const frame::Field& f : c.fields())
        if (f.kind == frame::Kind::Option && f.absent && *f.absent && group == f.group) return &f;
    return nullptr;
}

// Texts by field name, those of fields added since left out where they are what a file without them means.
QJsonObject texts(const calc::Calculation& c, const ByName<QString>& values) {
    QJsonObject json;
    for (const auto& [name, text] : values)
        if (const frame::Field* f = c.field(name); !f || !f->absent || text != QString::fromUtf8(f->absent))
            json[key(name)] = text;
    return json;
}

// Results by field name with their notes, those of fields added since left out where they are what a file without
// them means (an empty text without notes).
QJsonObject results(const calc::Calculation& c, const ByName<frame::Explained::Result>& values) {
    QJsonObject json;
    for (const auto& [name, r] : values) {
        const frame::Field* f = c.field(name);
        if (f && f->absent && r.text == f->absent && r.notes.empty()) continue;
        QJsonArray notes;
        for (const std::string& line : r.notes) notes.append(key(line));
        json[key(name)] = QJsonObject{{QStringLiteral("text"), key(r.text)}, {QStringLiteral("notes"), notes}};
    }
    return json;
}

// The option chosen in each group, a group added since left out where it holds the option a file without it means.
QJsonObject options(const calc::Calculation& c, const ByName<std::string>& values) {
    QJsonObject json;
    for (const auto& [group, chosen] : values)
        if (const frame::Field* absent = absentOption(c, group); !absent || chosen != absent->name)
            json[key(group)] = key(chosen);
    return json;
}

// What a file without them means for the fields added since: their texts and the options in effect before.
template <class Texts, class Options>
void fillAbsent(const calc::Calculation& c, Texts& texts, Options& options) {
    for (const frame::Field& f : c.fields()) {
        if (!f.absent) continue;
        if (f.kind == frame::Kind::Option) {
            if (*f.absent && !options.contains(f.group)) options[f.group] = f.name;
        } else if (f.kind != frame::Kind::Result && !texts.contains(f.name)) {
            texts[f.name] = QString::fromUtf8(f.absent);
        }
    }
}

QJsonObject routeJson(const calc::Route& route) {
    QJsonObject segments;
    for (std::size_t n = 0; n < route.segments.size(); ++n)
        if (const auto& s = route.segments[n])
            segments[QString::number(n + 1)] = QJsonArray{key(s->length), key(s->lx), key(s->ly), key(s->lz)};
    QJsonObject json{{QStringLiteral("segments"), segments}};
    if (route.end) json[QStringLiteral("end")] = *route.end;
    return json;
}

// A pipe series by its name; a user's own with its rows as typed (DN, outside diameter, wall), so that the case
// calculates the same where that series is not kept or differs.
QJsonObject seriesJson(const calc::PipeSeries& series) {
    QJsonObject json{{QStringLiteral("name"), key(series.name)}};
    if (series.built_in()) return json;
    QJsonArray rows;
    for (const calc::PipeSize& s : series.sizes)
        rows.append(QJsonArray{key(frame::plain(s.dn)), key(s.od), key(s.wall)});
    json[QStringLiteral("rows")] = rows;
    return json;
}

}  // namespace

QString dateText(const QDateTime& at) {
    // A time read from a file keeps the offset it was written with, so that re-saving gives the same text.
    const QDateTime fixed = at.timeSpec() == Qt::OffsetFromUTC ? at : at.toOffsetFromUtc(at.offsetFromUtc());
    return fixed.toString(Qt::ISODate);
}

QDateTime dateFrom(const QString& text) {
    return QDateTime::fromString(text, Qt::ISODate);
}

PageState absentState(const calc::Calculation* c) {
    PageState state = defaultState(c);
    for (const frame::Field& f : c ? c->fields() : std::span<const frame::Field>()) {
        if (!f.absent || f.kind == frame::Kind::Result) continue;
        if (f.kind != frame::Kind::Option)
            state.texts[f.name] = QString::fromUtf8(f.absent);
        else if (*f.absent)
            state.options[f.group] = f.name;  // the option in effect before the group existed
    }
    state.pipe_series.reset();  // sized by nominal diameter before series existed
    return state;
}

PageState defaultState(const calc::Calculation* c) {
    PageState state;
    if (!c) {
        const calc::units::Quantity& q = calc::units::quantities().front();
        state.units =
            UnitChoice{QString::fromUtf8(q.name), QString::fromUtf8(q.units[calc::units::default_unit(q)].caption),
                       QStringLiteral("1"), QStringLiteral("101.325"), QString()};
        return state;
    }
    for (const frame::Field& f : c->fields()) {
        if (typed(f.kind)) state.texts[f.name] = QString::fromUtf8(f.text);
        if (f.kind == frame::Kind::Option && *f.text) state.options[f.group] = f.name;
    }
    if (takesPipeSeries(*c)) state.pipe_series = settings::pipeSeries();
    if (hasSegments(*c))
        state.route = RouteEditor{
            {std::nullopt, std::vector<std::optional<calc::SegmentTexts>>(calc::NodeList::kMaxNode)}, 1, false};
    return state;
}

QJsonObject pageJson(const calc::Calculation* calculation, const PageState& state) {
    if (!calculation) {
        const UnitChoice& units = state.units.value_or(UnitChoice{});
        QJsonObject json;
        for (const auto& [name, member] : kUnitKeys) json[QLatin1String(name)] = units.*member;
        return json;
    }
    const calc::Calculation& c = *calculation;
    QJsonObject json{{QStringLiteral("texts"), texts(c, state.texts)},
                     {QStringLiteral("options"), options(c, state.options)}};
    if (!state.sources.empty())
        json[QStringLiteral("sources")] = byName(state.sources, [](const Filled& f) {
            QJsonObject entry{{QStringLiteral("text"), f.text}, {QStringLiteral("source"), f.source}};
            if (!f.at.empty()) entry[QStringLiteral("at")] = byName(f.at, [](const QString& t) { return t; });
            return entry;
        });
    if (!state.kept.empty())
        json[QStringLiteral("kept")] = byName(
            state.kept, [](const ByName<QString>& texts) { return byName(texts, [](const QString& t) { return t; }); });
    if (state.route) {
        QJsonObject route = routeJson(state.route->route);
        route[QStringLiteral("current")] = state.route->current;
        route[QStringLiteral("endMark")] = state.route->end_mark;
        json[QStringLiteral("route")] = route;
    }
    if (state.pipe_series) json[QStringLiteral("pipeSeries")] = seriesJson(*state.pipe_series);
    if (const std::optional<LastCalculation>& last = state.calculation) {
        QJsonObject calculation{{QStringLiteral("at"), dateText(last->at)},
                                {QStringLiteral("texts"), texts(c, last->texts)},
                                {QStringLiteral("options"), options(c, last->options)},
                                {QStringLiteral("results"), results(c, last->results)}};
        if (last->route) calculation[QStringLiteral("route")] = routeJson(*last->route);
        if (last->pipe_series) calculation[QStringLiteral("pipeSeries")] = seriesJson(*last->pipe_series);
        json[QStringLiteral("calculation")] = calculation;
    }
    return json;
}

bool Check::fail(const QString& why) {
    if (error.isEmpty()) error = why;
    return false;
}

bool Check::text(const QJsonValue& v, const QString& where, QString* out) {
    if (!v.isString()) return fail(QStringLiteral("“%1”应为文本。").arg(where));
    if (v.toString().size() > kMaxText)
        return fail(QStringLiteral("“%1”的文本超过 %2 个字符。").arg(where).arg(kMaxText));
    *out = v.toString();
    return true;
}

bool Check::object(const QJsonValue& v, const QString& where, QJsonObject* out) {
    if (!v.isObject()) return fail(QStringLiteral("“%1”应为对象。").arg(where));
    *out = v.toObject();
    return true;
}

bool Check::date(const QJsonValue& v, const QString& where, QDateTime* out) {
    QString t;
    if (!text(v, where, &t)) return false;
    *out = dateFrom(t);
    return out->isValid() || fail(QStringLiteral("“%1”不是日期。").arg(where));
}

bool Check::whole(const QJsonValue& v, const QString& where, int lo, int hi, int* out) {
    const double d = v.toDouble();
    if (!v.isDouble() || d != static_cast<double>(static_cast<long long>(d)))
        return fail(QStringLiteral("“%1”应为整数。").arg(where));
    if (d < lo || d > hi) return fail(QStringLiteral("“%1”超出 %2…%3。").arg(where).arg(lo).arg(hi));
    *out = static_cast<int>(d);
    return true;
}

// Texts by field name: names of the kinds a user types (or, of a calculation, its inputs and notes); others skipped.
bool Check::texts(const QJsonValue& v, const QString& where, const calc::Calculation& c, bool editable_only,
                  ByName<QString>& out) {
    QJsonObject in;
    if (!object(v, where, &in)) return false;
    for (auto it = in.begin(); it != in.end(); ++it) {
        const frame::Field* f = c.field(it.key().toStdString());
        const bool known =
            f && (editable_only ? typed(f->kind) : (f->kind == frame::Kind::Input || f->kind == frame::Kind::Note));
        const QString at = where + QLatin1Char('.') + it.key();
        if (!known) {
            skipped << at;
            continue;
        }
        QString t;
        if (!text(*it, at, &t)) return false;
        out[f->name] = t;
    }
    return true;
}

// Option groups by their frame's name, each to the name of its chosen option.
bool Check::options(const QJsonValue& v, const QString& where, const calc::Calculation& c, ByName<std::string>& out) {
    QJsonObject in;
    if (!object(v, where, &in)) return false;
    for (auto it = in.begin(); it != in.end(); ++it) {
        const QString at = where + QLatin1Char('.') + it.key();
        const frame::Field* group = nullptr;
        const frame::Field* member = nullptr;
        QString chosen;
        if (!text(*it, at, &chosen)) return false;
        for (const frame::Field& f : c.fields()) {
            if (f.kind != frame::Kind::Option || it.key() != QLatin1String(f.group)) continue;
            group = &f;
            if (chosen == QLatin1String(f.name)) member = &f;
        }
        if (!group) {
            skipped << at;
            continue;
        }
        if (!member) return fail(QStringLiteral("“%1”的选项“%2”不是本页的选项。").arg(at, chosen));
        out[group->group] = member->name;
    }
    return true;
}

// The sources of values filled from a property table, by input name: the text filled, where it came from and the
// page's temperatures it was taken at (absent: not known).
bool Check::sources(const QJsonValue& v, const QString& where, const calc::Calculation& c, ByName<Filled>& out) {
    QJsonObject in;
    if (!object(v, where, &in)) return false;
    for (auto it = in.begin(); it != in.end(); ++it) {
        const frame::Field* f = c.field(it.key().toStdString());
        const QString at = where + QLatin1Char('.') + it.key();
        if (!f || f->kind != frame::Kind::Input) {
            skipped << at;
            continue;
        }
        QJsonObject entry;
        Filled filled;
        if (!object(*it, at, &entry) ||
            !text(entry.value(QLatin1String("text")), at + QStringLiteral(".text"), &filled.text) ||
            !text(entry.value(QLatin1String("source")), at + QStringLiteral(".source"), &filled.source) ||
            (entry.contains(QLatin1String("at")) &&
             !texts(entry.value(QLatin1String("at")), at + QStringLiteral(".at"), c, false, filled.at)))
            return false;
        out[f->name] = filled;
    }
    return true;
}

// The texts an option keeps for its inputs while another of its group is chosen: by option name, then input name.
bool Check::kept(const QJsonValue& v, const QString& where, const calc::Calculation& c, ByName<ByName<QString>>& out) {
    QJsonObject in;
    if (!object(v, where, &in)) return false;
    for (auto it = in.begin(); it != in.end(); ++it) {
        const frame::Field* option = c.field(it.key().toStdString());
        const QString at = where + QLatin1Char('.') + it.key();
        if (!option || option->kind != frame::Kind::Option) {
            skipped << at;
            continue;
        }
        ByName<QString> texts;
        if (!this->texts(*it, at, c, false, texts)) return false;
        if (!texts.empty()) out[option->name] = std::move(texts);
    }
    return true;
}

// A route: its saved segments by number (record n at index n − 1, every record to the hundredth) and its end node;
// `rest` gets the object for the keys of the segment editor.
bool Check::route(const QJsonValue& v, const QString& where, calc::Route& out, QJsonObject* rest) {
    QJsonObject in;
    if (!object(v, where, &in)) return false;
    out.segments.assign(calc::NodeList::kMaxNode, std::nullopt);
    if (in.contains(QLatin1String("segments"))) {
        QJsonObject given;
        if (!object(in.value(QLatin1String("segments")), where + QStringLiteral(".segments"), &given)) return false;
        if (given.size() > calc::NodeList::kMaxNode)
            return fail(QStringLiteral("“%1”的管段超过 %2 段。").arg(where).arg(calc::NodeList::kMaxNode));
        for (auto it = given.begin(); it != given.end(); ++it) {
            const QString at = where + QStringLiteral(".segments.") + it.key();
            bool number = false;
            const int n = it.key().toInt(&number);
            if (!number || n < 1 || n > calc::NodeList::kMaxNode || QString::number(n) != it.key())
                return fail(QStringLiteral("管段编号“%1”超出 1…%2。").arg(it.key()).arg(calc::NodeList::kMaxNode));
            const QJsonArray parts = it->toArray();
            if (!it->isArray() || parts.size() != 4) return fail(QStringLiteral("“%1”应为四个文本。").arg(at));
            std::array<QString, 4> t;
            for (int i = 0; i < 4; ++i) {
                if (!text(parts[i], at, &t[static_cast<std::size_t>(i)])) return false;
                if (t[static_cast<std::size_t>(i)].isEmpty())
                    return fail(
                        QStringLiteral("第 %1 段管段的%2为空。").arg(n).arg(QString::fromUtf8(kSegmentParts[i])));
            }
            out.segments[static_cast<std::size_t>(n - 1)] =
                calc::SegmentTexts{t[0].toStdString(), t[1].toStdString(), t[2].toStdString(), t[3].toStdString()};
        }
    }
    // The route table may set the end node before the segment shown: both are kept as they are.
    out.end.reset();
    if (in.contains(QLatin1String("end")) && !in.value(QLatin1String("end")).isNull()) {
        int end = 0;
        if (!whole(in.value(QLatin1String("end")), where + QStringLiteral(".end"), 1, calc::NodeList::kMaxNode, &end))
            return false;
        out.end = end;
    }
    if (rest) *rest = in;
    return true;
}

// The segment editor: the route, the current segment and the end mark.
bool Check::editor(const QJsonValue& v, const QString& where, RouteEditor& out) {
    QJsonObject in;
    if (!route(v, where, out.route, &in)) return false;
    if (in.contains(QLatin1String("current")) &&
        !whole(in.value(QLatin1String("current")), where + QStringLiteral(".current"), 1, calc::NodeList::kMaxNode,
               &out.current))
        return false;
    if (in.contains(QLatin1String("endMark"))) {
        if (!in.value(QLatin1String("endMark")).isBool())
            return fail(QStringLiteral("“%1.endMark”应为真或假。").arg(where));
        out.end_mark = in.value(QLatin1String("endMark")).toBool();
    }
    return true;
}

// The last calculation: when, the inputs and options as used, the results as shown with their notes, and on the
// pipe-stress page the route as assessed (its records to the end node).
bool Check::calculation(const QJsonValue& v, const QString& where, const calc::Calculation& c, LastCalculation& out) {
    QJsonObject in;
    if (!object(v, where, &in)) return false;
    if (!date(in.value(QLatin1String("at")), where + QStringLiteral(".at"), &out.at)) return false;
    if (in.contains(QLatin1String("texts")) &&
        !texts(in.value(QLatin1String("texts")), where + QStringLiteral(".texts"), c, false, out.texts))
        return false;
    if (in.contains(QLatin1String("options")) &&
        !options(in.value(QLatin1String("options")), where + QStringLiteral(".options"), c, out.options))
        return false;
    QJsonObject given;
    if (!object(in.value(QLatin1String("results")), where + QStringLiteral(".results"), &given)) return false;
    for (auto it = given.begin(); it != given.end(); ++it) {
        const QString at = where + QStringLiteral(".results.") + it.key();
        const frame::Field* f = c.field(it.key().toStdString());
        if (!f || f->kind != frame::Kind::Result) {
            skipped << at;
            continue;
        }
        QJsonObject r;
        QString t;
        if (!object(*it, at, &r) || !text(r.value(QLatin1String("text")), at + QStringLiteral(".text"), &t))
            return false;
        const QJsonValue notes = r.value(QLatin1String("notes"));
        if (!notes.isArray()) return fail(QStringLiteral("“%1.notes”应为文本列表。").arg(at));
        frame::Explained::Result shown{t.toStdString(), {}};
        for (const QJsonValue& line : notes.toArray()) {
            QString n;
            if (!text(line, at + QStringLiteral(".notes"), &n)) return false;
            shown.notes.push_back(n.toStdString());
        }
        out.results[f->name] = std::move(shown);
    }
    fillAbsent(c, out.texts, out.options);
    if (hasSegments(c)) {
        calc::Route route;
        if (in.contains(QLatin1String("route")) &&
            !this->route(in.value(QLatin1String("route")), where + QStringLiteral(".route"), route, nullptr))
            return false;
        route.segments.resize(static_cast<std::size_t>(route.end.value_or(0)));
        out.route = std::move(route);
    }
    if (in.contains(QLatin1String("pipeSeries")) &&
        !series(in.value(QLatin1String("pipeSeries")), where + QStringLiteral(".pipeSeries"), out.pipe_series))
        return false;
    return true;
}

bool Check::series(const QJsonValue& v, const QString& where, std::optional<calc::PipeSeries>& out) {
    QJsonObject in;
    QString name;
    if (!object(v, where, &in) || !text(in.value(QLatin1String("name")), where + QStringLiteral(".name"), &name))
        return false;
    if (!in.contains(QLatin1String("rows"))) {
        const calc::PipeSeries* built_in = calc::find_builtin_series(name.toStdString());
        if (!built_in) return fail(QStringLiteral("“%1”的管材表“%2”不是内置管材表，又没有它的各行。").arg(where, name));
        out = *built_in;
        return true;
    }
    const QJsonValue rows = in.value(QLatin1String("rows"));
    if (!rows.isArray()) return fail(QStringLiteral("“%1.rows”应为列表。").arg(where));
    std::vector<calc::PipeRowText> typed;
    for (const QJsonValue& row : rows.toArray()) {
        const QJsonArray cells = row.toArray();
        if (!row.isArray() || cells.size() != 3)
            return fail(QStringLiteral("“%1.rows”的每一行应为 DN、外径、壁厚三个文本。").arg(where));
        QString dn, od, wall;
        if (!text(cells[0], where + QStringLiteral(".rows"), &dn) ||
            !text(cells[1], where + QStringLiteral(".rows"), &od) ||
            !text(cells[2], where + QStringLiteral(".rows"), &wall))
            return false;
        typed.push_back({dn.toStdString(), od.toStdString(), wall.toStdString()});
    }
    calc::CheckedSeries checked = calc::check_user_series(name.toStdString(), typed);
    if (!checked.series) return fail(QStringLiteral("“%1”：%2").arg(where, QString::fromStdString(checked.refusal)));
    out = std::move(checked.series);
    return true;
}

bool Check::page(const calc::Calculation* c, const QString& where, const QJsonValue& v, PageState& state) {
    QJsonObject in;
    if (!object(v, where, &in)) return false;
    if (!c) return units(in, where, state.units.emplace(state.units.value_or(UnitChoice{})));
    for (auto it = in.begin(); it != in.end(); ++it) {
        const QString key = it.key(), at = where + QLatin1Char('.') + key;
        bool ok = true;
        if (key == QLatin1String("texts")) {
            ok = texts(*it, at, *c, true, state.texts);
        } else if (key == QLatin1String("options")) {
            ok = options(*it, at, *c, state.options);
        } else if (key == QLatin1String("calculation")) {
            if (!it->isNull()) ok = calculation(*it, at, *c, state.calculation.emplace());
        } else if (key == QLatin1String("sources")) {
            ok = sources(*it, at, *c, state.sources);
        } else if (key == QLatin1String("kept")) {
            ok = kept(*it, at, *c, state.kept);
        } else if (key == QLatin1String("route") && state.route) {
            ok = editor(*it, at, *state.route);
        } else if (key == QLatin1String("pipeSeries") && takesPipeSeries(*c)) {
            ok = series(*it, at, state.pipe_series);
        }
        // Any other key is one a newer version added: ignored, as its format allows.
        if (!ok) return false;
    }
    return true;
}

// The unit page: a quantity and one of its units by their captions, and the texts typed.
bool Check::units(const QJsonObject& in, const QString& where, UnitChoice& out) {
    for (const auto& [name, member] : kUnitKeys)
        if (in.contains(QLatin1String(name)) &&
            !text(in.value(QLatin1String(name)), where + QLatin1Char('.') + QLatin1String(name), &(out.*member)))
            return false;
    for (const calc::units::Quantity& q : calc::units::quantities()) {
        if (out.quantity != QString::fromUtf8(q.name)) continue;
        for (const calc::units::UnitDef& u : q.units)
            if (out.unit == QString::fromUtf8(u.caption)) return true;
        return fail(QStringLiteral("“%1”不是%2的单位。").arg(out.unit, out.quantity));
    }
    return fail(QStringLiteral("“%1”不是本页的物理量。").arg(out.quantity));
}

}  // namespace vxr::app::casefile
