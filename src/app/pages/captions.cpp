#include "app/pages/captions.h"

#include <QRegularExpression>
#include <QStringList>

#include "app/kit/brackets.h"

namespace vxr::app {

namespace {

bool isIdeograph(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0xF900 && u <= 0xFAFF);
}
// A unit's brackets are round ones alone: the pump page's "离心泵安装高度（M]）" keeps its "]" in the unit.
bool opens(QChar c) {
    return opensBracket(c, Square::Ignored);
}
bool closes(QChar c) {
    return closesBracket(c, Square::Ignored);
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

Split splitUnit(const QString& caption) {
    int start = caption.size();
    if (start > 0 && closes(caption.back())) {
        int depth = 0;
        for (int i = start - 1; i >= 0; --i) {
            depth += closes(caption[i]) ? 1 : opens(caption[i]) ? -1 : 0;
            if (depth == 0) {
                start = i;
                break;
            }
        }
        // "W/(m.℃)": the group is the end of a unit that starts further left.
        if (start > 0 && start < caption.size() && QStringLiteral("/.·*").contains(caption[start - 1]))
            while (start > 0 && !isIdeograph(caption[start - 1])) --start;
    } else {
        // "LX（X轴投影长度）±m": the unit ends at the bracket before it.
        while (start > 0 && !isIdeograph(caption[start - 1]) && !caption[start - 1].isSpace() &&
               !closes(caption[start - 1]))
            --start;
    }
    QString name = caption.left(start).trimmed();
    QString unit = caption.mid(start).trimmed();
    if (name.isEmpty()) return {caption.trimmed(), {}};
    if (!unit.isEmpty() && opens(unit.front())) unit.remove(0, 1);
    int balance = 0;
    for (const QChar c : unit) balance += opens(c) ? 1 : closes(c) ? -1 : 0;
    if (balance < 0 && closes(unit.back())) unit.chop(1);
    return {name, unit.trimmed()};
}

QString sheetCaption(const frame::Field& field) {
    QString caption = QString::fromStdString(frame::sheet_caption(field));
    // The tails of the condensation page's option captions: "平表面的长度（m）：]", "[管内径（m）：]".
    while (caption.startsWith(QLatin1Char('[')) || caption.endsWith(QLatin1Char(']')) ||
           caption.endsWith(QChar(0xFF1A)))
        caption = caption.startsWith(QLatin1Char('[')) ? caption.mid(1) : caption.chopped(1);
    return caption;
}

Split sheetColumns(const frame::Field& field) {
    const QString caption = sheetCaption(field);
    if (!*field.about.unit) return {caption, {}};
    Split split = splitUnit(caption);
    split.unit.remove(QLatin1Char(']'));  // "离心泵安装高度（M]）"
    if (const qsizetype blank = split.unit.lastIndexOf(QLatin1Char(' ')); blank > 0) {
        split.name += QStringLiteral("（%1）").arg(split.unit.left(blank).trimmed());
        split.unit = split.unit.mid(blank + 1);
    }
    // The unit in its usual symbol (the page's caption may write it "KJ/Kg" or 千克/立方米), with what the caption says
    // of the pressure's reference ("MPa，表压", or "kPa(A)" and "kPa(G)" as a valve's data sheet writes it).
    const qsizetype comma = split.unit.lastIndexOf(QStringLiteral("，"));
    QString qualifier = comma >= 0 ? split.unit.mid(comma + 1).trimmed() : QString();
    if (split.unit.endsWith(QLatin1String("(A)"))) qualifier = QStringLiteral("绝压");
    if (split.unit.endsWith(QLatin1String("(G)"))) qualifier = QStringLiteral("表压");
    split.unit =
        readableUnit(field.about.unit) + (qualifier.isEmpty() ? QString() : QStringLiteral("（%1）").arg(qualifier));
    return split;
}

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

}  // namespace vxr::app
