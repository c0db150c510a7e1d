// The 单效蒸发 page: a single-effect evaporator's balances, heating steam and heating area (calc/evaporation).
#pragma once

#include "app/calc_page.h"
#include "calc/evaporation/single_effect.h"

namespace vxr::app {

class EvaporationPage : public CalcPage {
public:
    explicit EvaporationPage(QWidget* parent = nullptr);

private:
    Bindings<calc::EvaporationInput> fields_;
};

}  // namespace vxr::app
