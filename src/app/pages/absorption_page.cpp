#include "app/pages/absorption_page.h"

namespace vxr::app {

AbsorptionPage::AbsorptionPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    stackFrames("absInputFrame", "absResultFrame", {.gap = 210, .padding = 90});
    finish(addedCalculateButton("absCalculate"), Enter::PressesCalculate, Focus::GoesToTheFieldAtFault);
}

}  // namespace vxr::app
