// The page for the allowed installation height of a centrifugal pump above its suction-side liquid surface.
#pragma once

#include "app/calc_page.h"
#include "calc/pump/installation_height.h"

namespace vxr::app {

class PumpPage : public CalcPage {
    Q_OBJECT

public:
    explicit PumpPage(QWidget* parent = nullptr);

private:
    void calculate();

    Bindings<calc::PumpSuctionInput> fields_;
};

}  // namespace vxr::app
