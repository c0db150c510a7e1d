// The page for the allowed installation height of a centrifugal pump above its suction-side liquid surface.
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class PumpPage : public CalcPage {
    Q_OBJECT

public:
    explicit PumpPage(const PageInfo& info, QWidget* parent = nullptr);
};

}  // namespace vxr::app
