// The page for the forced-convection film coefficient in straight, bent and coiled pipes and in annuli.
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class ConvectionPage : public CalcPage {
    Q_OBJECT

public:
    explicit ConvectionPage(const PageInfo& info, QWidget* parent = nullptr);

protected:
    // Each shape reads the dimensions beside its own option only: R for a bend, D for a coil, d₁ and d₂ for an annulus.
    bool reads(std::string_view name, const std::vector<bool>& chosen) const override;
};

}  // namespace vxr::app
