// A page that calculates: its input boxes bound to the members of the calculation's input struct, its result boxes
// with the notes of the last calculation as their tool tips, and the calculation sheet (计算书) made from both.
//
// A page builds its controls with `Form`, then hands them here: the input boxes in reading order (`addInputs`,
// `bind`), the result boxes in the order of the calculation's results (`addResults`). `calculate` reads the bound
// boxes into the input struct, runs the core and either writes every result with its notes or writes nothing and
// shows why. Boxes are kept as pointers from construction, so a field is never looked up by its name.
#pragma once

#include <QDateTime>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "app/form.h"
#include "frame/outcome.h"

class QAbstractButton;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace vxr::app {

// Which member of the input struct `In` a text box fills.
template <class In>
struct Binding {
    QLineEdit* box;
    std::string In::*member;
};

template <class In>
class Bindings {
public:
    void bind(QLineEdit* box, std::string In::*member) { rows_.push_back({box, member}); }
    // The input struct filled from the boxes' current texts.
    In read() const {
        In in{};
        for (const Binding<In>& b : rows_) in.*b.member = b.box->text().toStdString();
        return in;
    }
    // The box that fills `member`, or nullptr.
    QLineEdit* box(std::string In::*member) const {
        for (const Binding<In>& b : rows_)
            if (member && b.member == member) return b.box;
        return nullptr;
    }

private:
    std::vector<Binding<In>> rows_;
};

// One row of an added page's table: a caption with its unit ("进料量（kg/h）："; a ² or ³ in it is drawn as the small
// exponent over a blank, like every caption of the window), the box's object name, its default text and, for an
// input, the member of the input struct it fills.
struct Row {
    const char* name;
    const char* caption;
    const char* text = "";
};
template <class In>
struct InputRow {
    const char* name;
    const char* caption;
    const char* text;
    std::string In::*member;
};

// A row of an existing page's table: its caption and box as the design places them, and the member it fills.
template <class In>
struct BoundField {
    Field field;
    std::string In::*member;
};

class CalcPage : public QWidget {
    Q_OBJECT

public:
    explicit CalcPage(const QString& title, QWidget* parent = nullptr);

    QString title() const { return title_; }
    // The calculation sheet as plain text: one item a line, columns separated by tabs.
    QString sheetText() const;
    // Writes the sheet as an A4 PDF; false with the reason in `error` where the file cannot be written.
    bool exportSheet(const QString& path, QString* error) const;

protected:
    // The page's input boxes in reading order (for the sheet); each is captioned by its label's buddy link.
    void addInput(QLineEdit* box) { inputs_.push_back(box); }
    // The option buttons whose choice the sheet reports.
    void addOption(QAbstractButton* option) { options_.push_back(option); }
    // The result boxes in the order of the calculation's results.
    void addResult(QLineEdit* box) { results_.push_back(box); }

    // Writes a finished calculation: each result's text and its notes as the box's tool tip; remembers the inputs
    // as they were used, for the sheet.
    void publish(const frame::Explained& explained);
    // Shows why a calculation did not finish (empty message: the data-check message), then puts the focus on the
    // field at fault with its text selected; without a field the focus stays where it was.
    void refuse(const std::string& message, QLineEdit* field);

    // Reads the bound boxes, runs `calc` and publishes or refuses. The added pages' rule: the focus goes to the
    // field at fault.
    template <class In, class Calc>
    void calculate(const Bindings<In>& fields, Calc&& calc) {
        const frame::Outcome<In> outcome = std::forward<Calc>(calc)(fields.read());
        if (const auto* refusal = std::get_if<frame::Refusal<In>>(&outcome))
            return refuse(refusal->message, fields.box(refusal->field));
        publish(std::get<frame::Explained>(outcome));
    }

    // Builds each row on `form` (caption and input box), adds the box to the sheet's inputs and binds it.
    template <class In>
    void bindInputs(const Form& form, std::span<const BoundField<In>> rows, Bindings<In>& bindings) {
        for (const BoundField<In>& r : rows) {
            const Field& f = r.field;
            QLabel* caption = f.label ? form.label(f.label, f.label_at, QString::fromUtf8(f.caption)) : nullptr;
            QLineEdit* box = form.input(f.box, f.box_at, QString::fromUtf8(f.text), caption);
            addInput(box);
            bindings.bind(box, r.member);
        }
    }

    // The added pages' look: a titled frame at `at` (page twips) holding `rows` in `columns` columns, caption left
    // and a 1200 × 300 box right; the boxes in reading order (row by row, left to right).
    std::vector<QLineEdit*> inputFrame(const char* name, Twips at, std::span<const Row> rows, int columns);
    std::vector<QLineEdit*> resultFrame(const char* name, Twips at, std::span<const Row> rows, int columns);
    template <class In>
    Bindings<In> inputFrame(const char* name, Twips at, std::span<const InputRow<In>> rows, int columns) {
        std::vector<Row> plain;
        for (const InputRow<In>& r : rows) plain.push_back({r.name, r.caption, r.text});
        const std::vector<QLineEdit*> boxes = inputFrame(name, at, plain, columns);
        Bindings<In> bindings;
        for (std::size_t i = 0; i < boxes.size(); ++i) bindings.bind(boxes[i], rows[i].member);
        return bindings;
    }
    // The 计算 button where the added pages have it; Enter in any input presses it; Tab walks in reading order.
    QPushButton* calculateButton(const char* name);

    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    std::vector<QLineEdit*> frameRows(const char* name, Twips at, std::span<const Row> rows, int columns, bool results);

    struct Used {
        QString caption;
        QString text;
        bool read = true;  // false for an input the calculation did not read (greyed for the chosen option)
    };
    // The inputs and options of the last successful calculation, and when it ran.
    struct Snapshot {
        QDateTime at;
        std::vector<Used> inputs;
        std::vector<Used> options;
        std::vector<Used> results;
        std::vector<QString> notes;
    };
    std::vector<Used> currentInputs() const;
    std::vector<Used> currentOptions() const;
    // The sheet line by line, each line's cells with what the line is, for the text and for the PDF.
    enum class Line { Warning, Head, None, Heading, Columns, Row, Note };
    struct SheetLine {
        Line kind;
        QStringList cells;
    };
    std::vector<SheetLine> sheetLines() const;
    static QString sheetHtml(const std::vector<SheetLine>& lines);
    // The sheet's two actions (copy, export as PDF) with their shortcuts, on the page and in its context menu.
    void createSheetActions();
    void copySheet() const;
    void saveSheet();

    QString title_;
    std::vector<QLineEdit*> inputs_;
    std::vector<QAbstractButton*> options_;
    std::vector<QLineEdit*> results_;
    std::optional<Snapshot> last_;
    QMenu* menu_ = nullptr;
    QAction* copy_action_ = nullptr;
    QAction* export_action_ = nullptr;
};

// The caption of a control as the sheet shows it: its label's text with the small exponent digits laid over its
// blanks put in as ² or ³, without the closing colon.
QString sheetCaption(const QWidget* control);

}  // namespace vxr::app
