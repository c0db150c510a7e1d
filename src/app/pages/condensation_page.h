// The page for the film coefficient of a condensing vapour on four kinds of surface; the page shown at start.
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class CondensationPage : public CalcPage {
    Q_OBJECT

public:
    explicit CondensationPage(const PageInfo& info, QWidget* parent = nullptr);
};

}  // namespace vxr::app
