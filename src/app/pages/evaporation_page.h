// The 单效蒸发 page: a single-effect evaporator's balances, heating steam and heating area (calc/evaporation).
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class EvaporationPage : public CalcPage {
public:
    explicit EvaporationPage(const PageInfo& info, QWidget* parent = nullptr);
};

}  // namespace vxr::app
