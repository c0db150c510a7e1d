// The 精馏计算 page: shortcut design of a binary column by Fenske, Underwood and Gilliland (calc/distillation).
#pragma once

#include "app/calc_page.h"
#include "calc/distillation/shortcut_column.h"

namespace vxr::app {

class DistillationPage : public CalcPage {
public:
    explicit DistillationPage(QWidget* parent = nullptr);

private:
    Bindings<calc::ColumnInput> fields_;
};

}  // namespace vxr::app
