// The sheet on paper: its lines made into boxes (a paragraph, a ruled row of cells), the boxes put on pages by the
// rules of app/sheet.h, and the pages painted with their head and foot.
#include <QBuffer>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextLayout>
#include <algorithm>
#include <deque>

#include "app/kit/brackets.h"
#include "app/kit/look.h"
#include "app/kit/version.h"
#include "app/sheet/layout.h"
#include "app/sheet/pdf_text.h"

namespace vxr::app::sheet {

QString text(const Lines& lines) {
    QString all;
    for (const Line& line : lines) all += line.cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return all;
}

QStringList formulaPieces(const QString& note) {
    QStringList pieces;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < note.size(); ++i) {
        if (opensBracket(note[i], Square::Counted)) {
            ++depth;
        } else if (closesBracket(note[i], Square::Counted)) {
            depth = std::max(0, depth - 1);
        } else if (depth == 0 && i > start && note[i] == QLatin1Char(' ') && i + 2 < note.size() &&
                   note[i + 2] == QLatin1Char(' ') && QStringLiteral("=+−").contains(note[i + 1])) {
            pieces << note.mid(start, i - start);
            start = i + 1;
            i += 2;
        }
    }
    return pieces << note.mid(start);
}

namespace {

const QString kProgram = programName();
constexpr int kAlone = 3;  // the fewest rows of a table or the notes at the top or the foot of a page

// The first installed family of `preferred`, or `fallback`.
QString installed(std::initializer_list<const char*> preferred, const QString& fallback) {
    const QStringList families = QFontDatabase::families();
    for (const char* name : preferred)
        if (families.contains(QString::fromLatin1(name))) return QString::fromLatin1(name);
    return fallback;
}

}  // namespace

// Latin letters and digits from a Latin font, the rest from a TrueType CJK font where one is installed (a CFF CJK
// font alone loses digits in the PDF). Whichever font draws it, the PDF's text layer is the text painted: a font that
// draws two characters with one glyph (Noto Sans CJK: an ideograph and its radical) has its map put right
// (app/sheet/pdf_text.h).
QStringList sheetFamilies() {
    QStringList families{installed({"DejaVu Sans", "Liberation Sans", "FreeSans"}, QString()),
                         installed({"WenQuanYi Zen Hei", "AR PL UMing CN"}, cjkFamily())};
    families.removeAll(QString());
    return families;
}

namespace {

QFont sheetFont(qreal points, bool bold) {
    QFont font;
    font.setFamilies(sheetFamilies());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

struct Text {
    QString text;
    qreal indent = 0;
};

// A paragraph (one cell, not ruled) or a row of ruled cells.
struct Box {
    std::vector<qreal> edges;              // the cells' edges from the body's left edge: one more than the cells
    std::vector<std::vector<Text>> cells;  // each cell's lines
    std::vector<bool> strong;              // the cells in bold
    QFont font, bold;
    QColor colour = Qt::black, fill;
    bool ruled = false, centred = false;
    qreal pad = 0, pitch = 0, ascent = 0, above = 0, least = 0;  // least: the height of the whole box at least
    std::vector<int> sources;                                    // the sheet's lines it shows
    std::shared_ptr<const Drawing> drawing;                      // painted in the box, scaled to `drawn`
    QSizeF drawn;

    int lines() const {
        std::size_t most = 1;
        for (const auto& c : cells) most = std::max(most, c.size());
        return static_cast<int>(most);
    }
};

// Lines [from, to) of a box.
struct Slice {
    const Box* box;
    int from, to;

    bool whole() const { return from == 0 && to == box->lines(); }
    qreal inner() const { return std::max(whole() ? box->least : 0.0, 2 * box->pad + (to - from) * box->pitch); }
    qreal height() const { return box->above + inner(); }
};

// Boxes kept together by the rules: the head (a heading, column captions), repeated as `again` on the next page
// where the body runs on.
struct Run {
    std::vector<Slice> head, again, body;
    bool new_page = false;
};

struct Placed {
    Slice slice;
    qreal y;
};

struct Page {
    std::vector<Placed> placed;
    QString caption;  // what the page's head names: the calculation it belongs to
};

class Layout {
public:
    Layout(const Lines& lines, const QPaintDevice& device);

    std::vector<Page> pages;
    QString project;  // 工程名称, for the head of the pages after the first

    qreal mm(qreal millimetres) const { return millimetres * dots_; }
    qreal left() const { return mm(20); }
    qreal width() const { return std::max(mm(40), device_.width() - mm(35)); }

private:
    qreal top() const { return mm(20); }
    qreal bottom() const { return std::max(top() + mm(40), device_.height() - mm(18)); }

    Box& box(QFont font, std::vector<qreal> edges, std::vector<int> sources);
    void wrap(Box& b, std::size_t cell, const QString& text);
    void formula(Box& b, const QString& note);
    Box& paragraph(const QString& text, const QFont& font, qreal above, int source);
    std::vector<qreal> columns(const Lines& lines, std::size_t first, std::size_t end) const;
    // A ruled row: `bold` the column captions (on grey), or every other cell from the first (the title block's).
    enum class Bold { None, Captions, EveryOther };
    Box& row(const QStringList& cells, const std::vector<qreal>& edges, int source, Bold bold);
    std::size_t titleBlock(const Lines& lines, std::size_t i);
    std::size_t table(const Lines& lines, std::size_t i);
    void place(Run run);
    void put(const Slice& s);
    void newPage();

    const QPaintDevice& device_;
    qreal dots_;
    QFont body_ = sheetFont(10, false), bold_ = sheetFont(10, true), heading_ = sheetFont(11, true);
    std::deque<Box> boxes_;
    qreal y_ = 0;
    QString caption_;
};

Layout::Layout(const Lines& lines, const QPaintDevice& device) : device_(device), dots_(device.logicalDpiY() / 25.4) {
    pages.emplace_back();
    y_ = top();
    for (std::size_t i = 0; i < lines.size();) {
        const Line& line = lines[i];
        const int at = static_cast<int>(i);
        const auto single = [&](Box& b, bool new_page = false) {
            place(Run{{}, {}, {{&b, 0, b.lines()}}, new_page});
            ++i;
        };
        switch (line.kind) {
            case Kind::Title:
            case Kind::Item:
            case Kind::Signatures:
                i = titleBlock(lines, i);
                break;
            case Kind::Warning: {
                Box& b = paragraph(line.cells.join(QLatin1Char(' ')), bold_, mm(2), at);
                b.colour = QColor(0xa0, 0, 0);
                single(b);
                break;
            }
            case Kind::Stamp:
                single(paragraph(line.cells.join(QStringLiteral("：")), body_, mm(2), at));
                break;
            case Kind::Section:
                caption_ = line.cells.value(1);
                single(paragraph(line.cells.join(QStringLiteral("　")), sheetFont(13, true), 0, at), true);
                break;
            case Kind::Heading:
            case Kind::Columns:
            case Kind::Row:
            case Kind::Contents:
            case Kind::Note:
                i = table(lines, i);
                break;
            case Kind::Remark:
                single(paragraph(line.cells.join(QLatin1Char(' ')), body_, mm(2), at));
                break;
            case Kind::Drawing: {
                // As wide as the text, and never taller than a page less a margin.
                Box& b = box(body_, {0, width()}, {at});
                b.above = mm(4);
                if (line.drawing && !line.drawing->size.isEmpty()) {
                    const QSizeF size = line.drawing->size;
                    const qreal scale = std::min(width() / size.width(), (bottom() - top() - mm(10)) / size.height());
                    b.drawing = line.drawing;
                    b.drawn = size * scale;
                    b.least = b.drawn.height();
                }
                single(b);
                break;
            }
        }
    }
}

Box& Layout::box(QFont font, std::vector<qreal> edges, std::vector<int> sources) {
    Box& b = boxes_.emplace_back();
    b.bold = font;
    b.bold.setBold(true);
    b.font = std::move(font);
    const QFontMetricsF plain(b.font, &device_), strong(b.bold, &device_);
    b.pitch = std::max(plain.lineSpacing(), strong.lineSpacing());
    b.ascent = std::max(plain.ascent(), strong.ascent());
    b.cells.resize(edges.size() - 1);
    b.strong.resize(edges.size() - 1);
    b.edges = std::move(edges);
    b.sources = std::move(sources);
    return b;
}

// The cell's text in lines that fit its width: broken between words, or anywhere where a word does not fit.
void Layout::wrap(Box& b, std::size_t cell, const QString& text) {
    const qreal room = std::max(mm(5), b.edges[cell + 1] - b.edges[cell] - 2 * (b.ruled ? mm(1.2) : 0));
    for (QString part : text.split(QLatin1Char('\n'))) {
        part.replace(QLatin1Char('\t'), QLatin1Char(' '));
        QTextLayout layout(part, b.strong[cell] ? b.bold : b.font, &device_);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
            l.setLineWidth(room);
            b.cells[cell].push_back({part.mid(l.textStart(), l.textLength())});
        }
        layout.endLayout();
        if (part.isEmpty() && b.cells[cell].empty()) b.cells[cell].push_back({});
    }
}

// A note in lines broken only between the pieces of its formula, each line after the first indented to stand
// under the first "=" (or by two characters where that is far); a piece wider than the page alone breaks anywhere.
void Layout::formula(Box& b, const QString& note) {
    const QFontMetricsF metrics(b.font, &device_);
    const qreal room = b.edges.back();
    const QStringList pieces = formulaPieces(note);
    qreal indent = metrics.horizontalAdvance(pieces.first() + QLatin1Char(' '));
    if (indent > room / 3) indent = metrics.horizontalAdvance(QStringLiteral("　　"));
    std::vector<Text>& lines = b.cells[0];
    const auto flush = [&](const QString& text) {
        const qreal at = lines.empty() ? 0 : indent;
        if (metrics.horizontalAdvance(text) <= room - at) return lines.push_back({text, at});
        Box part;  // too wide alone: broken anywhere, at the same indent
        part.edges = {0, room - at};
        part.cells.resize(1);
        part.strong = {false};
        part.font = b.font;
        wrap(part, 0, text);
        for (Text& t : part.cells[0]) lines.push_back({t.text, at});
    };
    QString current = pieces.first();
    for (qsizetype k = 1; k < pieces.size(); ++k) {
        const QString joined = current + QLatin1Char(' ') + pieces[k];
        if (metrics.horizontalAdvance(joined) <= room - (lines.empty() ? 0 : indent)) {
            current = joined;
        } else {
            flush(current);
            current = pieces[k];
        }
    }
    flush(current);
}

Box& Layout::paragraph(const QString& text, const QFont& font, qreal above, int source) {
    Box& b = box(font, {0, width()}, source < 0 ? std::vector<int>{} : std::vector<int>{source});
    b.above = above;
    wrap(b, 0, text);
    return b;
}

// A table's column edges: each column as wide as its widest text asks (four characters at least, three fifths of
// the width at most), the whole scaled to the width.
std::vector<qreal> Layout::columns(const Lines& lines, std::size_t first, std::size_t end) const {
    const QFontMetricsF metrics(bold_, &device_);
    std::vector<qreal> natural;
    for (std::size_t i = first; i < end; ++i)
        for (qsizetype c = 0; c < lines[i].cells.size(); ++c) {
            if (natural.size() <= static_cast<std::size_t>(c))
                natural.push_back(metrics.horizontalAdvance(QStringLiteral("四个汉字")));
            const QString& cell = lines[i].cells[c];
            const qreal wide = cell.size() > 200 ? width() : metrics.horizontalAdvance(cell);
            natural[c] = std::min(std::max(natural[c], wide + mm(2.4)), width() * 0.6);
        }
    qreal sum = 0;
    for (const qreal n : natural) sum += n;
    std::vector<qreal> edges{0};
    for (const qreal n : natural) edges.push_back(edges.back() + width() * n / sum);
    return edges;
}

Box& Layout::row(const QStringList& cells, const std::vector<qreal>& edges, int source, Bold bold) {
    Box& b = box(body_, edges, source < 0 ? std::vector<int>{} : std::vector<int>{source});
    b.ruled = true;
    b.pad = mm(0.8);
    for (std::size_t c = 0; c + 1 < edges.size(); ++c) {
        b.strong[c] = bold == Bold::Captions || (bold == Bold::EveryOther && c % 2 == 0);
        wrap(b, c, cells.value(static_cast<qsizetype>(c)));
    }
    if (bold == Bold::Captions) b.fill = QColor(0xe8, 0xe8, 0xe8);
    return b;
}

// The title block: its name across the top, 工程名称 across the next row, the other items two to a row, the
// signatures' row last.
std::size_t Layout::titleBlock(const Lines& lines, std::size_t i) {
    Run run;
    const qreal w = width();
    bool first = true;
    for (; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const int at = static_cast<int>(i);
        if (line.kind == Kind::Title) {
            Box& b = box(sheetFont(15, true), {0, w}, {at});
            b.ruled = b.centred = true;
            b.pad = mm(2);
            wrap(b, 0, line.cells.join(QLatin1Char(' ')));
            run.body.push_back({&b, 0, b.lines()});
        } else if (line.kind == Kind::Item) {
            const bool pair = !first && i + 1 < lines.size() && lines[i + 1].kind == Kind::Item;
            if (line.cells.value(0) == QStringLiteral("计算项目")) caption_ = line.cells.value(1);
            if (line.cells.value(0) == QStringLiteral("工程名称")) project = line.cells.value(1);
            QStringList cells = line.cells.mid(0, 2);
            std::vector<qreal> edges{0, w * 0.17, w};
            std::vector<int> sources{at};
            if (pair) {
                const Line& next = lines[++i];
                if (next.cells.value(0) == QStringLiteral("计算项目")) caption_ = next.cells.value(1);
                cells << next.cells.value(0) << next.cells.value(1);
                edges = {0, w * 0.17, w * 0.5, w * 0.67, w};
                sources.push_back(at + 1);
            }
            while (cells.size() < static_cast<qsizetype>(edges.size()) - 1) cells << QString();
            Box& b = row(cells, edges, at, Bold::EveryOther);
            b.sources = sources;
            first = false;
            run.body.push_back({&b, 0, b.lines()});
        } else if (line.kind == Kind::Signatures) {
            const qreal caption = w * 0.09, name = (w - 3 * caption) / 3;
            std::vector<qreal> edges{0};
            for (int k = 0; k < 3; ++k)
                edges.insert(edges.end(), {edges.back() + caption, edges.back() + caption + name});
            Box& b = row(line.cells, edges, at, Bold::EveryOther);
            b.least = mm(14);  // room to sign under the name
            run.body.push_back({&b, 0, b.lines()});
        } else {
            break;
        }
    }
    place(std::move(run));
    return i;
}

// A heading with the column captions and the rows of its table, or with its notes; rows or notes without a
// heading make a run of their own.
std::size_t Layout::table(const Lines& lines, std::size_t i) {
    Run run;
    if (lines[i].kind == Kind::Heading) {
        const QString heading = lines[i].cells.join(QLatin1Char(' '));
        const Box& first = paragraph(heading, heading_, mm(4), static_cast<int>(i));
        const Box& again = paragraph(heading + QStringLiteral("（续）"), heading_, 0, -1);
        run.head.push_back({&first, 0, first.lines()});
        run.again.push_back({&again, 0, again.lines()});
        ++i;
    }
    std::size_t end = i;
    while (end < lines.size() && (lines[end].kind == Kind::Row || lines[end].kind == Kind::Contents ||
                                  (end == i && lines[end].kind == Kind::Columns)))
        ++end;
    if (end > i) {
        const std::vector<qreal> edges = columns(lines, i, end);
        for (std::size_t k = i; k < end; ++k) {
            const bool captions = lines[k].kind == Kind::Columns;
            Box& b = row(lines[k].cells, edges, static_cast<int>(k), captions ? Bold::Captions : Bold::None);
            (captions ? run.head : run.body).push_back({&b, 0, b.lines()});
            if (captions) run.again.push_back({&b, 0, b.lines()});
        }
        i = end;
    } else {
        for (; i < lines.size() && lines[i].kind == Kind::Note; ++i) {
            Box& b = box(body_, {0, width()}, {static_cast<int>(i)});
            b.above = mm(0.8);
            formula(b, lines[i].cells.join(QLatin1Char(' ')));
            run.body.push_back({&b, 0, b.lines()});
        }
    }
    place(std::move(run));
    return i;
}

void Layout::put(const Slice& s) {
    const qreal y = y_ + (pages.back().placed.empty() ? 0 : s.box->above);
    pages.back().placed.push_back({s, y});
    y_ = y + s.inner();
}

void Layout::newPage() {
    pages.push_back({{}, caption_});
    y_ = top();
}

void Layout::place(Run run) {
    if (run.new_page && !pages.back().placed.empty()) newPage();
    // A box taller than a page with its head goes in parts, a page's worth of lines each.
    const auto total = [](const std::vector<Slice>& slices) {
        qreal sum = 0;
        for (const Slice& s : slices) sum += s.height();
        return sum;
    };
    const qreal most = bottom() - top() - std::max(total(run.head), total(run.again)) - mm(1);
    std::vector<Slice> body;
    for (const Slice& s : run.body) {
        const int lines = std::max(1, static_cast<int>((most - s.box->above - 2 * s.box->pad) / s.box->pitch));
        if (s.height() <= most)
            body.push_back(s);
        else
            for (int from = 0; from < s.to; from += lines) body.push_back({s.box, from, std::min(s.to, from + lines)});
    }
    std::vector<Slice> head = run.head;
    std::size_t next = 0;
    for (;;) {
        const qreal room = bottom() - y_;
        qreal used = total(head);
        std::size_t fit = 0;
        while (next + fit < body.size() && used + body[next + fit].height() <= room)
            used += body[next + fit++].height();
        const std::size_t left = body.size() - next;
        if (fit == left && total(head) <= room) break;
        // At least three rows (or all) with the head, and at least three to run on to the next page.
        std::size_t k = fit;
        if (left - k < kAlone) k = left > kAlone ? left - kAlone : 0;
        if (k < std::min<std::size_t>(kAlone, left)) k = 0;
        if (k == 0) {
            if (!pages.back().placed.empty()) {
                newPage();
                continue;
            }
            k = std::min(left, std::max<std::size_t>(fit, 1));  // the rules cannot be kept: what fits goes
        }
        for (const Slice& s : head) put(s);
        for (std::size_t n = 0; n < k; ++n) put(body[next + n]);
        next += k;
        if (next == body.size()) return;
        newPage();
        head = run.again;
    }
    for (const Slice& s : head) put(s);
    for (; next < body.size(); ++next) put(body[next]);
}

void paintSlice(QPainter& painter, const Layout& layout, const Placed& p) {
    const Box& b = *p.slice.box;
    if (b.drawing) {
        painter.save();
        painter.translate(layout.left() + (layout.width() - b.drawn.width()) / 2, p.y);
        painter.scale(b.drawn.width() / b.drawing->size.width(), b.drawn.height() / b.drawing->size.height());
        b.drawing->draw(painter);
        painter.restore();
        return;
    }
    const qreal height = p.slice.inner();
    const qreal pad = b.ruled ? layout.mm(1.2) : 0;
    for (std::size_t c = 0; c < b.cells.size(); ++c) {
        const QRectF cell(layout.left() + b.edges[c], p.y, b.edges[c + 1] - b.edges[c], height);
        if (b.fill.isValid()) painter.fillRect(cell, b.fill);
        if (b.ruled) {
            painter.setPen(QPen(Qt::black, layout.mm(0.2)));
            painter.drawRect(cell);
        }
        const QFont& font = b.strong[c] ? b.bold : b.font;
        painter.setFont(font);
        painter.setPen(b.colour);
        const QFontMetricsF metrics(font, painter.device());
        const std::vector<Text>& lines = b.cells[c];
        for (int n = p.slice.from; n < p.slice.to && n < static_cast<int>(lines.size()); ++n) {
            const Text& t = lines[static_cast<std::size_t>(n)];
            const qreal x =
                b.centred ? cell.center().x() - metrics.horizontalAdvance(t.text) / 2 : cell.left() + pad + t.indent;
            painter.drawText(QPointF(x, p.y + b.pad + (n - p.slice.from) * b.pitch + b.ascent), t.text);
        }
    }
}

std::vector<int> pagesOf(const Layout& layout, std::size_t count) {
    std::vector<int> page(count, -1);
    for (std::size_t n = 0; n < layout.pages.size(); ++n)
        for (const Placed& p : layout.pages[n].placed)
            for (const int line : p.slice.box->sources)
                if (page[static_cast<std::size_t>(line)] < 0)
                    page[static_cast<std::size_t>(line)] = static_cast<int>(n);
    return page;
}

// The lines with each row of the contents ending in the page its section begins on: laid out once to find them.
Lines numbered(const Lines& lines, const QPaintDevice& device) {
    if (std::none_of(lines.begin(), lines.end(), [](const Line& l) { return l.kind == Kind::Contents; })) return lines;
    Lines out = lines;
    std::vector<int> first;
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].kind != Kind::Contents) continue;
            int page = 0;
            for (std::size_t j = 0; pass == 1 && j < lines.size(); ++j)
                if (lines[j].kind == Kind::Section && lines[j].cells.value(0) == lines[i].cells.value(0))
                    page = first[j] + 1;
            out[i] = {Kind::Row, QStringList(lines[i].cells) << QStringLiteral("第 %1 页").arg(page)};
        }
        if (pass == 0) first = pagesOf(Layout(out, device), out.size());
    }
    return out;
}

// The pages of `layout` through `painter`, `next` starting each page after the first.
bool paintPages(const Layout& layout, const QString& file, QPainter& painter, const std::function<bool()>& next) {
    const QFont small = sheetFont(8, false);
    const QFontMetricsF metrics(small, painter.device());
    const qreal left = layout.left(), right = layout.left() + layout.width(), bottom = painter.device()->height();
    const auto edge = [&](qreal baseline, const QString& at_left, const QString& at_right) {
        painter.setFont(small);
        painter.setPen(QColor(0x40, 0x40, 0x40));
        const qreal half = (right - left) / 2 - layout.mm(2);  // a long name cut short with "…"
        const QString shown_left = metrics.elidedText(at_left, Qt::ElideRight, half);
        const QString shown_right = metrics.elidedText(at_right, Qt::ElideLeft, half);
        painter.drawText(QPointF(left, baseline), shown_left);
        painter.drawText(QPointF(right - metrics.horizontalAdvance(shown_right), baseline), shown_right);
    };
    const int count = static_cast<int>(layout.pages.size());
    for (int n = 0; n < count; ++n) {
        if (n > 0 && !next()) return false;
        const Page& page = layout.pages[static_cast<std::size_t>(n)];
        if (n > 0) {
            edge(layout.mm(14), layout.project, page.caption);
            painter.setPen(QPen(Qt::black, layout.mm(0.2)));
            painter.drawLine(QPointF(left, layout.mm(15.5)), QPointF(right, layout.mm(15.5)));
        }
        for (const Placed& p : page.placed) paintSlice(painter, layout, p);
        painter.setPen(QPen(Qt::black, layout.mm(0.2)));
        painter.drawLine(QPointF(left, bottom - layout.mm(14.5)), QPointF(right, bottom - layout.mm(14.5)));
        edge(bottom - layout.mm(10.5), kProgram + QStringLiteral("　工程文件：") + file,
             QStringLiteral("第 %1 页 共 %2 页").arg(n + 1).arg(count));
    }
    return true;
}

// Paints the sheet on `device`; with `painted`, also records the text painted there, laid out as on the device.
bool paintOn(const Lines& lines, const QString& file, QPagedPaintDevice& device, Painted* painted) {
    const Layout layout(numbered(lines, device), device);
    QPainter painter;
    if (!painter.begin(&device) || !paintPages(layout, file, painter, [&] { return device.newPage(); }) ||
        !painter.end())
        return false;
    if (painted) {
        TextRecorder recorder(QSize(device.width(), device.height()), device.logicalDpiY());
        QPainter recording(&recorder);
        paintPages(layout, file, recording, [] { return true; });
        recording.end();
        *painted = recorder.painted();
    }
    return true;
}

}  // namespace

// A printer writing a PDF file: the file, once written, gets the text painted (app/sheet/pdf_text.h).
bool paint(const Lines& lines, const QString& file, QPagedPaintDevice& device) {
    const auto* printer = dynamic_cast<const QPrinter*>(&device);
    const QString pdf =
        printer && printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName() : QString();
    Painted painted;
    if (!paintOn(lines, file, device, pdf.isEmpty() ? nullptr : &painted)) return false;
    if (pdf.isEmpty()) return true;
    QFile written(pdf);
    if (!written.open(QIODevice::ReadOnly)) return false;
    const QByteArray before = written.readAll();
    written.close();
    const QByteArray after = withPaintedText(before, painted);
    if (after == before) return true;
    QSaveFile out(pdf);
    return out.open(QIODevice::WriteOnly) && out.write(after) == after.size() && out.commit();
}

std::vector<int> pageOfEachLine(const Lines& lines, QPagedPaintDevice& device) {
    return pagesOf(Layout(numbered(lines, device), device), lines.size());
}

bool writePdf(const Lines& lines, const QString& file, const QString& title, const QString& path, QString* error) {
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error) *error = QStringLiteral("无法创建文件 %1（%2）").arg(shown, out.errorString());
        return false;
    }
    // Written to memory first, so that the text layer can be given the characters painted before the file is.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    Painted painted;
    bool done = false;
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(300);
        writer.setTitle(title);
        writer.setCreator(kProgram);
        done = paintOn(lines, file, writer, &painted);
    }
    const QByteArray bytes = done ? withPaintedText(pdf.data(), painted) : QByteArray();
    // A full disk cuts the writes short without a word to the writer, and QSaveFile would still put the cut file
    // in place of the old one: the bytes are flushed and the file's state checked before it may.
    if (!done || out.write(bytes) != bytes.size() || !out.flush() || out.error() != QFileDevice::NoError) {
        if (error) *error = QStringLiteral("写入文件 %1 失败（%2）").arg(shown, out.errorString());
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        if (error) *error = QStringLiteral("写入文件 %1 失败（%2）").arg(shown, out.errorString());
        return false;
    }
    return true;
}

}  // namespace vxr::app::sheet
