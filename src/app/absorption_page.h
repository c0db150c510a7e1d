// The 吸收计算 page: a packed absorber for a dilute gas by the absorption-factor method (calc/absorption).
#pragma once

#include "app/calc_page.h"
#include "calc/absorption/packed_absorber.h"

namespace vxr::app {

class AbsorptionPage : public CalcPage {
public:
    explicit AbsorptionPage(QWidget* parent = nullptr);

private:
    Bindings<calc::AbsorberInput> fields_;
};

}  // namespace vxr::app
