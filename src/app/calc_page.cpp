#include "app/calc_page.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

#include "app/messages.h"

namespace vxr::app {

CalcPage::CalcPage(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    createSheetActions();
}

namespace {

// Where the added pages put their rows inside a frame, in twips: the first row's top, the distance from row to
// row, a column's width, the caption's left edge and the box's left edge within a column.
constexpr int kFirstRow = 330;
constexpr int kRowPitch = 420;
constexpr int kCaptionLeft = 150;
constexpr int kBoxWidth = 1200;
constexpr int kBoxHeight = 300;
constexpr int kGap = 210;  // between a box and the caption of the next column

// A caption's ² and ³ become blanks for the small exponent labels: (the caption as drawn, the digit, its place).
struct Exponent {
    QString caption;
    QString digit;
    int at = -1;  // index of the blank in the caption; -1 where there is none
};

Exponent splitExponent(const QString& caption) {
    for (const QChar c : {QChar(0x00B2), QChar(0x00B3)}) {
        const int at = caption.indexOf(c);
        if (at < 0) continue;
        QString drawn = caption;
        drawn.replace(at, 1, QStringLiteral("  "));  // two blanks, as the other pages leave for a digit
        return {drawn, c == QChar(0x00B2) ? QStringLiteral("2") : QStringLiteral("3"), at};
    }
    return {caption, {}, -1};
}

}  // namespace

std::vector<QLineEdit*> CalcPage::frameRows(const char* name, Twips at, std::span<const Row> rows, int columns,
                                            bool results) {
    const Form page = Form::page(this);
    const QString title = results ? QStringLiteral("计算结果：") : QStringLiteral("输入参数：");
    QGroupBox* frame = page.groupBox(name, at, title);
    const Form form = Form::inside(frame);
    const int column_width = (at.width - kCaptionLeft) / columns;
    std::vector<QLineEdit*> boxes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) / columns;
        const int column = static_cast<int>(i) % columns;
        const int left = kCaptionLeft + column * column_width;
        const int top = kFirstRow + row * kRowPitch;
        const Exponent e = splitExponent(QString::fromUtf8(rows[i].caption));
        const std::string label_name = std::string(rows[i].name) + "Label";
        QLabel* caption =
            form.label(label_name.c_str(), {left, top + 45, column_width - kBoxWidth - kGap - 30, 255}, e.caption);
        const Twips box_at{left + column_width - kBoxWidth - kGap, top, kBoxWidth, kBoxHeight};
        QLineEdit* box = results ? form.result(rows[i].name, box_at, caption)
                                 : form.input(rows[i].name, box_at, QString::fromUtf8(rows[i].text), caption);
        if (e.at >= 0) {
            const std::string exp_name = std::string(rows[i].name) + "Exponent";
            form.exponent(exp_name.c_str(), {left, top, 90, 180}, e.digit, label_name.c_str());
        }
        boxes.push_back(box);
        (results ? results_ : inputs_).push_back(box);
    }
    return boxes;
}

std::vector<QLineEdit*> CalcPage::inputFrame(const char* name, Twips at, std::span<const Row> rows, int columns) {
    return frameRows(name, at, rows, columns, false);
}

std::vector<QLineEdit*> CalcPage::resultFrame(const char* name, Twips at, std::span<const Row> rows, int columns) {
    return frameRows(name, at, rows, columns, true);
}

QPushButton* CalcPage::calculateButton(const char* name) {
    QPushButton* button = Form::page(this).button(name, {7155, 8325, 1200, 345}, QStringLiteral("计  算"));
    pressOnEnter(this, button);
    setReadingTabOrder(this);
    return button;
}

void CalcPage::publish(const frame::Explained& explained) {
    Snapshot s;
    s.at = QDateTime::currentDateTime();
    s.inputs = currentInputs();
    s.options = currentOptions();
    const std::size_t n = std::min(explained.results.size(), results_.size());
    for (std::size_t i = 0; i < n; ++i) {
        const frame::Explained::Result& r = explained.results[i];
        QStringList lines;
        for (const std::string& note : r.notes) lines << QString::fromStdString(note);
        QLineEdit* box = results_[i];
        box->setText(QString::fromStdString(r.text));
        box->setCursorPosition(0);
        box->setToolTip(lines.join(QLatin1Char('\n')));
        s.results.push_back({sheetCaption(box), box->text()});
        for (const QString& line : lines)
            if (std::find(s.notes.begin(), s.notes.end(), line) == s.notes.end()) s.notes.push_back(line);
    }
    last_ = std::move(s);
}

void CalcPage::refuse(const std::string& message, QLineEdit* field) {
    if (message.empty()) {
        showDataCheck(this);
    } else {
        showMessage(this, QStringLiteral("运行错误"), QString::fromStdString(message));
    }
    if (!field) return;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

}  // namespace vxr::app
