// The page for the forced-convection film coefficient in straight, bent and coiled pipes and in annuli.
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class ConvectionPage : public CalcPage {
    Q_OBJECT

public:
    explicit ConvectionPage(const PageInfo& info, QWidget* parent = nullptr);
};

}  // namespace vxr::app
