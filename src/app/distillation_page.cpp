#include "app/distillation_page.h"

namespace vxr::app {

DistillationPage::DistillationPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    stackFrames("distInputFrame", "distResultFrame", {.gap = 210, .padding = 90});
    finish(addedCalculateButton("distCalculate"), Enter::PressesCalculate, Focus::GoesToTheFieldAtFault);
}

}  // namespace vxr::app
