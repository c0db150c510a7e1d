// The 安全阀计算 page: minimum relieving area and throat diameter of a safety valve for a gas (or vapour) or a
// liquid (calc/relief).
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class ReliefPage : public CalcPage {
public:
    explicit ReliefPage(const PageInfo& info, QWidget* parent = nullptr);

private:
    // A liquid reads no gas input, a gas not the liquid's density.
    bool reads(std::string_view name, const std::vector<bool>& chosen) const override;
    // Greys the inputs the chosen medium does not use.
    void showMedium();
};

}  // namespace vxr::app
