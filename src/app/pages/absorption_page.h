// The 吸收计算 page: a packed absorber for a dilute gas by the absorption-factor method (calc/absorption).
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class AbsorptionPage : public CalcPage {
public:
    explicit AbsorptionPage(const PageInfo& info, QWidget* parent = nullptr);
};

}  // namespace vxr::app
