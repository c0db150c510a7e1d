// The page for the friction loss of a pipe run with its fittings, in J/kg and in metres of head.
#pragma once

#include "app/calc_page.h"
#include "calc/hydraulics/friction_loss.h"

namespace vxr::app {

class FrictionPage : public CalcPage {
    Q_OBJECT

public:
    explicit FrictionPage(QWidget* parent = nullptr);

private:
    void calculate();

    Bindings<calc::PipeRunInput> fields_;
};

}  // namespace vxr::app
