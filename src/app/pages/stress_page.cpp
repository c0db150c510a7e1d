#include "app/pages/stress_page.h"

#include <QCheckBox>
#include <QColor>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "app/kit/form.h"
#include "app/kit/look.h"
#include "app/kit/messages.h"
#include "app/pages/route_table_dialog.h"
#include "frame/number_text.h"

namespace vxr::app {
namespace {

constexpr Place kPipe[] = {
    {"Text51", {3645, 315, 1275, 330}, "Label54", {765, 360, 1905, 285}},
    {"Text52", {3645, 810, 1275, 330}, "Label55", {765, 855, 1905, 285}},
    {"Text53", {3645, 1305, 1275, 330}, "Label56", {765, 1350, 2400, 285}},
    {"Text54", {3645, 1800, 1275, 330}, "Label57", {765, 1845, 2355, 285}},
};

// The segment fields, in the order a save reads them and a move fills them: the projections, then the length.
constexpr Place kSegment[] = {
    {"Text48", {3600, 1800, 1770, 330}, "Label50", {765, 1845, 2130, 285}},
    {"Text49", {3600, 2205, 1770, 330}, "Label49", {765, 2295, 2175, 285}},
    {"Text50", {3600, 2655, 1770, 330}, "Label48", {765, 2745, 2130, 285}},
    {"Text47", {3600, 1305, 1770, 330}, "Label53", {765, 1305, 2130, 285}},
};

constexpr Place kResult[] = {{"Text55", {3510, 7785, 3390, 330}, "Label58", {2340, 7830, 1050, 285}}};

// Enter in each of `boxes` presses `button`.
void connectEnter(std::initializer_list<QLineEdit*> boxes, QPushButton* button) {
    for (QLineEdit* box : boxes) QObject::connect(box, &QLineEdit::returnPressed, button, &QPushButton::click);
}

// A node number: large, bold and coloured, wide enough for "100".
QLabel* nodeLabel(const Form& form, const char* name, Twips at, const QString& number, const QColor& colour) {
    QLabel* l = form.label(name, at, number);
    QFont font(cjkFamily());
    font.setPixelSize(16);
    font.setBold(true);
    l->setFont(font);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    const QFontMetrics metrics(font);
    l->resize(std::max(l->width(), metrics.horizontalAdvance(QStringLiteral("100"))),
              std::max(l->height(), metrics.height()));
    return l;
}

}  // namespace

StressPage::StressPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    const Form form = Form::page(this);
    place(Form::inside(form.groupBox("Frame1", {1530, 1215, 6135, 2400}, QStringLiteral("基本参数："))), kPipe);

    const Form editor = Form::inside(form.groupBox("Frame2", {1530, 3780, 6135, 3795}, QStringLiteral("管道状态：")));
    editor.label("Label51", {765, 360, 1905, 285}, QStringLiteral("From（管道从节点）："));
    editor.label("Label52", {765, 855, 1905, 285}, QStringLiteral("To（管道到节点）："));
    from_ = nodeLabel(editor, "qidian", {3645, 360, 465, 285}, QStringLiteral("0"), QColor(0, 0, 255));
    to_ = nodeLabel(editor, "zhongdian", {3645, 855, 465, 285}, QStringLiteral("1"), QColor(255, 0, 0));
    endMark_ = editor.check("Check1", {4140, 675, 690, 555}, QStringLiteral("终点"));
    end_ = editor.label("Label40", {4950, 855, 420, 285}, QString());
    place(editor, kSegment);
    lx_ = box("Text48");
    ly_ = box("Text49");
    lz_ = box("Text50");
    length_ = box("Text47");
    // The projections' own tool tip first, then what the table says of them.
    for (QLineEdit* projection : {lx_, ly_, lz_})
        projection->setToolTip(QStringLiteral("反方向为负值\n") + projection->toolTip());
    QPushButton* save = editor.button("Command9", {720, 3240, 1005, 330}, QStringLiteral("保存更新"));
    previous_ = editor.button("Command10", {2520, 3240, 1050, 330}, QStringLiteral("上一节点"));
    previous_->setEnabled(false);
    QPushButton* next = editor.button("Command11", {4365, 3240, 1005, 330}, QStringLiteral("下一节点"));
    // Top right in the editor, over 下一节点's column, clear of the node numbers and of 终点 below.
    QPushButton* table = editor.button("routeTableButton", {4365, 345, 1005, 330}, QStringLiteral("路线表…"));

    place(form, kResult);
    printsSheet(form.button("Command12", {2385, 8415, 1005, 375}, QStringLiteral("打  印")));
    QPushButton* calc = form.button("Command13", {5805, 8415, 1005, 375}, QStringLiteral("计  算"));
    finish(calc, Enter::LeftToThePage, Focus::StaysWhereItWas);

    connect(endMark_, &QCheckBox::toggled, this, &StressPage::noteEdit);
    connect(save, &QPushButton::clicked, this, &StressPage::save);
    connect(previous_, &QPushButton::clicked, this, &StressPage::previous);
    connect(next, &QPushButton::clicked, this, &StressPage::next);
    connect(table, &QPushButton::clicked, this, &StressPage::openRouteTable);
    // Enter saves the segment being typed, or assesses the route from the pipe data.
    connectEnter({lx_, ly_, lz_, length_}, save);
    connectEnter({box("Text51"), box("Text52"), box("Text53"), box("Text54")}, calc);
}

calc::SegmentTexts StressPage::shown() const {
    return {length_->text().toStdString(), lx_->text().toStdString(), ly_->text().toStdString(),
            lz_->text().toStdString()};
}

bool StressPage::save() {
    const calc::SegmentTexts typed = shown();
    const bool mark_end = endMark_->isChecked();
    switch (nodes_.save(typed, mark_end)) {
        case calc::NodeList::SaveResult::EmptyField:
            showMessage(this, kAppTitle, QStringLiteral("请仔细核对数据！"));
            return false;
        case calc::NodeList::SaveResult::ShorterThanProjections: {
            const double r = calc::shorter_than_projections(typed).value_or(0);
            showMessage(this, kAppTitle,
                        QStringLiteral("两节点管道长度小于三个投影的合成长度（%1 m），请核对。")
                            .arg(QString::fromStdString(frame::masked(r))));
            length_->setFocus(Qt::OtherFocusReason);
            length_->selectAll();
            return false;
        }
        case calc::NodeList::SaveResult::Saved:
            if (mark_end) end_->setText(to_->text());
            noteEdit();
            return true;
    }
    return false;
}

bool StressPage::savePending() {
    return !nodes_.pending(shown(), endMark_->isChecked()) || save();
}

void StressPage::previous() {
    if (!savePending()) return;
    endMark_->setChecked(false);
    if (nodes_.previous() != calc::NodeList::StepResult::Moved) return;
    showSegment();
    typeSegment();
    noteEdit();
}

void StressPage::next() {
    if (!savePending()) return;
    endMark_->setChecked(false);
    switch (nodes_.next()) {
        case calc::NodeList::StepResult::AtMaxNode:
            return showMessage(this, kAppTitle, QStringLiteral("最大节点数为100 "));
        case calc::NodeList::StepResult::Stayed:
            return;
        case calc::NodeList::StepResult::Moved:
            showSegment();
            previous_->setEnabled(true);
            typeSegment();
            noteEdit();
            return;
    }
}

void StressPage::openRouteTable() {
    if (!savePending()) return;
    RouteTableDialog dialog(nodes_.whole_route(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    nodes_.replace(dialog.route());  // the dialog accepts only a route the node list takes
    const std::optional<int> end = nodes_.end_node();
    end_->setText(end ? QString::number(*end) : QString());
    endMark_->setChecked(false);
    showSegment();
    noteEdit();
}

bool StressPage::prepareCalculation() {
    return savePending();
}

void StressPage::showSegment() {
    to_->setText(QString::number(nodes_.to()));
    from_->setText(QString::number(nodes_.from()));
    const calc::SegmentTexts shown = nodes_.current();
    const std::pair<QLineEdit*, const std::string&> fill[] = {
        {lx_, shown.lx}, {ly_, shown.ly}, {lz_, shown.lz}, {length_, shown.length}};
    for (const auto& [box, text] : fill) {
        box->setText(QString::fromStdString(text));
        box->setCursorPosition(0);
    }
}

void StressPage::typeSegment() {
    length_->setFocus(Qt::OtherFocusReason);
    length_->selectAll();
}

void StressPage::complete(calc::Case& c) const {
    c.route = nodes_.route();
}

void StressPage::saveOwn(PageState& state) const {
    RouteEditor& editor = state.route.emplace();
    editor.route.end = nodes_.end_node();
    for (int n = 1; n <= calc::NodeList::kMaxNode; ++n) editor.route.segments.push_back(nodes_.record(n));
    editor.current = nodes_.to();
    editor.end_mark = endMark_->isChecked();
}

void StressPage::restoreOwn(const PageState& state) {
    const RouteEditor editor = state.route.value_or(RouteEditor{});
    nodes_.load(editor.route.segments, editor.route.end, editor.current);
    endMark_->setChecked(editor.end_mark);
    showNodes();
}

void StressPage::showNodes() {
    to_->setText(QString::number(nodes_.to()));
    from_->setText(QString::number(nodes_.from()));
    end_->setText(nodes_.end_node() ? QString::number(*nodes_.end_node()) : QString());
    previous_->setEnabled(nodes_.to() > 1);
}

}  // namespace vxr::app
