// The page for the film coefficient of a condensing vapour on four kinds of surface; the page shown at start.
#pragma once

#include "app/pages/calc_page.h"

namespace vxr::app {

class CondensationPage : public CalcPage {
    Q_OBJECT

public:
    explicit CondensationPage(const PageInfo& info, QWidget* parent = nullptr);

protected:
    // Each surface reads what its formula holds: the plate its angle and length, the vertical tube its length, the
    // horizontal tubes the condensate's specific heat and the outside or the inside diameter.
    bool reads(std::string_view name, const std::vector<bool>& chosen) const override;
};

}  // namespace vxr::app
