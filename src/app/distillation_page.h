// The 精馏计算 page: shortcut design of a binary column by Fenske, Underwood and Gilliland (calc/distillation).
#pragma once

#include "app/calc_page.h"

namespace vxr::app {

class DistillationPage : public CalcPage {
public:
    explicit DistillationPage(const PageInfo& info, QWidget* parent = nullptr);
};

}  // namespace vxr::app
