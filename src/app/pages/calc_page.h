// A page that calculates: its controls built from its calculation's table of fields, the notes of the last
// calculation as its result boxes' tool tips, and the calculation sheet (计算书) made from both.
//
// A page draws its fields with `place` (the original pages: each where the design puts it) or `stackFrames` (the
// added pages: titled frames of rows), adds what is its own (lines, print buttons, the route editor), then calls
// `finish`. `calculate` reads every input's text and every option into a case, runs the calculation, and either
// writes every result with its notes or writes nothing and shows why.
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/kit/form.h"
#include "app/pages/page.h"
#include "app/pages/page_list.h"
#include "app/sheet/layout.h"
#include "calc/catalogue.h"

class QLineEdit;
class QMenu;
class QPushButton;

namespace vxr::app {

// A result stored with a calculation that the calculation, run again on the inputs, options and route stored with
// it, no longer gives; only the texts are compared (a later version may explain more in the notes).
struct Mismatch {
    std::string field;     // the result's name; empty where the run was refused
    QString caption;       // the result as the sheet names it
    QString stored;        // as stored
    QString recalculated;  // as run again, or why the run was refused
};
// The stored results of `stored` that its calculation no longer gives; a key missing from it reads as a file without
// it means. Results not stored are not compared.
std::vector<Mismatch> recheck(const calc::Calculation& calculation, const LastCalculation& stored);

// A row of an added page greyed or not: its text box with its caption and the caption's exponent digit.
void enableRow(QLineEdit* box, bool on);

class CalcPage : public Page {
    Q_OBJECT

public:
    explicit CalcPage(const PageInfo& info, QWidget* parent = nullptr);

    const calc::Calculation& calculation() const { return calc_; }
    QString title() const { return QString::fromUtf8(info().caption); }
    QPushButton* calculateButton() const { return calculate_; }
    // The control of the field named `name`: a text box or an option button.
    QWidget* control(std::string_view name) const;
    QLineEdit* box(std::string_view name) const;

    // A value filled into an input from a property table (a case keeps it as "sources").
    std::optional<Filled> filled(std::string_view name) const;
    // Writes `text` into the input `name` as the user would, with `source` as its source (nothing: none).
    void fillInput(std::string_view name, const QString& text, const std::optional<Filled>& source);

    // When the last calculation ran; nothing while the page holds none (never calculated, or opened or restored
    // without one).
    std::optional<QDateTime> calculatedAt() const;
    // The page's part of its calculation sheet, below the title block: a warning where an input was changed since,
    // the time of the calculation, the inputs (and where filled ones came from), the route, the options and the
    // results as used, and the notes; nothing while the page holds no calculation.
    sheet::Lines sheetLines() const;
    // What was changed since the last calculation, as the sheet's warning names it: inputs and description fields by
    // their captions, option groups by their frames' titles, 管道路线; nothing while the page holds no calculation.
    QStringList editedSinceCalculation() const;
    // The same as text: one line a line, cells separated by tabs.
    QString sheetText() const { return sheet::text(sheetLines()); }
    // The menu a right click on the page opens (the window's sheet actions).
    void setContextMenu(QMenu* menu) { menu_ = menu; }

    // Every field's text and option as shown, the sources of filled values, and the last calculation as the sheet
    // prints it.
    PageState state() const override;
    void restore(const PageState& state) override;

signals:
    // The page's 打印 button was pressed.
    void printRequested();

protected:
    // Draws the fields named in `places` on `form` (a page or one of its frames), each with its table's caption and
    // default text.
    void place(const Form& form, std::span<const Place> places);

    // The added pages' look: the inputs in a frame "输入参数：" and the results in a frame "计算结果：", stacked down
    // the page from `top` with `gap` between them, each as tall as its rows need (`padding` below the last), caption
    // left and a 1200 × 300 box right, `columns` to a row in reading order.
    struct Stack {
        int top = 990;
        int gap = 120;
        int padding = 30;
        int columns = 2;
    };
    void stackFrames(const char* inputs, const char* results, Stack stack);
    // The 计算 button where the added pages have it.
    QPushButton* addedCalculateButton(const char* name);

    enum class Enter { PressesCalculate, LeftToThePage };
    enum class Focus { StaysWhereItWas, GoesToTheFieldAtFault };
    // Ends the page's construction: every field of the table must have its control by now. `button` runs the
    // calculation; Enter in any input presses it unless the page wires its keys itself; Tab walks in reading order;
    // after a refusal the focus stays or goes to the field at fault, with its text selected.
    void finish(QPushButton* button, Enter enter, Focus focus);

    // Reads the page into a case, runs the calculation, and writes the results or shows why not.
    void calculate();
    // What a page finishes before its fields are read (the route editor saves the segment being typed); false stops
    // the calculation, the page having said why.
    virtual bool prepareCalculation() { return true; }
    // What a page adds to the case beyond its fields (the pipe route).
    virtual void complete(calc::Case&) const {}
    // Whether the calculation reads input `name` when the options are `chosen` (one per option, in table order); the
    // sheet leaves out an input it does not read.
    virtual bool reads(std::string_view name, const std::vector<bool>& chosen) const;
    // The row the sheet names `field` by when the options are `chosen`: by default the table's; a page whose caption
    // follows an option (a flow's unit after the medium) gives that option's.
    virtual const frame::Field& sheetField(const frame::Field& field, const std::vector<bool>&) const { return field; }
    // Whether option `name` is on in `chosen` (one per option, in table order).
    bool isChosen(const std::vector<bool>& chosen, std::string_view name) const;
    // The sheet's inputs and results in sections, each under its own heading with the fields it names in their order;
    // none (by default): one table of the inputs and one of the results.
    struct SheetSection {
        QString heading;
        std::vector<std::string_view> fields;
    };
    virtual std::vector<SheetSection> sheetSections() const { return {}; }
    // A result's text as the sheet writes it (by default as the page shows it).
    virtual QString sheetResult(std::string_view, const QString& shown) const { return shown; }
    // What a page adds to its sheet after the notes (the distillation page's diagram).
    virtual void addToSheet(sheet::Lines&) const {}
    // The page's own part of its state beyond its fields (the pipe route, the pipe series).
    virtual void saveOwn(PageState&) const {}
    virtual void restoreOwn(const PageState&) {}

    void contextMenuEvent(QContextMenuEvent* event) override;
    // Makes `button` the page's 打印.
    void printsSheet(QPushButton* button);

private:
    // The last successful calculation: when it ran, the inputs and notes (one per Input and Note field), options (one
    // per Option field) and route as used, and the results with their notes (one per Result field).
    struct Calculated {
        QDateTime at;
        std::vector<QString> texts;
        std::vector<bool> chosen;
        calc::Route route;
        std::vector<frame::Explained::Result> results;
        std::optional<calc::PipeSeries> pipe_series;
    };
    void publish(const frame::Explained& explained, const calc::Case& used);
    // Writes the results of the last calculation into their boxes, or empties the boxes.
    void show();
    // Each result box's tool tip (its notes; a line where the stored result differs from the one run again; a line
    // where the result no longer belongs to the inputs shown) and its look (grey text while it does not).
    void markResults();
    void refuse(const calc::Refused& refusal);
    std::vector<QString> currentTexts() const;
    // A line for each set of values filled at the page's own temperatures and used as filled in `texts` (the Input
    // and Note texts, in table order) with the options `chosen` while one of those temperatures reads otherwise there;
    // `stale` gets the names of those inputs.
    QStringList staleFills(const std::vector<QString>& texts, const std::vector<bool>& chosen,
                           std::set<std::string, std::less<>>* stale = nullptr) const;
    // The group of the option at `option` in the table, by its frame's title without the colon.
    QString groupTitle(std::size_t option) const;
    std::vector<bool> currentChoice() const;

    struct Used {
        const frame::Field* field;
        QString text;
    };

    const calc::Calculation& calc_;
    std::vector<QWidget*> controls_;  // one per field of the table, in its order
    QPushButton* calculate_ = nullptr;
    Focus focus_ = Focus::StaysWhereItWas;
    std::optional<Calculated> last_;
    bool refused_ = false;              // the last 计算 was refused: the results shown are those of the one before
    std::vector<Mismatch> mismatches_;  // of the calculation opened or restored, until the page calculates again
    ByName<Filled> sources_;            // by input name
    QMenu* menu_ = nullptr;
};

}  // namespace vxr::app
