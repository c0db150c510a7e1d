// The calculation sheet (计算书) as lines of cells: as text for the clipboard, and laid out on pages for a PDF or a
// printer.
//
// On paper the title block is a ruled grid at the top of the first page (the name of the document, the project's
// items two to a row, and a row of signatures tall enough to sign in); a page's section begins a page of its own;
// a table is ruled, its heading and column captions repeated with "（续）" where it runs on to the next page; a
// table or the notes never leave fewer than three of their rows alone at the top of a page, nor their heading with
// fewer than three (or all, where they have fewer) at the foot of one; a note too wide for the page breaks only
// before " = ", " + " or " − " outside brackets. Every page but the first is headed by the project's name and the
// calculation it belongs to, and every page carries the case file's name (or 未保存) and "第 x 页 共 y 页" at its foot.
// A drawing (the McCabe–Thiele diagram) is painted as vector graphics at the width of the text, on one page.
// A PDF, written or printed to a file, extracts as the characters painted, whatever font drew them (pdf_text.h).
#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace vxr::app::sheet {

enum class Kind {
    Title,       // the document's name
    Item,        // an item of the title block: caption, text
    Signatures,  // the title block's last row: 设计, name, 校核, name, 审核, name
    Warning,     // "注意：…" in bold
    Stamp,       // a line of its own: caption, text (计算时间)
    Section,     // one page's sheet within the whole case: number, caption; it begins a page
    Heading,     // heads a table or the notes
    Columns,     // a table's column captions
    Row,         // a row of a table
    Contents,    // a row of the contents: a section's number and caption, …; on paper the page it begins on follows
    Note,        // a line of the notes
    Remark,      // a paragraph of its own
    Drawing,     // a drawing at the width of the text; its cells are what the copied text says in its place
};

// What a drawing line paints: `draw` paints it in a box of `size` (in its own units) from the painter's origin; the
// sheet scales it to the width of the text (or less, where a page is too short for it).
struct Drawing {
    QSizeF size;
    std::function<void(QPainter&)> draw;
};

struct Line {
    Line(Kind k, QStringList c, std::shared_ptr<const Drawing> d = nullptr)
        : kind(k), cells(std::move(c)), drawing(std::move(d)) {}
    Kind kind;
    QStringList cells;
    std::shared_ptr<const Drawing> drawing;  // a Drawing line's
};
using Lines = std::vector<Line>;

// The families of the sheet's text, for a drawing that writes in the sheet's font.
QStringList sheetFamilies();

// One line a line, its cells separated by tabs.
QString text(const Lines& lines);

// A note's places to break, in order: the note cut before each " = ", " + " and " − " that stands outside
// brackets, each piece after the first beginning with its operator.
QStringList formulaPieces(const QString& note);

// Lays `lines` out on the pages of `device` (a PDF writer or a printer, its page size taken as it is) and paints
// them; `file` is the case file's name shown at each page's foot. False where the device takes no painting.
bool paint(const Lines& lines, const QString& file, QPagedPaintDevice& device);
// The page (from 0) on which each line begins, as `paint` lays them out on `device`.
std::vector<int> pageOfEachLine(const Lines& lines, QPagedPaintDevice& device);

// Writes the lines as an A4 PDF titled `title` at `path`, through QSaveFile: a failure (with its reason in `error`)
// leaves no file, and an older file of the same name as it was.
bool writePdf(const Lines& lines, const QString& file, const QString& title, const QString& path, QString* error);

}  // namespace vxr::app::sheet
