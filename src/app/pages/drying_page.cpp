#include "app/pages/drying_page.h"

namespace vxr::app {

DryingPage::DryingPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    stackFrames("dryInputFrame", "dryResultFrame", {});
    finish(addedCalculateButton("dryCalculate"), Enter::PressesCalculate, Focus::GoesToTheFieldAtFault);
}

}  // namespace vxr::app
