// The page for the forced-convection film coefficient in straight, bent and coiled pipes and in annuli.
#pragma once

#include "app/calc_page.h"
#include "calc/heat/forced_convection.h"

class QRadioButton;

namespace vxr::app {

class ConvectionPage : public CalcPage {
    Q_OBJECT

public:
    explicit ConvectionPage(QWidget* parent = nullptr);

private:
    void calculate();

    Bindings<calc::ConvectionInput> fields_;
    std::vector<std::pair<QRadioButton*, calc::PipeShape>> shapes_;
    QRadioButton* heated_ = nullptr;
};

}  // namespace vxr::app
