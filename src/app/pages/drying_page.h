// The 干燥计算 page: a convective dryer with a preheater, taken as an ideal dryer (calc/drying).
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class DryingPage : public CalcPage {
public:
    explicit DryingPage(const PageInfo& info, QWidget* parent = nullptr);
};

}  // namespace vxr::app
