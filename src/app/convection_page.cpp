#include "app/convection_page.h"

namespace vxr::app {

ConvectionPage::ConvectionPage(QWidget* parent) : QWidget(parent) {}

}  // namespace vxr::app
