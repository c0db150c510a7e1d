#include "app/case_file.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <cerrno>
#include <span>

#include "calc/catalogue.h"
#include "calc/units/unit_table.h"

namespace vxr::app::casefile {
namespace {

const QString kProgram = QStringLiteral("VXR V1.00");

bool typed(frame::Kind kind) {
    return kind == frame::Kind::Input || kind == frame::Kind::Note || kind == frame::Kind::Segment;
}

bool hasSegments(const calc::Calculation& c) {
    for (const frame::Field& f : c.fields())
        if (f.kind == frame::Kind::Segment) return true;
    return false;
}

// The route's four texts in a segment, in the order a file writes them.
const char* const kSegmentParts[] = {"长度", "LX", "LY", "LZ"};

// A walk over a document that stops at its first fault and collects the names it does not know.
class Check {
public:
    QString error;
    QStringList skipped;

    bool fail(const QString& why) {
        if (error.isEmpty()) error = why;
        return false;
    }
    bool text(const QJsonValue& v, const QString& where, QString* out) {
        if (!v.isString()) return fail(QStringLiteral("“%1”应为文本。").arg(where));
        if (v.toString().size() > kMaxText)
            return fail(QStringLiteral("“%1”的文本超过 %2 个字符。").arg(where).arg(kMaxText));
        *out = v.toString();
        return true;
    }
    bool object(const QJsonValue& v, const QString& where, QJsonObject* out) {
        if (!v.isObject()) return fail(QStringLiteral("“%1”应为对象。").arg(where));
        *out = v.toObject();
        return true;
    }
    bool date(const QJsonValue& v, const QString& where, QDateTime* out) {
        QString t;
        if (!text(v, where, &t)) return false;
        *out = dateFrom(t);
        return out->isValid() || fail(QStringLiteral("“%1”不是日期。").arg(where));
    }
    bool whole(const QJsonValue& v, const QString& where, int lo, int hi, int* out) {
        const double d = v.toDouble();
        if (!v.isDouble() || d != static_cast<double>(static_cast<long long>(d)))
            return fail(QStringLiteral("“%1”应为整数。").arg(where));
        if (d < lo || d > hi) return fail(QStringLiteral("“%1”超出 %2…%3。").arg(where).arg(lo).arg(hi));
        *out = static_cast<int>(d);
        return true;
    }

    // Texts by field name, into `out`: names of `kind`s the table has; others skipped.
    bool texts(const QJsonValue& v, const QString& where, const calc::Calculation& c, bool editable_only,
               QJsonObject& out) {
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
            out[it.key()] = t;
        }
        return true;
    }
    // Option groups by their frame's name, each to the name of its chosen option.
    bool options(const QJsonValue& v, const QString& where, const calc::Calculation& c, QJsonObject& out) {
        QJsonObject in;
        if (!object(v, where, &in)) return false;
        for (auto it = in.begin(); it != in.end(); ++it) {
            const QString at = where + QLatin1Char('.') + it.key();
            bool group = false, member = false;
            QString chosen;
            if (!text(*it, at, &chosen)) return false;
            for (const frame::Field& f : c.fields()) {
                if (f.kind != frame::Kind::Option || it.key() != QLatin1String(f.group)) continue;
                group = true;
                member = member || chosen == QLatin1String(f.name);
            }
            if (!group) {
                skipped << at;
                continue;
            }
            if (!member) return fail(QStringLiteral("“%1”的选项“%2”不是本页的选项。").arg(at, chosen));
            out[it.key()] = chosen;
        }
        return true;
    }
    // The sources of values filled from a property table, by input name: the text filled and where it came from.
    bool sources(const QJsonValue& v, const QString& where, const calc::Calculation& c, QJsonObject& out) {
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
            QString text, source;
            if (!object(*it, at, &entry) ||
                !this->text(entry.value(QLatin1String("text")), at + QStringLiteral(".text"), &text) ||
                !this->text(entry.value(QLatin1String("source")), at + QStringLiteral(".source"), &source))
                return false;
            out[it.key()] = QJsonObject{{QStringLiteral("text"), text}, {QStringLiteral("source"), source}};
        }
        return true;
    }
    // The route: saved segments by number, the end node, the current segment and the end mark.
    bool route(const QJsonValue& v, const QString& where, bool editor, QJsonObject& out) {
        QJsonObject in;
        if (!object(v, where, &in)) return false;
        QJsonObject segments;
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
                for (int i = 0; i < 4; ++i) {
                    QString t;
                    if (!text(parts[i], at, &t)) return false;
                    if (t.isEmpty())
                        return fail(
                            QStringLiteral("第 %1 段管段的%2为空。").arg(n).arg(QString::fromUtf8(kSegmentParts[i])));
                }
                segments[it.key()] = parts;
            }
        }
        out[QStringLiteral("segments")] = segments;
        int end = 0;  // the route table may set the end node before the segment shown: both are kept as they are
        if (in.contains(QLatin1String("end")) && !in.value(QLatin1String("end")).isNull()) {
            if (!whole(in.value(QLatin1String("end")), where + QStringLiteral(".end"), 1, calc::NodeList::kMaxNode,
                       &end))
                return false;
            out[QStringLiteral("end")] = end;
        }
        if (!editor) return true;
        if (in.contains(QLatin1String("current"))) {
            int current = 1;
            if (!whole(in.value(QLatin1String("current")), where + QStringLiteral(".current"), 1,
                       calc::NodeList::kMaxNode, &current))
                return false;
            out[QStringLiteral("current")] = current;
        }
        if (in.contains(QLatin1String("endMark"))) {
            if (!in.value(QLatin1String("endMark")).isBool())
                return fail(QStringLiteral("“%1.endMark”应为真或假。").arg(where));
            out[QStringLiteral("endMark")] = in.value(QLatin1String("endMark"));
        }
        return true;
    }
    // The last calculation: when, the inputs and options as used, the results as shown with their notes.
    bool calculation(const QJsonValue& v, const QString& where, const calc::Calculation& c, QJsonObject& out) {
        QJsonObject in;
        if (!object(v, where, &in)) return false;
        QDateTime at;
        if (!date(in.value(QLatin1String("at")), where + QStringLiteral(".at"), &at)) return false;
        out[QStringLiteral("at")] = dateText(at);
        QJsonObject texts, options, results;
        if (in.contains(QLatin1String("texts")) &&
            !this->texts(in.value(QLatin1String("texts")), where + QStringLiteral(".texts"), c, false, texts))
            return false;
        if (in.contains(QLatin1String("options")) &&
            !this->options(in.value(QLatin1String("options")), where + QStringLiteral(".options"), c, options))
            return false;
        QJsonObject given;
        if (!object(in.value(QLatin1String("results")), where + QStringLiteral(".results"), &given)) return false;
        for (auto it = given.begin(); it != given.end(); ++it) {
            const QString at_result = where + QStringLiteral(".results.") + it.key();
            const frame::Field* f = c.field(it.key().toStdString());
            if (!f || f->kind != frame::Kind::Result) {
                skipped << at_result;
                continue;
            }
            QJsonObject r;
            QString t;
            if (!object(*it, at_result, &r) ||
                !text(r.value(QLatin1String("text")), at_result + QStringLiteral(".text"), &t))
                return false;
            const QJsonValue notes = r.value(QLatin1String("notes"));
            if (!notes.isArray()) return fail(QStringLiteral("“%1.notes”应为文本列表。").arg(at_result));
            for (const QJsonValue& line : notes.toArray()) {
                QString n;
                if (!text(line, at_result + QStringLiteral(".notes"), &n)) return false;
            }
            results[it.key()] = QJsonObject{{QStringLiteral("text"), t}, {QStringLiteral("notes"), notes}};
        }
        out[QStringLiteral("texts")] = texts;
        out[QStringLiteral("options")] = options;
        out[QStringLiteral("results")] = results;
        if (hasSegments(c)) {
            QJsonObject route;
            if (in.contains(QLatin1String("route")) &&
                !this->route(in.value(QLatin1String("route")), where + QStringLiteral(".route"), false, route))
                return false;
            if (route.isEmpty()) route[QStringLiteral("segments")] = QJsonObject();
            out[QStringLiteral("route")] = route;
        }
        return true;
    }

    // A page's object, over its defaults.
    bool page(const PageInfo& info, const QJsonValue& v, QJsonObject& out) {
        const QString where = QStringLiteral("pages.") + QLatin1String(info.name);
        QJsonObject in;
        if (!object(v, where, &in)) return false;
        const calc::Calculation* c = info.calc();
        if (!c) return units(in, where, out);
        for (auto it = in.begin(); it != in.end(); ++it) {
            const QString key = it.key(), at = where + QLatin1Char('.') + key;
            QJsonObject part = out.value(key).toObject();
            bool ok = true;
            if (key == QLatin1String("texts"))
                ok = texts(*it, at, *c, true, part);
            else if (key == QLatin1String("options"))
                ok = options(*it, at, *c, part);
            else if (key == QLatin1String("calculation"))
                ok = it->isNull() || calculation(*it, at, *c, part);
            else if (key == QLatin1String("sources"))
                ok = sources(*it, at, *c, part);
            else if (key == QLatin1String("route") && hasSegments(*c))
                ok = route(*it, at, true, part);
            else
                continue;  // a key a newer version added: ignored, as its format allows
            if (!ok) return false;
            if (!part.isEmpty()) out[key] = part;
        }
        return true;
    }
    // The unit page: a quantity and one of its units by their captions, and the texts typed.
    bool units(const QJsonObject& in, const QString& where, QJsonObject& out) {
        for (auto it = in.begin(); it != in.end(); ++it) {
            const QString at = where + QLatin1Char('.') + it.key();
            if (!out.contains(it.key())) continue;  // a key a newer version added
            QString t;
            if (!text(*it, at, &t)) return false;
            out[it.key()] = t;
        }
        const QString quantity = out.value(QLatin1String("quantity")).toString();
        const QString unit = out.value(QLatin1String("unit")).toString();
        for (const calc::units::Quantity& q : calc::units::quantities()) {
            if (quantity != QString::fromUtf8(q.name)) continue;
            for (const calc::units::UnitDef& u : q.units)
                if (unit == QString::fromUtf8(u.caption)) return true;
            return fail(QStringLiteral("“%1”不是%2的单位。").arg(unit, quantity));
        }
        return fail(QStringLiteral("“%1”不是本页的物理量。").arg(quantity));
    }
};

}  // namespace

QString dateText(const QDateTime& at) {
    // A time read from a file keeps the offset it was written with, so that re-saving gives the same text.
    const QDateTime fixed = at.timeSpec() == Qt::OffsetFromUTC ? at : at.toOffsetFromUtc(at.offsetFromUtc());
    return fixed.toString(Qt::ISODate);
}

QDateTime dateFrom(const QString& text) {
    return QDateTime::fromString(text, Qt::ISODate);
}

QJsonObject defaultState(const PageInfo& page) {
    const calc::Calculation* c = page.calc();
    if (!c) {
        const calc::units::Quantity& q = calc::units::quantities().front();
        return {{QStringLiteral("quantity"), QString::fromUtf8(q.name)},
                {QStringLiteral("unit"), QString::fromUtf8(q.units[calc::units::default_unit(q)].caption)},
                {QStringLiteral("value"), QStringLiteral("1")},
                {QStringLiteral("atmosphere"), QStringLiteral("101.325")},
                {QStringLiteral("expression"), QString()}};
    }
    QJsonObject texts, options;
    for (const frame::Field& f : c->fields()) {
        if (typed(f.kind)) texts[QLatin1String(f.name)] = QString::fromUtf8(f.text);
        if (f.kind == frame::Kind::Option && *f.text) options[QLatin1String(f.group)] = QLatin1String(f.name);
    }
    QJsonObject state{{QStringLiteral("texts"), texts}, {QStringLiteral("options"), options}};
    if (hasSegments(*c))
        state[QStringLiteral("route")] = QJsonObject{{QStringLiteral("segments"), QJsonObject()},
                                                     {QStringLiteral("current"), 1},
                                                     {QStringLiteral("endMark"), false}};
    return state;
}

Document fresh() {
    Document d;
    d.changed = QDateTime::currentDateTime();
    d.program = kProgram;
    d.page = QLatin1String(kStartPage);
    for (const PageInfo& p : pages()) d.pages[QLatin1String(p.name)] = defaultState(p);
    return d;
}

Reading parse(const QByteArray& bytes, bool session) {
    Reading reading;
    QJsonParseError parse_error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &parse_error);
    if (parse_error.error != QJsonParseError::NoError) {
        reading.error = QStringLiteral("不是 JSON 文件（第 %1 个字节处：%2）。")
                            .arg(parse_error.offset)
                            .arg(parse_error.errorString());
        return reading;
    }
    const QJsonObject root = json.object();
    if (!json.isObject() || root.value(QLatin1String("format")).toString() != QLatin1String(kFormat)) {
        reading.error = QStringLiteral("不是 VXR 工程文件。");
        return reading;
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() != static_cast<double>(version.toInt()) || version.toInt() < 1) {
        reading.error = QStringLiteral("格式版本号无效。");
        return reading;
    }
    if (version.toInt() > kVersion) {
        reading.error = QStringLiteral("由较新版本的 VXR 保存，请升级后打开。");
        return reading;
    }
    Check check;
    Document d = fresh();
    QJsonObject pages_in;
    const auto optionalText = [&](const char* key, QString* out) {
        return !root.contains(QLatin1String(key)) ||
               check.text(root.value(QLatin1String(key)), QLatin1String(key), out);
    };
    QString page = d.page;
    bool ok = optionalText("program", &d.program) && optionalText("page", &page) &&
              check.object(root.value(QLatin1String("pages")), QStringLiteral("pages"), &pages_in);
    if (ok && root.contains(QLatin1String("changed")))
        ok = check.date(root.value(QLatin1String("changed")), QStringLiteral("changed"), &d.changed);
    if (ok && root.contains(QLatin1String("project"))) {
        ok = check.object(root.value(QLatin1String("project")), QStringLiteral("project"), &d.project);
        for (auto it = d.project.begin(); ok && it != d.project.end(); ++it) {
            QString t;
            ok = check.text(*it, QStringLiteral("project.") + it.key(), &t);
        }
    }
    for (auto it = pages_in.begin(); ok && it != pages_in.end(); ++it) {
        const PageInfo* info = findPage(it.key().toStdString());
        if (!info) {
            check.skipped << QStringLiteral("pages.") + it.key();
            continue;
        }
        QJsonObject state = d.pages.value(it.key()).toObject();
        ok = check.page(*info, *it, state);
        d.pages[it.key()] = state;
    }
    if (ok && findPage(page.toStdString()))
        d.page = page;
    else if (ok)
        check.skipped << QStringLiteral("page ") + page;
    if (ok && session) {
        const QJsonValue file = root.value(QLatin1String("file"));
        if (!file.isNull() && !file.isUndefined()) ok = check.text(file, QStringLiteral("file"), &d.file);
        const QJsonValue unsaved = root.value(QLatin1String("unsaved"));
        if (ok && !unsaved.isUndefined() && !unsaved.isBool()) ok = check.fail(QStringLiteral("“unsaved”应为真或假。"));
        d.unsaved = unsaved.toBool();
    }
    if (!ok) {
        reading.error = check.error;
        return reading;
    }
    reading.document = std::move(d);
    reading.skipped = check.skipped;
    return reading;
}

QByteArray serialize(const Document& d, bool session) {
    QJsonObject root{{QStringLiteral("format"), QLatin1String(kFormat)},
                     {QStringLiteral("version"), kVersion},
                     {QStringLiteral("program"), d.program},
                     {QStringLiteral("changed"), dateText(d.changed)},
                     {QStringLiteral("project"), d.project},
                     {QStringLiteral("page"), d.page},
                     {QStringLiteral("pages"), d.pages}};
    if (session) {
        root[QStringLiteral("file")] = d.file.isEmpty() ? QJsonValue() : QJsonValue(d.file);
        root[QStringLiteral("unsaved")] = d.unsaved;
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Reading readFile(const QString& path, bool session) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, QStringLiteral("文件无法读取（%1）。").arg(file.errorString()), {}};
    if (file.size() > kMaxBytes) return {std::nullopt, QStringLiteral("文件大于 10 MiB。"), {}};
    return parse(file.read(kMaxBytes + 1), session);
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    // A disk that fills up takes a short write without a word, and QSaveFile would still put the cut file in place
    // of the old one: the bytes are flushed and counted before it may.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        if (error) *error = errno ? qt_error_string(errno) : file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

}  // namespace vxr::app::casefile
