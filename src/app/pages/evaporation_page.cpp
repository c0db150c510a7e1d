#include "app/pages/evaporation_page.h"

namespace vxr::app {

EvaporationPage::EvaporationPage(const PageInfo& info, QWidget* parent) : CalcPage(info, parent) {
    stackFrames("evapInputFrame", "evapResultFrame", {});
    finish(addedCalculateButton("evapCalculate"), Enter::PressesCalculate, Focus::GoesToTheFieldAtFault);
}

}  // namespace vxr::app
