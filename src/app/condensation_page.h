// The page for the film coefficient of a condensing vapour on four kinds of surface; the page shown at start.
#pragma once

#include <utility>
#include <vector>

#include "app/calc_page.h"
#include "calc/heat/condensation.h"

class QRadioButton;

namespace vxr::app {

class CondensationPage : public CalcPage {
    Q_OBJECT

public:
    explicit CondensationPage(QWidget* parent = nullptr);

private:
    void calculate();

    Bindings<calc::CondensationInput> fields_;
    std::vector<std::pair<QRadioButton*, calc::CondensingSurface>> surfaces_;
};

}  // namespace vxr::app
