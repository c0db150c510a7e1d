// A calculating page's part of its calculation sheet, and the names and units of its fields in the sheet's columns.
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

#include "app/calc_page.h"

namespace vxr::app {

namespace {

bool isIdeograph(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3400 && u <= 0x4DBF) || (u >= 0xF900 && u <= 0xFAFF);
}
bool opens(QChar c) {
    return c == QLatin1Char('(') || c == QChar(0xFF08);
}
bool closes(QChar c) {
    return c == QLatin1Char(')') || c == QChar(0xFF09);
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
        while (start > 0 && !isIdeograph(caption[start - 1]) && !caption[start - 1].isSpace()) --start;
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
    return split;
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

sheet::Lines CalcPage::sheetLines() const {
    using sheet::Kind;
    sheet::Lines lines;
    if (!last_) return lines;
    const auto add = [&lines](Kind kind, QStringList cells) { lines.push_back({kind, std::move(cells)}); };
    // An option's group by its frame's title.
    const std::span<const frame::Field> fields = calc_.fields();
    const auto group = [&](std::size_t i) {
        const auto* frame = qobject_cast<const QGroupBox*>(controls_[i]->parentWidget());
        return frame ? frame->title() : QString();
    };
    std::vector<Used> inputs, results;
    std::vector<std::pair<QString, QString>> options, sources;
    std::vector<QString> notes;
    QStringList edited;
    const std::vector<QString> now = currentTexts();
    const std::vector<bool> chosen = currentChoice();
    std::size_t text = 0, option = 0, result = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const frame::Field& f = fields[i];
        if (f.kind == frame::Kind::Input || f.kind == frame::Kind::Note) {
            const QString& used = last_->texts[text];
            if (now[text++] != used) edited << sheetColumns(f).name;
            if (reads(f.name, last_->chosen)) inputs.push_back({&f, used});
            // A value filled from a property table and used as filled: where it came from.
            if (const auto source = filled(f.name); source && source->text == used && reads(f.name, last_->chosen))
                sources.emplace_back(sheetColumns(f).name, source->source);
        } else if (f.kind == frame::Kind::Option) {
            if (chosen[option] != last_->chosen[option] && last_->chosen[option]) edited << withoutColon(group(i));
            if (last_->chosen[option++]) options.emplace_back(withoutColon(group(i)), sheetCaption(f));
        } else if (f.kind == frame::Kind::Result && result < last_->results.size()) {
            const frame::Explained::Result& r = last_->results[result++];
            results.push_back({&f, QString::fromStdString(r.text)});
            for (const std::string& line : r.notes)
                if (std::find(notes.begin(), notes.end(), QString::fromStdString(line)) == notes.end())
                    notes.push_back(QString::fromStdString(line));
        }
    }
    calc::Case current;  // the pipe route as it is now
    complete(current);
    if (current.route != last_->route) edited << QStringLiteral("管道路线");
    if (!edited.isEmpty())
        add(Kind::Warning,
            {QStringLiteral("注意：计算后已修改%1，下列为计算时所用的值。").arg(edited.join(QStringLiteral("、")))});
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
    table(QStringLiteral("输入参数"), inputs);
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
    if (!options.empty()) {
        add(Kind::Heading, {QStringLiteral("选项")});
        add(Kind::Columns, {QStringLiteral("项目"), QStringLiteral("选择")});
        for (const auto& [name, choice] : options) add(Kind::Row, {name, choice});
    }
    table(QStringLiteral("计算结果"), results);
    if (!notes.empty()) {
        add(Kind::Heading, {QStringLiteral("计算说明")});
        for (const QString& note : notes) add(Kind::Note, {note});
    }
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
