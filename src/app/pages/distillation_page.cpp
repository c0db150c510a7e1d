#include "app/pages/distillation_page.h"

#include <QLineEdit>
#include <QPushButton>

#include "app/kit/screen.h"
#include "app/pages/mccabe_thiele_diagram.h"

namespace vxr::app {

DistillationPage::DistillationPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    stackFrames("distInputFrame", "distResultFrame", {.gap = 210, .padding = 90});
    // Left of 计算 on its row, the same size; nothing to draw before a calculation.
    diagram_button_ = Form::page(this).button("distDiagramButton", {5835, 8325, 1200, 345}, QStringLiteral("图解…"));
    diagram_button_->setEnabled(false);
    connect(diagram_button_, &QPushButton::clicked, this, &DistillationPage::showDiagram);
    QPushButton* calculate = addedCalculateButton("distCalculate");
    finish(calculate, Enter::PressesCalculate, Focus::GoesToTheFieldAtFault);
    // After the page's own calculation, which this follows.
    connect(calculate, &QPushButton::clicked, this, &DistillationPage::keepStaircase);
    connect(this, &Page::edited, this, &DistillationPage::markDiagram);
}

void DistillationPage::restore(const PageState& state) {
    CalcPage::restore(state);
    staircase_.reset();
    if (state.calculation) {
        calc::ColumnInput in;
        for (const auto& row : calc::distillation::kFields) {
            if (!row.member) continue;
            const auto used = state.calculation->texts.find(row.field.name);
            in.*row.member = used != state.calculation->texts.end() ? used->second.toStdString() : row.field.text;
        }
        staircase_ = calc::column_staircase(in);
    }
    diagram_button_->setEnabled(staircase_.has_value());
    if (diagram_ && diagram_->isVisible()) {
        if (staircase_)
            showDiagram();
        else
            diagram_->hide();
    }
}

void DistillationPage::keepStaircase() {
    calc::ColumnInput in;
    for (const auto& row : calc::distillation::kFields)
        if (row.member) in.*row.member = box(row.field.name)->text().toStdString();
    std::optional<calc::Staircase> staircase = calc::column_staircase(in);
    if (!staircase) return;
    staircase_ = std::move(staircase);
    diagram_button_->setEnabled(true);
    if (diagram_ && diagram_->isVisible()) diagram_->setStaircase(*staircase_);
    markDiagram();
}

void DistillationPage::addToSheet(sheet::Lines& lines) const {
    if (!staircase_ || lines.empty()) return;
    auto drawing = std::make_shared<sheet::Drawing>();
    drawing->size = QSizeF(kDiagramSize);
    drawing->draw = [staircase = *staircase_, families = sheet::sheetFamilies()](QPainter& painter) {
        paintMcCabeThiele(painter, staircase, families);
    };
    lines.push_back({sheet::Kind::Drawing, {QStringLiteral("（McCabe–Thiele 图见打印或 PDF）")}, std::move(drawing)});
}

void DistillationPage::showDiagram() {
    if (!staircase_) return;
    if (!diagram_) {
        diagram_ = new McCabeThieleWindow(this);
        fitToScreen(diagram_, this);
    }
    diagram_->setStaircase(*staircase_);
    markDiagram();
    diagram_->show();
    diagram_->raise();
    diagram_->activateWindow();
}

void DistillationPage::markDiagram() {
    if (!diagram_) return;
    const QStringList edited = editedSinceCalculation();
    diagram_->setNote(
        edited.isEmpty()
            ? QString()
            : QStringLiteral("注意：计算后已修改%1，图为计算时所用的值。").arg(edited.join(QStringLiteral("、"))));
}

}  // namespace vxr::app
