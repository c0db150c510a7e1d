// The pipe-diameter page: three pipe sections, each sized from flow and velocity to a nominal diameter.
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class PipeDiameterPage : public CalcPage {
    Q_OBJECT

public:
    explicit PipeDiameterPage(const PageInfo& info, QWidget* parent = nullptr);
};

}  // namespace vxr::app
