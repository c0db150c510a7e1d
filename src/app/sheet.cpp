// The calculation sheet of a calculating page: as text for the clipboard, as a PDF, and the menu that offers both.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTextDocument>

#include "app/calc_page.h"
#include "app/form.h"
#include "app/look.h"
#include "app/messages.h"

namespace vxr::app {

namespace {

const QString kProgram = QStringLiteral("VXR V1.00");

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

namespace {

QString withoutColon(QString text) {
    while (text.endsWith(QChar(0xFF1A)) || text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}

QString stamp(const QDateTime& at) {
    return at.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// The first installed family of `preferred`, or `fallback`.
QString installed(std::initializer_list<const char*> preferred, const QString& fallback) {
    const QStringList families = QFontDatabase::families();
    for (const char* name : preferred)
        if (families.contains(QString::fromLatin1(name))) return QString::fromLatin1(name);
    return fallback;
}

}  // namespace

std::vector<CalcPage::SheetLine> CalcPage::sheetLines() const {
    std::vector<SheetLine> lines;
    const auto add = [&lines](Line kind, QStringList cells) { lines.push_back({kind, std::move(cells)}); };
    if (!last_) {
        add(Line::Head, {kProgram, QStringLiteral("计算书")});
        add(Line::Head, {QStringLiteral("页面"), title()});
        add(Line::Head, {QStringLiteral("日期"), stamp(QDateTime::currentDateTime())});
        add(Line::None, {QStringLiteral("尚无计算结果：请先按“计算”。")});
        return lines;
    }
    // Each field as the sheet names it, and an option's group by its frame's title.
    const std::span<const frame::Field> fields = calc_.fields();
    const auto caption = [&](std::size_t i) { return QString::fromStdString(frame::sheet_caption(fields[i])); };
    const auto group = [&](std::size_t i) {
        const auto* frame = qobject_cast<const QGroupBox*>(controls_[i]->parentWidget());
        return frame ? frame->title() : QString();
    };
    std::vector<Used> inputs, options, results, sources;
    std::vector<QString> notes;
    QStringList edited;
    const std::vector<QString> now = currentTexts();
    const std::vector<bool> chosen = currentChoice();
    std::size_t text = 0, option = 0, result = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const frame::Field& f = fields[i];
        if (f.kind == frame::Kind::Input || f.kind == frame::Kind::Note) {
            const QString& used = last_->texts[text];
            if (now[text++] != used) edited << splitUnit(caption(i)).name;
            if (reads(f.name, last_->chosen)) inputs.push_back({caption(i), used});
            // A value filled from a property table and used as filled: where it came from.
            if (const auto source = filled(f.name); source && source->text == used && reads(f.name, last_->chosen))
                sources.push_back({splitUnit(caption(i)).name, source->source});
        } else if (f.kind == frame::Kind::Option) {
            if (chosen[option] != last_->chosen[option] && last_->chosen[option]) edited << withoutColon(group(i));
            if (last_->chosen[option++]) options.push_back({group(i), caption(i)});
        } else if (f.kind == frame::Kind::Result && result < last_->results.size()) {
            const frame::Explained::Result& r = last_->results[result++];
            results.push_back({caption(i), QString::fromStdString(r.text)});
            for (const std::string& line : r.notes)
                if (std::find(notes.begin(), notes.end(), QString::fromStdString(line)) == notes.end())
                    notes.push_back(QString::fromStdString(line));
        }
    }
    calc::Case current;  // the pipe route as it is now
    complete(current);
    if (current.route != last_->route) edited << QStringLiteral("管道路线");
    if (!edited.isEmpty())
        add(Line::Warning,
            {QStringLiteral("注意：计算后已修改%1，下列为计算时所用的值。").arg(edited.join(QStringLiteral("、")))});
    add(Line::Head, {kProgram, QStringLiteral("计算书")});
    add(Line::Head, {QStringLiteral("页面"), title()});
    add(Line::Head, {QStringLiteral("计算时间"), stamp(last_->at)});
    const auto table = [&](const QString& heading, const std::vector<Used>& used, bool units) {
        if (used.empty()) return;
        add(Line::Heading, {heading});
        if (!units) {
            add(Line::Columns, {QStringLiteral("项目"), QStringLiteral("选择")});
            for (const Used& u : used) add(Line::Row, {withoutColon(u.caption), u.text});
            return;
        }
        add(Line::Columns, {QStringLiteral("项目"), QStringLiteral("数值"), QStringLiteral("单位")});
        for (const Used& u : used) {
            const Split s = splitUnit(u.caption);
            add(Line::Row, {s.name, u.text, s.unit});
        }
    };
    table(QStringLiteral("输入参数"), inputs, true);
    if (!sources.empty()) {
        add(Line::Heading, {QStringLiteral("物性来源")});
        add(Line::Columns, {QStringLiteral("项目"), QStringLiteral("来源")});
        for (const Used& u : sources) add(Line::Row, {u.caption, u.text});
    }
    // The route as assessed, record by record; a record never saved (counted as zero) as a row without texts.
    if (!last_->route.segments.empty()) {
        add(Line::Heading, {QStringLiteral("管道路线（m）")});
        add(Line::Columns, {QStringLiteral("从"), QStringLiteral("到"), QStringLiteral("长度"), QStringLiteral("LX"),
                            QStringLiteral("LY"), QStringLiteral("LZ")});
        int to = 0;
        for (const std::optional<calc::SegmentTexts>& s : last_->route.segments) {
            const calc::SegmentTexts t = s.value_or(calc::SegmentTexts{});
            add(Line::Row, {QString::number(to), QString::number(to + 1), QString::fromStdString(t.length),
                            QString::fromStdString(t.lx), QString::fromStdString(t.ly), QString::fromStdString(t.lz)});
            ++to;
        }
    }
    table(QStringLiteral("选项"), options, false);
    table(QStringLiteral("计算结果"), results, true);
    if (!notes.empty()) {
        add(Line::Heading, {QStringLiteral("计算说明")});
        for (const QString& note : notes) add(Line::Note, {note});
    }
    return lines;
}

QString CalcPage::sheetText() const {
    QString text;
    for (const SheetLine& line : sheetLines()) text += line.cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

// The sheet as HTML for QTextDocument: the heading lines as paragraphs, each table with ruled cells.
QString CalcPage::sheetHtml(const std::vector<SheetLine>& lines) {
    QString html = QStringLiteral("<html><body>");
    bool in_table = false;
    const auto close = [&] {
        if (in_table) html += QStringLiteral("</table>");
        in_table = false;
    };
    for (const SheetLine& line : lines) {
        QStringList cells;
        for (const QString& c : line.cells) cells << c.toHtmlEscaped();
        switch (line.kind) {
            case Line::Warning:
                html += QStringLiteral("<p style=\"color:#a00000\"><b>%1</b></p>").arg(cells.join(QLatin1Char(' ')));
                break;
            case Line::Head:
                html += QStringLiteral("<p><b>%1</b>　%2</p>").arg(cells.value(0), cells.mid(1).join(QLatin1Char(' ')));
                break;
            case Line::None:
            case Line::Note:
                close();
                // A note's blanks stay as written ("Re = …（湍流）  Pr = …" keeps its two).
                html += QStringLiteral("<p style=\"white-space:pre-wrap\">%1</p>").arg(cells.join(QLatin1Char(' ')));
                break;
            case Line::Heading:
                close();
                html += QStringLiteral("<h3>%1</h3>").arg(cells.join(QLatin1Char(' ')));
                break;
            case Line::Columns:
                close();
                html += QStringLiteral(
                    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\" "
                    "style=\"border-collapse:collapse\"><tr>");
                for (const QString& c : cells) html += QStringLiteral("<th align=\"left\">%1</th>").arg(c);
                html += QStringLiteral("</tr>");
                in_table = true;
                break;
            case Line::Row:
                html += QStringLiteral("<tr>");
                for (const QString& c : cells) html += QStringLiteral("<td>%1</td>").arg(c);
                html += QStringLiteral("</tr>");
                break;
        }
    }
    close();
    return html + QStringLiteral("</body></html>");
}

bool CalcPage::exportSheet(const QString& path, QString* error) const {
    // Written beside the target and put in its place only when complete: a failure leaves no file and keeps an
    // older one of the same name.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("无法创建文件 %1（%2）").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        // QTextDocument::print() keeps a margin of 2 cm of its own.
        writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(title() + QStringLiteral(" 计算书"));
        writer.setCreator(kProgram);
        QTextDocument document;
        // Latin letters and digits from a Latin font, the rest from a TrueType CJK font: both come back out of
        // the PDF as the characters written, where a CFF CJK font alone loses digits and maps some ideographs to
        // their radicals.
        QFont font;
        font.setFamilies({installed({"DejaVu Sans", "Liberation Sans", "FreeSans"}, QString()),
                          installed({"WenQuanYi Zen Hei", "AR PL UMing CN"}, cjkFamily())});
        font.setPointSizeF(10);
        document.setDefaultFont(font);
        document.setHtml(sheetHtml(sheetLines()));
        document.print(&writer);
    }
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("写入文件 %1 失败（%2）").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

void CalcPage::createSheetActions() {
    copy_action_ = new QAction(QStringLiteral("复制计算书"), this);
    export_action_ = new QAction(QStringLiteral("导出计算书（PDF）…"), this);
    // Ctrl+Shift+C and Ctrl+Shift+E: no text box uses them, so they work with the focus in any field.
    copy_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    export_action_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    for (QAction* action : {copy_action_, export_action_}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setShortcutVisibleInContextMenu(true);
        addAction(action);
    }
    connect(copy_action_, &QAction::triggered, this, &CalcPage::copySheet);
    connect(export_action_, &QAction::triggered, this, &CalcPage::saveSheet);
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("sheetMenu"));
    menu_->addAction(copy_action_);
    menu_->addAction(export_action_);
}

// Anywhere on the page but a text box (which keeps its own edit menu and accepts the event first).
void CalcPage::contextMenuEvent(QContextMenuEvent* event) {
    menu_->popup(event->globalPos());
    event->accept();
}

void CalcPage::copySheet() const {
    QApplication::clipboard()->setText(sheetText());
}

void CalcPage::saveSheet() {
    QFileDialog dialog(this, QStringLiteral("导出计算书（PDF）"),
                       QDir::home().filePath(title() + QStringLiteral("计算书.pdf")),
                       QStringLiteral("PDF 文件 (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    QString error;
    if (!exportSheet(dialog.selectedFiles().constFirst(), &error))
        showMessage(this, kAppTitle, QStringLiteral("计算书未能保存：%1").arg(error));
}

}  // namespace vxr::app
