// The page for the friction loss of a pipe run with its fittings, in J/kg and in metres of head.
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class FrictionPage : public CalcPage {
    Q_OBJECT

public:
    explicit FrictionPage(const PageInfo& info, QWidget* parent = nullptr);
};

}  // namespace vxr::app
