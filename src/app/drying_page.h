// The 干燥计算 page: a convective dryer with a preheater, taken as an ideal dryer (calc/drying).
#pragma once

#include "app/calc_page.h"
#include "calc/drying/convective_dryer.h"

namespace vxr::app {

class DryingPage : public CalcPage {
public:
    explicit DryingPage(QWidget* parent = nullptr);

private:
    Bindings<calc::DryerInput> fields_;
};

}  // namespace vxr::app
