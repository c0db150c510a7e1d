// The 精馏计算 page: shortcut design of a binary column by Fenske, the q-line pinch and Gilliland with the
// stage-by-stage count beside it (calc/distillation), and the McCabe–Thiele diagram of its last calculation.
#pragma once

#include <optional>

#include "app/pages/calc_page.h"
#include "calc/distillation/shortcut_column.h"

class QPushButton;

namespace vxr::app {

class McCabeThieleWindow;

class DistillationPage : public CalcPage {
public:
    explicit DistillationPage(const PageInfo& info, QWidget* parent = nullptr);

    // Also the staircase of the calculation it holds, from that calculation's inputs as used.
    void restore(const PageState& state) override;

protected:
    // The diagram of the calculation the page holds, after the notes, in the sheet's font.
    void addToSheet(sheet::Lines& lines) const override;

private:
    // After 计算: keeps the staircase of a calculation that finished and shows it in an open diagram; a refused one
    // leaves the last.
    void keepStaircase();
    void showDiagram();
    // The open diagram's note: the inputs changed since the calculation it draws.
    void markDiagram();

    QPushButton* diagram_button_ = nullptr;
    std::optional<calc::Staircase> staircase_;
    McCabeThieleWindow* diagram_ = nullptr;  // made when first asked for
};

}  // namespace vxr::app
