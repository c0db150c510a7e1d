// The pipe-diameter page: three pipe sections, each sized from flow and velocity to a nominal diameter.
#pragma once

#include <string>
#include <vector>

#include "app/calc_page.h"
#include "calc/hydraulics/pipe_diameter.h"

namespace vxr::app {

class PipeDiameterPage : public CalcPage {
    Q_OBJECT

public:
    explicit PipeDiameterPage(QWidget* parent = nullptr);

private:
    void calculate();

    // Which section's flow or velocity a box fills.
    struct Bound {
        QLineEdit* box;
        std::size_t section;
        std::string calc::PipeSectionInput::*member;
    };
    std::vector<Bound> fields_;
};

}  // namespace vxr::app
